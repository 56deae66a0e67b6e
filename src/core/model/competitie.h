#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/klasse.h"
#include "core/model/mijndata.h"
#include "core/records/instellingen.h"
#include "core/records/opties.h"
#include "core/records/records.h"

namespace kzo {

// The open competition: header, print settings, classes in tab order, keyed text,
// file name and modified flag. Two can live side by side.
class TCompetitie {
 public:
  TCompetitie();

  TClubInfo Club;
  TInstellingen Instellingen;
  // One entry per tab; a tab without a class holds none (the "?" tab of a closed competition).
  std::vector<std::unique_ptr<TKlasse>> Tabs;
  TMynData MynData;
  std::string Bestandsnaam;
  int ActieveTab = 0;

  // The modified flag: GewijzigdData, GewijzigdClub.
  void MarkeerGewijzigd(std::uint8_t wat = GewijzigdData) { gewijzigd_ |= wat; }
  bool IsGewijzigd() const { return gewijzigd_ != 0; }
  std::uint8_t Gewijzigd() const { return gewijzigd_; }
  void WisGewijzigd() { gewijzigd_ = 0; }

  void StandaardInstellingen(std::int32_t nu);
  // A fresh rider identity; IDCounter only grows.
  std::uint32_t NieuwID() { return Club.IDCounter++; }
  TKlasse* Actief();
  int AantalKlassen() const;
  std::string TabTekst(int tab) const;
  // Back to no classes: one "?" tab, no file name, keyed text emptied. The header and
  // the print settings stay as they are.
  void Sluiten();

 private:
  std::uint8_t gewijzigd_ = 0;
};

// Removes the final standings of every class (computed columns, marks, BM changes);
// true when a class had them.
bool VerwijderEindstanden(TCompetitie& comp);
bool HeeftEindstanden(const TCompetitie& comp);

// "Met &huidige instellingen" (namenHouden false) and "Met &huidige instellingen en namen
// van rijders" (true): the classes and settings stay; no results, result columns or keyed
// texts; without names one empty rider a class and identities from 0 again. The
// competition becomes a new, unsaved one created at nu.
void NieuwMetInstellingen(TCompetitie& comp, bool namenHouden, std::int32_t nu);

// Converts every stored result of every class to finishing places (naarPlaatsen) or to
// points with the competition's points table, and sets the storage bits to match.
void ZetOpslagMethode(TCompetitie& comp, bool naarPlaatsen);

}  // namespace kzo
