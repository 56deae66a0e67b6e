#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/file/instellingenopslag.h"
#include "core/file/opslag.h"
#include "core/records/datum.h"
#include "ui/widgets/context.h"

class QLabel;
class QTabBar;

namespace kzo {

class IGebruiker;
class TBestandCommando;
class TCommando;
class TKlasseGrid;
class TRijderCommando;

// The program's main window. Its context holds the open competition; the window shows
// one tab per class with the grid of the selected class, keeps title, status bar and the
// commands' state up to date as the context tells it what changed, and asks to save
// before the competition is dropped.
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

  TContext& Context() { return *ctx_; }
  TKlasseGrid& Grid() { return *grid_; }
  TCommando& Commando() { return *commando_; }
  QTabBar* TabControl1() const { return tabs_; }
  QString Paneel(int i) const;
  int HelpContext() const { return helpContext_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakCommandos();
  void Luister();
  void PlaatsVenster();
  void BewaarPlaatsing();
  void BouwTabs();
  void ZetTitel();
  // Tabs, grid and commands after the competition's classes changed.
  void ToonCompetitie();
  void TabControl1Change();
  // Selects a tab without the user's switch, then shows its class.
  void KiesKlasse(int tab);
  void BestandCommandos(bool aan);
  void UitslagCommandos();
  void ToonInvoerwijze();
  void WerkGewijzigdBij();
  void NaEindstandenWeg();
  // Status panels 1 and 2 for a selected cell.
  void CelGekozen(int col, int row);
  void StatusHuidigeCel();
  // The message other windows send; ignored unless stempel is the start stamp.
  void Bericht(int soort, std::int32_t stempel);
  void Hulp(int context);
  void Selectie(void (TKlasseGrid::*opdracht)());

  TContext* ctx_;
  TKlasseGrid* grid_ = nullptr;
  QTabBar* tabs_ = nullptr;
  std::array<QLabel*, 3> panelen_{};
  TCommando* commando_ = nullptr;
  TBestandCommando* bestand_ = nullptr;
  TRijderCommando* rijder_ = nullptr;
  int helpContext_ = 1;
  bool autoOpstart_ = false;
  QString opstartRegel_;
  QStringList opstartParameters_;
};

}  // namespace kzo
