#pragma once

// Competitions built in code: the one builder of every test layer.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "core/model/competitie.h"
#include "core/model/klasse.h"

namespace kzo::test {

// A class laid out as after reading, with its result columns and no riders yet, as the
// competition's next tab (the "?" tab of a competition without classes is replaced).
inline TKlasse& VoegKlasse(TCompetitie& c, std::string_view naam, int uitslagen) {
  auto k = std::make_unique<TKlasse>(naam, c.Club);
  k->InfoKlasse.aantaluitslagen = uitslagen;
  k->SetupSG(c.Club);
  k->SG.SetRowCount(1);
  TKlasse& ref = *k;
  if (c.Tabs.size() == 1 && !c.Tabs[0])
    c.Tabs[0] = std::move(k);
  else
    c.Tabs.push_back(std::move(k));
  return ref;
}

// A rider with a fresh identity in a new last row; results 1, 2, ... as given.
inline TRijder& VoegRijder(TCompetitie& c, TKlasse& k, std::string_view naam,
                           std::initializer_list<int> uitslagen = {}, std::string_view startnr = {},
                           bool bm = false) {
  const int r = k.SG.RowCount();
  k.SG.SetRowCount(r + 1);
  auto rd = std::make_unique<TRijder>();
  rd->Rijder.IDnum = c.NieuwID();
  rd->Rijder.Naam.Set(naam);
  rd->Rijder.RijNr.Set(startnr);
  int u = 1;
  for (int v : uitslagen) rd->Uitslag(u++) = static_cast<std::int16_t>(v);
  if (bm) rd->Rijder.Optie |= RijderBM;
  k.SG.Rij(r).rijder = std::move(rd);
  k.SG.Rij(r).marker = " ";
  k.SG.Rij(r).positie = std::to_string(r);
  return *k.Rijder(r);
}

// A class of riders "Rijder r" with start numbers 100 + r and results uitslag(r, u).
inline TKlasse& VoegKlasse(TCompetitie& c, std::string_view naam, int rijders, int uitslagen,
                           const std::function<int(int r, int u)>& uitslag) {
  TKlasse& k = VoegKlasse(c, naam, uitslagen);
  for (int r = 1; r <= rijders; ++r) {
    TRijder& rd = VoegRijder(c, k, "Rijder " + std::to_string(r), {}, std::to_string(100 + r));
    for (int u = 1; u <= uitslagen; ++u) rd.Uitslag(u) = static_cast<std::int16_t>(uitslag(r, u));
  }
  k.SetAantalUitslagen();
  return k;
}

// The same with results 1..9 that differ from rider to rider.
inline TKlasse& VoegKlasse(TCompetitie& c, std::string_view naam, int rijders, int uitslagen) {
  return VoegKlasse(c, naam, rijders, uitslagen, [](int r, int u) { return (r + u) % 9 + 1; });
}

// A series record over results van..tot.
inline TUitslagInfo Reeks(int van, int tot, bool nietTellend = false) {
  auto i = NulRecord<TUitslagInfo>();
  i.Uitsl[0] = van;
  i.Uitsl[1] = tot;
  i.Optie = nietTellend ? ReeksNietTellend : 0;
  return i;
}

}  // namespace kzo::test
