#pragma once

#include <QString>
#include <string>

#include "core/records/records.h"

namespace kzo {

class TMainForm;

// The main window's file commands: "&Openen …", "&Bewaren"/"&Bewaar", "B&ewaar als …",
// and opening a named file at start-up.
class TBestandCommando {
 public:
  explicit TBestandCommando(TMainForm& venster) : f_(venster) {}

  // Opens a competition file and shows it. A name that is no competition file, or a
  // file that is not there, changes nothing; a damaged file gets its message.
  bool Laden(const QString& naam);
  void Openen();
  // True when the competition was saved.
  bool Bewaren();
  bool BewaarAls();

  static QString Filter();
  static QString VersieVraag();

 private:
  bool Bewaar(const std::string& naam);
  Tletter Lettertype();
  void OnthoudMap(const QString& bestand);

  TMainForm& f_;
};

}  // namespace kzo
