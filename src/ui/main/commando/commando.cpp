#include "ui/main/commando/commando.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <initializer_list>
#include <utility>

#include "core/model/competitie.h"
#include "ui/main/venster/iconen.h"
#include "ui/widgets/context.h"
#include "ui/widgets/tekst.h"

namespace kzo {

TCommando::TCommando(QMainWindow& venster, TContext& ctx) : QObject(&venster), ctx_(ctx) {
  Maak(actie::Nieuw, T("&Nieuw …"), T("Nieuwe Club"));
  Maak(actie::Openen, T("&Openen …"), T("Open bestand"));
  Maak(actie::KlasseToevoegen, T("&Klasse uit bestand toevoegen …"));
  Maak(actie::Bewaren, T("&Bewaren"), T("Bewaar gegevens"), QKeySequence(Qt::CTRL | Qt::Key_S));
  Maak(actie::Bewaar, T("&Bewaar"), T("Gegevens bewaren"));
  Maak(actie::BewaarAls, T("B&ewaar als …"));
  Maak(actie::Uitvoer, T("&Uitvoer tekst/html bestand …"));
  Maak(actie::Printen, T("P&rinteen …"), T("Afdrukken"));
  Maak(actie::Afsluiten, T("&Afsluiten"));
  Maak(actie::Rijder, T("&Gegevens rijder …"), T("Gegevens rijder bewerken"),
       QKeySequence(Qt::Key_F5));
  Maak(actie::RijderToevoegen, T("&Rijder toevoegen …"), T("Een rijder toevoegen"),
       QKeySequence(Qt::Key_F2));
  Maak(actie::RijderVerwijderen, T("R&ijder verwijderen …"), T("Rijder verwijderen"));
  Maak(actie::VerwijderBM, T("&Verwijder rijder buitenmededingen …"));
  Maak(actie::Kopieer, T("&Kopieer rijdergegevens / Klasse …"));
  Maak(actie::Plakken, T("&Plakken rijdersgegevens"));
  Maak(actie::SnelUitslagen, T("&Snel uitslagen toevoegen …"), T("Snel uitslagen toevoegen"));
  Maak(actie::UitslagKolommen, T("&Uitslag kolommen toevoegen …"));
  Maak(actie::UitslagenWissen, T("Ui&tslagen wissen / verwijderen …"));
  Maak(actie::DQ, T("&Diskwalificatie (DQ), dnf, dns …"));
  Maak(actie::InformatieUitslagen, T("I&nformatie uitslagen …"), T("Informatie uitslagen"));
  Maak(actie::ControleUitslagen, T("&Controle uitslagen …"), T("Uitslagen controleren"));
  Maak(actie::Eindstanden, T("&Eindstanden …"), T("Eindstanden berekenen"));
  Maak(actie::VerwijderEindstanden, T("&Verwijder eindstanden"));
  Maak(actie::Dagklassement, T("&Dagklassement …"), T("Bereken dagklassement"));
  Maak(actie::Snelzoeken, T("&Snelzoeken"), {}, QKeySequence(Qt::Key_F3));
  Maak(actie::UitgebreidZoeken, T("&Uitgebreid zoeken …"));
  Maak(actie::AllesSelecteren, T("&Alles selecteren"));
  Maak(actie::SelecteerOneven, T("S&electeer oneven plaatsen"));
  Maak(actie::SelectieOmkeren, T("Se&lectie omkeren"));
  Maak(actie::SelectieOpheffen, T("Sele&ctie opheffen"), {}, QKeySequence(Qt::Key_F4));
  Maak(actie::Sorteren, T("S&orteren …"));
  Maak(actie::ClubGegevens, T("&Club gegevens …"));
  Maak(actie::Weergave, T("&Weergave …"));
  Maak(actie::Algemeen, T("&Algemeen …"));
  Maak(actie::Help, T("&Help …"));
  Maak(actie::Informatie, T("&Informatie …"));

  const std::pair<int, TIcoon> kIconen[] = {
      {actie::Nieuw, TIcoon::Nieuw},
      {actie::Openen, TIcoon::Openen},
      {actie::Bewaar, TIcoon::Bewaar},
      {actie::Bewaren, TIcoon::Bewaar},
      {actie::Printen, TIcoon::Printen},
      {actie::Rijder, TIcoon::Rijder},
      {actie::RijderToevoegen, TIcoon::RijderToevoegen},
      {actie::RijderVerwijderen, TIcoon::RijderVerwijderen},
      {actie::SnelUitslagen, TIcoon::SnelUitslagen},
      {actie::InformatieUitslagen, TIcoon::InformatieUitslagen},
      {actie::ControleUitslagen, TIcoon::ControleUitslagen},
      {actie::Eindstanden, TIcoon::Eindstanden},
      {actie::Dagklassement, TIcoon::Dagklassement},
      {actie::Help, TIcoon::Help},
  };
  for (const auto& [nr, icoon] : kIconen) Actie(nr)->setIcon(MaakIcoon(icoon));

  BouwMenus(venster);
  BouwKnoppenbalk(venster);
  BouwContextmenu(venster);

  // Always on: commands that need no open competition.
  for (int nr :
       {actie::Nieuw, actie::Openen, actie::Afsluiten, actie::ClubGegevens, actie::Weergave,
        actie::Algemeen, actie::Help, actie::Informatie, actie::AllesSelecteren,
        actie::SelecteerOneven, actie::SelectieOmkeren, actie::SelectieOpheffen, actie::Kopieer,
        actie::UitslagKolommen, actie::UitslagenWissen, actie::VerwijderBM, actie::Snelzoeken,
        actie::UitgebreidZoeken, actie::Sorteren})
    Zet(nr, true);
  Zet(actie::Plakken, false);  // nothing ever enables it
  Zet(actie::Bewaar, false);
  Zet(actie::DQ, false);
  Zet(actie::VerwijderEindstanden, false);
  BestandCommandos(false);
}

QAction* TCommando::Maak(int nr, const QString& tekst, const QString& hint,
                         const QKeySequence& toets) {
  auto* a = new QAction(tekst, parent());
  if (!hint.isEmpty()) a->setToolTip(hint);
  if (!toets.isEmpty()) {
    a->setShortcut(toets);
    a->setShortcutContext(Qt::WindowShortcut);
  }
  acties_[static_cast<std::size_t>(nr)] = a;
  a->setEnabled(false);
  // Whoever switches it on (the editor's menu does), a command without handler stays off.
  connect(a, &QAction::changed, this, [this, a, nr] {
    if (a->isEnabled() && !Beschikbaar(nr)) a->setEnabled(false);
  });
  return a;
}

void TCommando::Registreer(int nr, QObject* ontvanger, std::function<void()> handler) {
  connect(Actie(nr), &QAction::triggered, ontvanger, [h = std::move(handler)] { h(); });
  geregistreerd_[static_cast<std::size_t>(nr)] = true;
  Zet(nr, Regel(nr));
}

void TCommando::Zet(int nr, bool aan) {
  regel_[static_cast<std::size_t>(nr)] = aan;
  Actie(nr)->setEnabled(aan && Beschikbaar(nr));
}

void TCommando::BouwMenus(QMainWindow& venster) {
  QMenuBar* balk = venster.menuBar();
  auto menu = [&](TMenu m, const char* titel, std::initializer_list<int> nrs) {
    QMenu* mn = balk->addMenu(T(titel));
    for (int nr : nrs) {
      if (nr == 0) {
        mn->addSeparator();
      } else {
        mn->addAction(Actie(nr));
        venster.addAction(Actie(nr));  // shortcuts work while a menu is hidden
      }
    }
    menus_[m] = mn;
  };
  menu(MenuBestand, "&Bestand",
       {actie::Nieuw, actie::Openen, actie::KlasseToevoegen, 0, actie::Bewaren, actie::BewaarAls,
        actie::Uitvoer, 0, actie::Printen, 0, actie::Afsluiten});
  menu(
      MenuBewerken, "B&ewerken",
      {actie::Rijder, actie::RijderToevoegen, actie::RijderVerwijderen, actie::VerwijderBM, 0,
       actie::Kopieer, actie::Plakken, 0, actie::SnelUitslagen, actie::UitslagKolommen,
       actie::UitslagenWissen, actie::DQ, 0, actie::InformatieUitslagen, actie::ControleUitslagen});
  menu(MenuBerekenen, "Be&rekenen",
       {actie::Eindstanden, actie::VerwijderEindstanden, actie::Dagklassement});
  menu(MenuZoeken, "&Zoeken/Sorteren",
       {actie::Snelzoeken, actie::UitgebreidZoeken, 0, actie::AllesSelecteren,
        actie::SelecteerOneven, actie::SelectieOmkeren, actie::SelectieOpheffen, 0,
        actie::Sorteren});
  menu(MenuInstellingen, "&Instellingen",
       {actie::ClubGegevens, actie::Weergave, 0, actie::Algemeen});
  menu(MenuHelp, "&Help", {actie::Help, actie::Informatie});

  connect(menus_[MenuBewerken], &QMenu::aboutToShow, this, &TCommando::BijBewerkenOpenen);
  connect(menus_[MenuBerekenen], &QMenu::aboutToShow, this, &TCommando::BijBerekenenOpenen);
}

void TCommando::BouwKnoppenbalk(QMainWindow& venster) {
  balk_ = new QToolBar(T("Knoppenbalk"), &venster);
  balk_->setObjectName(QStringLiteral("ActionToolBar1"));
  balk_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  balk_->setIconSize(QSize(24, 24));
  balk_->setMovable(false);
  balk_->setFloatable(false);
  balk_->toggleViewAction()->setEnabled(false);
  for (int nr : {actie::Nieuw, actie::Openen, actie::Bewaar, actie::Printen, 0, actie::Rijder,
                 actie::RijderToevoegen, actie::RijderVerwijderen, 0, actie::SnelUitslagen,
                 actie::InformatieUitslagen, actie::ControleUitslagen, 0, actie::Eindstanden,
                 actie::Dagklassement, 0, actie::Help}) {
    if (nr == 0)
      balk_->addSeparator();
    else
      balk_->addAction(Actie(nr));
  }
  venster.addToolBar(Qt::TopToolBarArea, balk_);
}

void TCommando::BouwContextmenu(QMainWindow& venster) {
  context_ = new QMenu(&venster);
  auto item = [&](const char* tekst, int nr) {
    QAction* a = context_->addAction(T(tekst));
    a->setData(nr);
    connect(a, &QAction::triggered, Actie(nr), &QAction::trigger);
    return a;
  };
  item("Rijder&gegevens...", actie::Rijder);
  item("&Rijder toevoegen..", actie::RijderToevoegen);
  item("Rijder &verwijderen...", actie::RijderVerwijderen);
  context_->addSeparator();
  item("&Snel uitslagen toevoegen...", actie::SnelUitslagen);
  item("&Informatie uitslagen...", actie::InformatieUitslagen);
  item("&Controle uitslagen...", actie::ControleUitslagen);
  context_->addAction(Actie(actie::DQ));
  context_->addSeparator();
  ctxEindstanden_ = item("&Eindstanden berekenen...", actie::Eindstanden);
  ctxDag_ = item("&Dagklassement...", actie::Dagklassement);
  context_->addSeparator();
  item("&Weergave instellen...", actie::Weergave);
  connect(context_, &QMenu::aboutToShow, this, &TCommando::BijContextOpenen);
}

void TCommando::BestandCommandos(bool aan) {
  menus_[MenuBewerken]->menuAction()->setVisible(aan);
  menus_[MenuZoeken]->menuAction()->setVisible(aan);
  for (int nr :
       {actie::Rijder, actie::KlasseToevoegen, actie::Bewaren, actie::BewaarAls, actie::Printen,
        actie::RijderToevoegen, actie::RijderVerwijderen, actie::SnelUitslagen})
    Zet(nr, aan);
}

void TCommando::UitslagCommandos(bool heeftUitslagen) {
  menus_[MenuBerekenen]->menuAction()->setVisible(heeftUitslagen);
  for (int nr : {actie::Uitvoer, actie::InformatieUitslagen, actie::ControleUitslagen,
                 actie::Eindstanden, actie::Dagklassement})
    Zet(nr, heeftUitslagen);
  ctxUitslagen_ = heeftUitslagen;
  ZetContext(ctxEindstanden_, actie::Eindstanden, heeftUitslagen);
  ZetContext(ctxDag_, actie::Dagklassement, heeftUitslagen);
}

void TCommando::ZetContext(QAction* a, int nr, bool aan) { a->setEnabled(aan && Beschikbaar(nr)); }

void TCommando::ZetBewaar(bool gewijzigd) { Zet(actie::Bewaar, gewijzigd); }

void TCommando::BijBewerkenOpenen() { Zet(actie::DQ, DQToegestaan(ctx_)); }

void TCommando::BijBerekenenOpenen() {
  ctx_.SluitBewerking();
  Zet(actie::VerwijderEindstanden, HeeftEindstanden(ctx_.Competitie()));
}

void TCommando::BijContextOpenen() {
  Zet(actie::DQ, DQToegestaan(ctx_));
  // The grid's items run the commands of the same name and follow their state.
  for (QAction* a : context_->actions()) {
    if (a->isSeparator() || a == Actie(actie::DQ)) continue;
    if (a == ctxEindstanden_ || a == ctxDag_)
      ZetContext(a, a->data().toInt(), ctxUitslagen_);
    else
      a->setEnabled(Actie(a->data().toInt())->isEnabled());
  }
}

}  // namespace kzo
