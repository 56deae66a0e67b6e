#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/file/instellingenopslag.h"
#include "core/file/opslag.h"
#include "core/model/competitie.h"
#include "core/records/datum.h"
#include "ui/widgets/gebruiker.h"

class QLabel;
class QTabBar;

namespace kzo {

class TBestandCommando;
class TRijderCommando;
class TUitvoerCommando;
class TClubCommando;
class TCommando;
class TKlasseGrid;

// The program's main window. It owns the open competition, shows one tab per class
// with the grid of the selected class, keeps title, status bar and the commands' state
// up to date, and asks to save before the competition is dropped.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm(IGebruiker& gebruiker, IInstellingenOpslag& instellingen, IBestandsOpslag& bestanden,
            const TKlok& klok, QWidget* ouder = nullptr);
  ~TMainForm() override;

  // The start-up steps of the first paint: start stamp, work folder, tool bar, the file
  // on the command line or the start-up action. Runs once.
  void Opstarten(const QString& commandoRegel, const QStringList& parameters);
  // Lets the first show run Opstarten with these.
  void ZetOpstart(const QString& commandoRegel, const QStringList& parameters);

  // Operations the commands and dialogs call.
  void DialoogVoorbereiden();
  bool VraagBewaren();
  void VerwijderEindstand(int tab);
  void VerwijderEindstanden();
  bool HeeftEindstanden() const;
  void BestandCommandos(bool aan);
  void UitslagCommandos();
  void ToonInvoerwijze();
  void TabControl1Change();
  // Selects a tab without the user's switch; TabControl1Change does the rest.
  void KiesTab(int tab);
  // Tabs, grid and commands after the competition's classes changed (opened, closed).
  void ToonCompetitie();
  void Sluiten();
  // Closes a pending in-place edit; doorTabwissel as when the user picks another tab.
  void SluitBewerking(bool doorTabwissel = false);
  void WerkGewijzigdBij();
  // Status panels 1 and 2 for a selected cell.
  void CelGekozen(int col, int row);
  void StatusHuidigeCel();
  // The message other windows send; ignored unless stempel is the start stamp.
  void Bericht(int soort, std::int32_t stempel);

  void Hulp(int context);
  int HelpContext() const { return helpContext_; }
  // How help pages are opened; tests replace it.
  std::function<bool(const QUrl&)> HulpOpenen;

  TCompetitie& Competitie() { return comp_; }
  TKlasseGrid& Grid() { return *grid_; }
  TCommando& Commando() { return *commando_; }
  TBestandCommando& Bestand() { return *bestand_; }
  TRijderCommando& Rijder() { return *rijder_; }
  TUitvoerCommando& Uitvoer() { return *uitvoer_; }
  TClubCommando& Club() { return *club_; }
  IGebruiker& Gebruiker() { return gebruiker_; }
  IInstellingenOpslag& Instellingen() { return instellingen_; }
  IBestandsOpslag& Bestanden() { return bestanden_; }
  const TKlok& Klok() const { return klok_; }
  QTabBar* TabControl1() const { return tabs_; }
  QString Paneel(int i) const;
  std::int32_t StartStempel() const { return startStempel_; }
  int EindOptie = 87;
  // The folder the open and save dialogs start in (the work folder at first).
  QString BeginMap;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void VerbindCommandos();
  void PlaatsVenster();
  void BewaarPlaatsing();
  void BouwTabs();
  void ZetTitel();
  void Algemeen();
  void Informatie();
  void Selectie(void (TKlasseGrid::*opdracht)());

  IGebruiker& gebruiker_;
  IInstellingenOpslag& instellingen_;
  IBestandsOpslag& bestanden_;
  const TKlok& klok_;
  TCompetitie comp_;
  TKlasseGrid* grid_ = nullptr;
  QTabBar* tabs_ = nullptr;
  std::array<QLabel*, 3> panelen_{};
  TCommando* commando_ = nullptr;
  std::unique_ptr<TBestandCommando> bestand_;
  std::unique_ptr<TRijderCommando> rijder_;
  std::unique_ptr<TUitvoerCommando> uitvoer_;
  std::unique_ptr<TClubCommando> club_;
  std::int32_t startStempel_ = 0;
  int helpContext_ = 1;
  bool autoOpstart_ = false;
  QString opstartRegel_;
  QStringList opstartParameters_;
};

}  // namespace kzo
