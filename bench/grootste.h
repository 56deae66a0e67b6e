#pragma once

// The largest competition the program takes: 20 classes x 500 riders x 99 results,
// shared by the benchmarks. Each fills in the results and extras it measures on.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/model/competitie.h"
#include "core/records/instellingen.h"

namespace kzo {

struct TGrootsteOpzet {
  // The stored result of rider r (1..500) for result u (1..99) in class k (0..19).
  std::function<std::int16_t(int k, int r, int u)> Uitslag;
  // Result-information series of this many results each, with a date and remark; 0: none.
  int ReeksLengte = 3;
  std::string Opmerking = "Zandcircuit";
  // Called for every rider once its results are set, for the extras a benchmark needs.
  std::function<void(TCompetitie&, TRijder&, int r)> Rijder;
};

// Replaces the classes of c (whose header the caller has set) by the largest ones.
inline void VulGrootste(TCompetitie& c, const TGrootsteOpzet& o) {
  c.Tabs.clear();
  for (int k = 0; k < MaxKlassen; ++k) {
    auto kl = std::make_unique<TKlasse>("Klasse " + std::to_string(k + 1), c.Club);
    kl->InfoKlasse.aantaluitslagen = MaxUitslagen;
    kl->SetupSG(c.Club);
    kl->SG.SetRowCount(MaxRijders + 1);
    for (int r = 1; r <= MaxRijders; ++r) {
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = c.NieuwID();
      rd->Rijder.Naam.Set("Achternaam " + std::to_string(r) + ", Voornaam");
      rd->Rijder.RijNr.Set(std::to_string(r));
      rd->Rijder.Extra[0].Set("Woonplaats");
      for (int u = 1; u <= MaxUitslagen; ++u) rd->Uitslag(u) = o.Uitslag(k, r, u);
      if (o.Rijder) o.Rijder(c, *rd, r);
      kl->SG.Rij(r).rijder = std::move(rd);
      kl->SG.Rij(r).marker = " ";
      kl->SG.Rij(r).positie = std::to_string(r);
    }
    for (int u = 1; o.ReeksLengte > 0 && u <= MaxUitslagen; u += o.ReeksLengte) {
      auto info = NulRecord<TUitslagInfo>();
      info.Datum.Set("20240407");
      info.Opmerking.Set(o.Opmerking);
      info.Uitsl[0] = u;
      info.Uitsl[1] = std::min(u + o.ReeksLengte - 1, MaxUitslagen);
      kl->SG.Kolom(kl->UitslKolom(u))->SetInfo(info);
    }
    c.Tabs.push_back(std::move(kl));
  }
}

// A fixed pseudo-random number 0..32767 for (a, b, c): the same on every machine.
inline int Toeval(int a, int b, int c) {
  std::uint32_t x = static_cast<std::uint32_t>(a) * 73856093u ^
                    static_cast<std::uint32_t>(b) * 19349663u ^
                    static_cast<std::uint32_t>(c) * 83492791u;
  x ^= x >> 13;
  x *= 0x5bd1e995u;
  x ^= x >> 15;
  return static_cast<int>(x & 0x7FFF);
}

}  // namespace kzo
