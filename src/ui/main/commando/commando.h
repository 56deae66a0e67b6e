#pragma once

#include <QKeySequence>
#include <QObject>
#include <array>
#include <functional>
#include <utility>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace kzo {

class TContext;

// The main window's actions, numbered as the program has always numbered them.
namespace actie {
inline constexpr int Nieuw = 1, Openen = 2, Rijder = 3, KlasseToevoegen = 5, Bewaren = 6,
                     BewaarAls = 7, Uitvoer = 8, Printen = 9, Afsluiten = 10, RijderToevoegen = 11,
                     RijderVerwijderen = 12, VerwijderBM = 13, Kopieer = 14, Plakken = 15,
                     SnelUitslagen = 16, UitslagKolommen = 17, UitslagenWissen = 18,
                     InformatieUitslagen = 19, ControleUitslagen = 20, Eindstanden = 21,
                     VerwijderEindstanden = 22, Dagklassement = 23, Snelzoeken = 24,
                     UitgebreidZoeken = 25, AllesSelecteren = 26, SelecteerOneven = 27,
                     SelectieOmkeren = 28, SelectieOpheffen = 29, Sorteren = 30, ClubGegevens = 31,
                     Weergave = 32, Algemeen = 33, Help = 34, Informatie = 35, DQ = 36, Bewaar = 37;
inline constexpr int Aantal = 38;
}  // namespace actie

// The command set: actions, menu bar, tool bar, the grid's context menu and the rules
// that switch commands on and off. A command is there once it is registered with its
// handler; until then it stays in its place, disabled.
class TCommando : public QObject {
  Q_OBJECT

 public:
  enum TMenu { MenuBestand, MenuBewerken, MenuBerekenen, MenuZoeken, MenuInstellingen, MenuHelp };

  TCommando(QMainWindow& venster, TContext& ctx);

  // Runs handler on the command (and its menu, tool bar and context items), for as long
  // as ontvanger lives, and makes the command available.
  void Registreer(int nr, QObject* ontvanger, std::function<void()> handler);

  QAction* Actie(int nr) const { return acties_[static_cast<std::size_t>(nr)]; }
  QMenu* Menu(TMenu m) const { return menus_[m]; }
  QToolBar* Knoppenbalk() const { return balk_; }
  QMenu* Contextmenu() const { return context_; }
  // The context items with their own rule: "&Eindstanden berekenen..." and "&Dagklassement...".
  QAction* ContextEindstanden() const { return ctxEindstanden_; }
  QAction* ContextDagklassement() const { return ctxDag_; }

  // Whether the command has a handler; one without stays disabled whatever its rule says.
  bool Beschikbaar(int nr) const { return geregistreerd_[static_cast<std::size_t>(nr)]; }
  // What the rules last said about the command, before the check above.
  bool Regel(int nr) const { return regel_[static_cast<std::size_t>(nr)]; }

  void BestandCommandos(bool aan);
  void UitslagCommandos(bool heeftUitslagen);
  void ZetBewaar(bool gewijzigd);

 private:
  QAction* Maak(int nr, const QString& tekst, const QString& hint = {},
                const QKeySequence& toets = {});
  void Zet(int nr, bool aan);
  void ZetContext(QAction* a, int nr, bool aan);
  void BouwMenus(QMainWindow& venster);
  void BouwKnoppenbalk(QMainWindow& venster);
  void BouwContextmenu(QMainWindow& venster);
  void BijBewerkenOpenen();
  void BijBerekenenOpenen();
  void BijContextOpenen();

  std::array<QAction*, actie::Aantal> acties_{};
  TContext& ctx_;
  std::array<bool, actie::Aantal> regel_{};
  std::array<bool, actie::Aantal> geregistreerd_{};
  std::array<QMenu*, 6> menus_{};
  QToolBar* balk_ = nullptr;
  QMenu* context_ = nullptr;
  QAction* ctxEindstanden_ = nullptr;
  QAction* ctxDag_ = nullptr;
  bool ctxUitslagen_ = false;
};

}  // namespace kzo
