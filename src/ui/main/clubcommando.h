#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "core/model/competitie.h"

namespace kzo {

class TMainForm;

// "&Club gegevens …" and "&Nieuw …" with its three ways of starting anew; each ends in
// the club settings dialog.
class TClubCommando {
 public:
  explicit TClubCommando(TMainForm& venster);

  void ClubGegevens();
  void Nieuw();

  // Runs a modal dialog and returns its result; tests answer it without showing it.
  std::function<int(QDialog&)> ToonDialoog;

 private:
  void ClubDialoog();

  TMainForm& f_;
};

// "Met &huidige instellingen" (namenHouden false) and "Met &huidige instellingen en namen
// van rijders" (true): the classes and settings stay; no results, result columns or keyed
// texts; without names one empty rider a class and identities from 0 again. The
// competition becomes a new, unsaved one created at nu.
void NieuwMetInstellingen(TCompetitie& comp, bool namenHouden, std::int32_t nu);

}  // namespace kzo
