#include "core/model/competitie.h"

namespace kzo {

TCompetitie::TCompetitie()
    : Club(NulRecord<TClubInfo>()), Instellingen(NulRecord<TInstellingen>()) {
  Tabs.emplace_back();
}

void TCompetitie::StandaardInstellingen(std::int32_t nu) {
  kzo::StandaardInstellingen(Club, Instellingen, nu);
  Gewijzigd = 0;
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

}  // namespace kzo
