#pragma once

// Competitions and files built in code, shared by the file tests, the seed corpus and the
// replay of damaged files.

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/bestand.h"
#include "core/model/bytestroom.h"
#include "core/model/competitie.h"
#include "core/model/klasse.h"
#include "core/records/datum.h"
#include "core/records/records.h"

namespace kzo::test {

inline const TDatumTijd kMaakMoment{2024, 3, 15, 10, 20, 30};

inline void ZetTab(TCompetitie& c, std::unique_ptr<TKlasse> k) {
  if (c.Tabs.size() == 1 && !c.Tabs[0])
    c.Tabs[0] = std::move(k);
  else
    c.Tabs.push_back(std::move(k));
}

// A class as the program holds it: riders with fresh identities, results 1..uitslagen as
// places, result 2 (when there is one) in a series with a date.
inline TKlasse& VoegKlasseToe(TCompetitie& c, std::string_view naam, int rijders, int uitslagen) {
  auto k = std::make_unique<TKlasse>(naam, c.Club);
  k->InfoKlasse.aantaluitslagen = uitslagen;
  k->SetupSG(c.Club);
  k->SG.SetRowCount(rijders + 1);
  for (int r = 1; r <= rijders; ++r) {
    auto rd = std::make_unique<TRijder>();
    rd->Rijder.IDnum = c.NieuwID();
    rd->Rijder.Naam.Set(std::string(naam) + " rijder " + std::to_string(r));
    rd->Rijder.RijNr.Set(std::to_string(100 + r));
    rd->Rijder.Extra[0].Set("Plaats " + std::to_string(r));
    for (int u = 1; u <= uitslagen; ++u) rd->Uitslag(u) = static_cast<std::int16_t>((r + u) % 7);
    k->SG.Rij(r).rijder = std::move(rd);
    k->SG.Rij(r).marker = " ";
    k->SG.Rij(r).positie = std::to_string(r);
  }
  if (uitslagen >= 2) {
    auto info = NulRecord<TUitslagInfo>();
    info.Datum.Set("20240407");
    info.Opmerking.Set("Zandcircuit");
    info.Uitsl[0] = 2;
    info.Uitsl[1] = uitslagen;
    k->SG.Kolom(k->UitslKolom(2))->SetInfo(info);
  }
  TKlasse& ref = *k;
  ZetTab(c, std::move(k));
  return ref;
}

// Two classes; with keyed text a DQ record for every result of the first rider of each.
inline void VulCompetitie(TCompetitie& c, bool metTekst) {
  c.StandaardInstellingen(NaarStempel(kMaakMoment));
  c.Club.Clubnaam.Set("MC Testbaan");
  TKlasse& a = VoegKlasseToe(c, "MX1", 3, 4);
  VoegKlasseToe(c, "Jeugd", 2, 3);
  if (metTekst) {
    for (int u = 1; u <= 4; ++u)
      c.MynData.SetData(a.Rijder(1)->Sleutel(), u,
                        std::to_string(u) +
                            "\x04"
                            "1\x04"
                            "te vroeg");
  }
}

inline std::vector<std::uint8_t> Bewaar(TCompetitie& c, const TDatumTijd& moment = kMaakMoment) {
  TVasteKlok klok(moment);
  return BestandBytes(c, c.Club.Lettertype, klok);
}

template <typename T>
T LeesOp(std::span<const std::uint8_t> b, std::size_t pos) {
  T v;
  std::memcpy(&v, b.data() + pos, sizeof v);
  return v;
}

template <typename T>
void SchrijfOp(std::vector<std::uint8_t>& b, std::size_t pos, T v) {
  std::memcpy(b.data() + pos, &v, sizeof v);
}

// The same file with 272-byte riders of 50 results and without version bit 16: the form
// of files of older programs. The keyed-text section moves with the end of the classes.
inline std::vector<std::uint8_t> NaarOudFormaat(std::span<const std::uint8_t> nieuw) {
  TByteLezer l(nieuw);
  TByteSchrijver s;
  auto club = l.LeesRecord<TClubInfo>();
  club.versie &= ~kVersie99;
  s.SchrijfRecord(club);
  l.Zoek(kInstellingenPos);
  s.SchrijfNullen(kGereserveerd);
  s.SchrijfRecord(l.LeesRecord<TInstellingen>());
  for (int k = 0; k < club.aantalklasse; ++k) {
    auto ki = l.LeesRecord<TKlasseInfo>();
    s.SchrijfRecord(ki);
    for (int r = 0; r < ki.aantalrijders; ++r) {
      auto n = l.LeesRecord<TRijderInfo>();
      auto o = NulRecord<TRijderInfoOud>();
      o.Naam = n.Naam;
      o.RijNr = n.RijNr;
      std::memcpy(o.uitslag, n.uitslag, sizeof o.uitslag);
      std::memcpy(o.Extra, n.Extra, sizeof o.Extra);
      o.IDnum = n.IDnum;
      o.Optie = n.Optie;
      s.SchrijfRecord(o);
    }
    for (int i = 0; i < ki.aantalUitslInfo; ++i) s.SchrijfRecord(l.LeesRecord<TUitslagInfo>());
  }
  if (club.MynDpos != 0 && l.Rest() > 0) club.MynDpos = static_cast<std::uint32_t>(s.Positie());
  auto rest = l.LeesBytes(l.Rest());
  s.Schrijf(rest.data(), rest.size());
  s.Zoek(0);
  s.SchrijfRecord(club);
  return s.Neem();
}

// The low byte of the version word replaced.
inline std::vector<std::uint8_t> MetVersie(std::vector<std::uint8_t> b, int laag) {
  auto v = LeesOp<std::int32_t>(b, 4);
  SchrijfOp<std::int32_t>(b, 4, (v & ~0xFF) | laag);
  return b;
}

}  // namespace kzo::test
