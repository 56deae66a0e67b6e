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

}  // namespace kzo
