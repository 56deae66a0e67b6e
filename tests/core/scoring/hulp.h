#pragma once

// A competition built in code for the scoring tests.

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/model/competitie.h"
#include "core/scoring/meldlijst.h"
#include "core/scoring/rekencontext.h"

namespace kzo::test {

inline constexpr int x = UitX, dns = UitDns, dnf = UitDnf, DQ = UitDQ, geen = UitGeen;

struct Wedstrijd {
  // Points storage unless plaatsen; the default points table 50, 47, 45, 43, 41.
  explicit Wedstrijd(bool plaatsen = false) {
    comp.StandaardInstellingen(0);
    comp.Tabs.clear();
    comp.Club.AlgOptie = plaatsen ? 0x21 : 0x01;
    staat.Tellend.fill(1);
  }

  TKlasse& Klasse(const std::string& naam, int uitslagen) {
    auto k = std::make_unique<TKlasse>(naam, comp.Club);
    k->InfoKlasse.aantaluitslagen = uitslagen;
    k->SetupSG(comp.Club);
    k->SG.SetRowCount(1);
    comp.Tabs.push_back(std::move(k));
    return *comp.Tabs.back();
  }

  TRijder& Rijder(TKlasse& k, const std::string& naam, std::initializer_list<int> uitslagen,
                  bool bm = false) {
    const int r = k.SG.RowCount();
    k.SG.SetRowCount(r + 1);
    auto rd = std::make_unique<TRijder>();
    rd->Rijder.IDnum = comp.NieuwID();
    rd->Rijder.Naam.Set(naam);
    int u = 1;
    for (int v : uitslagen) rd->Uitslag(u++) = static_cast<std::int16_t>(v);
    if (bm) rd->Rijder.Optie |= 1;
    k.SG.Rij(r).rijder = std::move(rd);
    k.SG.Rij(r).marker = " ";
    k.SG.Rij(r).positie = std::to_string(r);
    return *k.Rijder(r);
  }

  TRekenContext Ctx(TMeldLijst* m = nullptr) {
    return {comp.Club, staat.Tellend, staat.EindOptie, ',', &comp.MynData, m};
  }

  void Stappen(std::initializer_list<std::pair<int, int>> stappen, int rekWarn) {
    std::memset(comp.Club.MethRek, 0, sizeof comp.Club.MethRek);
    int i = 0;
    for (auto [kind, parm] : stappen) {
      comp.Club.MethRek[i][0] = static_cast<std::uint8_t>(kind);
      comp.Club.MethRek[i][1] = static_cast<std::uint8_t>(parm);
      ++i;
    }
    comp.Club.RekWarn = static_cast<std::uint8_t>(rekWarn);
  }

  TCompetitie comp;
  TRekenStaat staat;
  TMeldLijst meld;
};

// The names of the riders of the class in row order.
inline std::string Volgorde(const TKlasse& k) {
  std::string s;
  for (int r = 1; r < k.SG.RowCount(); ++r) {
    if (!s.empty()) s += ' ';
    s += k.Rijder(r) ? k.Rijder(r)->Rijder.Naam.Get() : "-";
  }
  return s;
}

// The position texts of the class in row order.
inline std::string Posities(const TKlasse& k) {
  std::string s;
  for (int r = 1; r < k.SG.RowCount(); ++r) {
    if (!s.empty()) s += ' ';
    s += k.SG.Rij(r).positie;
  }
  return s;
}

inline TUitslagInfo Reeks(int van, int tot, bool nietTellend = false) {
  auto i = NulRecord<TUitslagInfo>();
  i.Uitsl[0] = van;
  i.Uitsl[1] = tot;
  i.Optie = nietTellend ? 1 : 0;
  return i;
}

}  // namespace kzo::test
