#include "core/model/competitie.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "core/records/punten.h"

namespace kzo {

TCompetitie::TCompetitie()
    : Club(NulRecord<TClubInfo>()), Instellingen(NulRecord<TInstellingen>()) {
  Tabs.emplace_back();
}

void TCompetitie::StandaardInstellingen(std::int32_t nu) {
  kzo::StandaardInstellingen(Club, Instellingen, nu);
  WisGewijzigd();
}

TKlasse* TCompetitie::Actief() {
  return ActieveTab >= 0 && ActieveTab < static_cast<int>(Tabs.size()) ? Tabs[ActieveTab].get()
                                                                       : nullptr;
}

int TCompetitie::AantalKlassen() const {
  int n = 0;
  for (const auto& k : Tabs)
    if (k) ++n;
  return n;
}

std::string TCompetitie::TabTekst(int tab) const {
  const TKlasse* k = Tabs[static_cast<std::size_t>(tab)].get();
  return k ? k->Naam() : "?";
}

void TCompetitie::Sluiten() {
  Bestandsnaam.clear();
  Tabs.clear();
  Tabs.emplace_back();
  ActieveTab = 0;
  MynData.Wissen();
}

bool VerwijderEindstanden(TCompetitie& comp) {
  bool weg = false;
  for (auto& k : comp.Tabs) {
    if (!k) continue;
    weg = weg || k->BN != 0;
    try {
      VerwijderEindstand(*k);
    } catch (const std::exception&) {
      // A class that cannot be put back stays as it is; the others still are.
    }
  }
  return weg;
}

bool HeeftEindstanden(const TCompetitie& comp) {
  for (const auto& k : comp.Tabs)
    if (k && k->BN != 0) return true;
  return false;
}

void NieuwMetInstellingen(TCompetitie& comp, bool namenHouden, std::int32_t nu) {
  TClubInfo& club = comp.Club;
  if (!namenHouden) club.IDCounter = 0;
  for (auto& k : comp.Tabs) {
    if (!k) continue;
    TTabel& sg = k->SG;
    VerwijderEindstand(*k);
    if (namenHouden) {
      for (int r = 1; r < sg.RowCount(); ++r)
        if (TRijder* rd = sg.Rijder(r))
          std::fill(std::begin(rd->Rijder.uitslag), std::end(rd->Rijder.uitslag), UitGeen);
    } else {
      sg.SetRowCount(2);
      sg.Rij(1) = TRij{};
      sg.Rij(1).marker = " ";
      sg.Rij(1).positie = "1";
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = comp.NieuwID();
      sg.Rij(1).rijder = std::move(rd);
    }
    sg.FixedCols = 1;
    k->InfoKlasse.aantalUitslInfo = 0;
    k->InfoKlasse.aantaluitslagen = 0;
    sg.SetColCount(k->UitslPos);
    sg.Row = 1;
    sg.Col = std::min(sg.Col, sg.ColCount() - 1);
  }
  club.AlgOptie &= ~AlgVasteKolommen;
  comp.MynData.Wissen();
  club.IDnummer = nu;
  club.Created = nu;
  club.UpDate = 0;
  comp.WisGewijzigd();
  comp.MarkeerGewijzigd(GewijzigdData);
  comp.Bestandsnaam.clear();
  comp.ActieveTab = 0;
}

void ZetOpslagMethode(TCompetitie& comp, bool naarPlaatsen) {
  TClubInfo& club = comp.Club;
  for (auto& k : comp.Tabs) {
    if (!k) continue;
    for (int r = 1; r < k->SG.RowCount(); ++r) {
      TRijder* rd = k->Rijder(r);
      if (!rd) continue;
      for (auto& v : rd->Rijder.uitslag) {
        if (v <= 0) continue;
        v = static_cast<std::int16_t>(naarPlaatsen ? PuntenNaarPlaats(club, v)
                                                   : PlaatsNaarPunten(club, v));
      }
    }
  }
  // Places entered as points keep showing as points.
  if (naarPlaatsen)
    club.AlgOptie |= AlgPlaatsenOpslag | AlgPuntenWeergave;
  else
    club.AlgOptie &= ~(AlgPlaatsenOpslag | AlgPuntenWeergave);
}

}  // namespace kzo
