#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "core/file/instellingenopslag.h"
#include "core/file/opslag.h"
#include "core/model/competitie.h"
#include "core/records/datum.h"
#include "core/scoring/rekencontext.h"

namespace kzo {

class IGebruiker;
class TDialoog;

// What the commands, dialogs and windows of the program work with: the open
// competition, the prompt interface, the settings and disk stores, the clock and the one
// computation state. Whoever changes something says so here; the main window, the grid
// and the modeless windows listen and follow.
class TContext : public QObject {
  Q_OBJECT

 public:
  TContext(IGebruiker& gebruiker, IInstellingenOpslag& instellingen, IBestandsOpslag& bestanden,
           const TKlok& klok, QObject* ouder = nullptr);

  TCompetitie& Competitie() { return comp_; }
  const TCompetitie& Competitie() const { return comp_; }
  IGebruiker& Gebruiker() { return gebruiker_; }
  IInstellingenOpslag& Instellingen() { return instellingen_; }
  IBestandsOpslag& Bestanden() { return bestanden_; }
  const TKlok& Klok() const { return klok_; }
  // EindOptie of the last standings run and the counting-results table: one for all.
  TRekenStaat& Staat() { return staat_; }
  // The user's decimal separator, for averages.
  char Decimaal() const { return decimaal_; }

  // The folder the file dialogs start in.
  const QString& BeginMap() const { return beginMap_; }
  void ZetBeginMap(const QString& map) { beginMap_ = map; }
  // Taken at start-up; messages between the windows carry it.
  std::int32_t StartStempel() const { return startStempel_; }
  void ZetStartStempel(std::int32_t s) { startStempel_ = s; }

  // The main window: the parent of the dialogs.
  QWidget* Venster() const { return venster_; }
  void ZetVenster(QWidget* venster) { venster_ = venster; }

  // The class the grid shows, or none.
  TKlasse* Klasse() const { return klasse_; }
  void ZetKlasse(TKlasse* k) { klasse_ = k; }

  // Runs a modal dialog through the prompt interface, its help requests answered.
  bool Open(TDialoog& dialoog);

  // Requests: whoever can do it, does it before the call returns.
  void SluitBewerking(bool doorTabwissel = false) { emit BewerkingSluiten(doorTabwissel); }
  // Before a dialog that reorganises data: no standings, modeless windows stored and hidden.
  void DialoogVoorbereiden();
  // The standings of every class removed; said when there were any.
  void VerwijderEindstanden();
  // Nothing may show a class any more: the classes are about to be freed or moved.
  void LaatKlassenLos() { emit KlassenLoslaten(); }
  void KiesKlasse(int tab) { emit KlasseGekozen(tab); }
  void KiesCel(int col, int row) { emit CelGekozen(col, row); }
  void Hulp(int context) { emit HulpGevraagd(context); }
  // The keyboard back to the grid of the main window.
  void GeefGridFocus() { emit GridFocusGevraagd(); }
  // A message between the program's windows; only one with the start stamp counts.
  void Bericht(int soort, std::int32_t stempel) { emit BerichtOntvangen(soort, stempel); }

  // Notifications.
  void MeldCompetitieVervangen() { emit CompetitieVervangen(); }
  void MeldGewijzigd() { emit WijzigingGemeld(); }
  void MeldKlasseGewijzigd() { emit KlasseGewijzigd(); }
  void MeldKolomTekst(int kind) { emit KolomTekstGewijzigd(kind); }

 signals:
  void BewerkingSluiten(bool doorTabwissel);
  void VensterSluiten();
  void KlassenLoslaten();
  void KlasseGekozen(int tab);
  void CelGekozen(int col, int row);
  void HulpGevraagd(int context);
  void GridFocusGevraagd();
  void BerichtOntvangen(int soort, std::int32_t stempel);
  // Classes opened, closed, added, renamed or reordered: tabs, grid and commands anew.
  void CompetitieVervangen();
  // The modified flag may have changed.
  void WijzigingGemeld();
  void EindstandenVerwijderd();
  // The data of the class shown changed: lay out and draw it again.
  void KlasseGewijzigd();
  // A field of this kind got a longer text in the current row: its column may widen.
  void KolomTekstGewijzigd(int kind);

 private:
  IGebruiker& gebruiker_;
  IInstellingenOpslag& instellingen_;
  IBestandsOpslag& bestanden_;
  const TKlok& klok_;
  TCompetitie comp_;
  TRekenStaat staat_;
  char decimaal_ = ',';
  QString beginMap_;
  std::int32_t startStempel_ = 0;
  TKlasse* klasse_ = nullptr;
  QWidget* venster_ = nullptr;
};

// Message 250 or 251 (with the other row) when another rider of the class shown has this
// name or start number; false then.
bool ControleerUniek(TContext& ctx, const QString& tekst, int kind, int skip);

// Whether the cell under the grid's cursor may get a DQ, dnf or dns: a result cell, with
// results stored as finishing places.
bool DQToegestaan(const TContext& ctx);

}  // namespace kzo
