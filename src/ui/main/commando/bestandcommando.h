#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "core/records/records.h"

namespace kzo {

class TCommando;
class TContext;

// The file commands: "&Openen …", "&Bewaren"/"&Bewaar", "B&ewaar als …", opening a named
// file at start-up, the question to save before the competition goes, and closing it.
class TBestandCommando : public QObject {
  Q_OBJECT

 public:
  TBestandCommando(TContext& ctx, QObject* ouder);

  void Registreer(TCommando& c);

  // Opens a competition file and shows it. A name that is no competition file, or a
  // file that is not there, changes nothing; a damaged file gets its message.
  bool Laden(const QString& naam);
  void Openen();
  // True when the competition was saved.
  bool Bewaren();
  bool BewaarAls();
  // "Gegevens zijn nog niet bewaard, Bewaren ?" when modified; true when the competition
  // may go (saved, or the user said no).
  bool VraagBewaren();
  // Back to no competition: one "?" tab.
  void Sluiten();

  static QString Filter();
  static QString VersieVraag();

 private:
  bool Bewaar(const std::string& naam);
  Tletter Lettertype();
  void OnthoudMap(const QString& bestand);

  TContext& ctx_;
};

}  // namespace kzo
