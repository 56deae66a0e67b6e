#include "ui/main/venster/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "core/file/bestand.h"
#include "core/file/gebruikersinstellingen.h"
#include "ui/dialogs/algemeen/overkzo.h"
#include "ui/dialogs/algemeen/setextra.h"
#include "ui/main/commando/bestandcommando.h"
#include "ui/main/commando/clubcommando.h"
#include "ui/main/commando/commando.h"
#include "ui/main/commando/eindstandcommando.h"
#include "ui/main/commando/rijdercommando.h"
#include "ui/main/commando/uitvoercommando.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/hulp.h"
#include "ui/main/venster/opstart.h"
#include "ui/main/venster/status.h"

namespace kzo {

namespace {
const QString kTitel = QStringLiteral("Kzobaan");
}

TMainForm::TMainForm(IGebruiker& gebruiker, IInstellingenOpslag& instellingen,
                     IBestandsOpslag& bestanden, const TKlok& klok, QWidget* ouder)
    : QMainWindow(ouder),
      gebruiker_(gebruiker),
      instellingen_(instellingen),
      bestanden_(bestanden),
      klok_(klok),
      bestand_(std::make_unique<TBestandCommando>(*this)) {
  setWindowTitle(kTitel);

  auto* midden = new QWidget(this);
  auto* laag = new QVBoxLayout(midden);
  laag->setContentsMargins(0, 0, 0, 0);
  laag->setSpacing(0);
  grid_ = new TKlasseGrid(comp_, gebruiker_, midden);
  const QString decimaal = QLocale().decimalPoint();
  grid_->ZetDecimaal(decimaal.isEmpty() ? ',' : decimaal.at(0).toLatin1());
  tabs_ = new QTabBar(midden);
  tabs_->setObjectName(QStringLiteral("TabControl1"));
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setExpanding(false);
  tabs_->setDocumentMode(true);
  tabs_->setUsesScrollButtons(true);
  laag->addWidget(grid_, 1);
  laag->addWidget(tabs_, 0, Qt::AlignLeft);
  setCentralWidget(midden);

  const int breedte[3] = {90, 200, 200};
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(this);
    l->setAlignment(Qt::AlignCenter);
    // The last panel may grow: a net-method text is often longer than its width.
    if (i < 2)
      l->setFixedWidth(breedte[i]);
    else
      l->setMinimumWidth(breedte[i]);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    statusBar()->addWidget(l, i < 2 ? 0 : 1);
    panelen_[static_cast<std::size_t>(i)] = l;
  }

  commando_ = new TCommando(*this);
  grid_->ZetDQActie(commando_->Actie(actie::DQ));
  VerbindCommandos();
  rijder_ = std::make_unique<TRijderCommando>(*this);
  uitvoer_ = std::make_unique<TUitvoerCommando>(*this);
  club_ = std::make_unique<TClubCommando>(*this);

  // Creation: no competition, defaults, EindOptie 87, placement from the settings.
  comp_.StandaardInstellingen(DatumNu(klok_));
  EindOptie = 87;
  grid_->ZetEindOptie(EindOptie);
  BouwTabs();
  BestandCommandos(false);
  ToonInvoerwijze();
  resize(628, 442);
  PlaatsVenster();
}

TMainForm::~TMainForm() = default;

void TMainForm::VerbindCommandos() {
  auto bij = [this](int nr, auto functie) {
    connect(commando_->Actie(nr), &QAction::triggered, this, functie);
  };
  bij(actie::Nieuw, [this] { club_->Nieuw(); });
  bij(actie::ClubGegevens, [this] { club_->ClubGegevens(); });
  bij(actie::Openen, [this] { bestand_->Openen(); });
  bij(actie::Bewaren, [this] { bestand_->Bewaren(); });
  bij(actie::Bewaar, [this] { bestand_->Bewaren(); });
  bij(actie::BewaarAls, [this] {
    SluitBewerking();
    VerwijderEindstanden();
    bestand_->BewaarAls();
  });
  bij(actie::Afsluiten, [this] { close(); });
  bij(actie::Uitvoer, [this] { uitvoer_->Uitvoeren(); });
  bij(actie::VerwijderEindstanden, [this] { VerwijderEindstanden(); });
  auto* eindstand = new TEindstandCommando(*this);
  bij(actie::Eindstanden, [eindstand] { eindstand->Eindstanden(); });
  bij(actie::AllesSelecteren, [this] { Selectie(&TKlasseGrid::AllesSelecteren); });
  bij(actie::SelecteerOneven, [this] { Selectie(&TKlasseGrid::SelecteerOneven); });
  bij(actie::SelectieOmkeren, [this] { Selectie(&TKlasseGrid::SelectieOmkeren); });
  bij(actie::SelectieOpheffen, [this] { Selectie(&TKlasseGrid::SelectieOpheffen); });
  bij(actie::Algemeen, [this] { Algemeen(); });
  bij(actie::Help, [this] { Hulp(grid_->Klasse() ? 10 : 1); });
  bij(actie::Informatie, [this] { Informatie(); });

  commando_->DQRegel = [this] { return grid_->DQToegestaan(); };
  commando_->EindstandRegel = [this] {
    SluitBewerking();
    return HeeftEindstanden();
  };

  connect(tabs_, &QTabBar::currentChanged, this, [this] { TabControl1Change(); });
  connect(grid_, &TKlasseGrid::CelGekozen, this, &TMainForm::CelGekozen);
  connect(grid_, &TKlasseGrid::Gewijzigd, this, &TMainForm::WerkGewijzigdBij);
  // The DQ letters and the DQ command wait for the disqualification dialog.
  connect(grid_, &TKlasseGrid::DQGevraagd, this, [](int) {});

  TStringGrid* sg = grid_->Grid();
  sg->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(sg, &QWidget::customContextMenuRequested, this,
          [this, sg](const QPoint& pos) { commando_->Contextmenu()->popup(sg->mapToGlobal(pos)); });
  // The save button follows the modified flag, re-read whenever the grid is drawn.
  sg->viewport()->installEventFilter(this);

  // F1: the window's own help context.
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { Hulp(helpContext_); });
}

// ---- start-up and closing ----

void TMainForm::PlaatsVenster() {
  if (!VensterBewaren(instellingen_)) return;
  TVenster v;
  if (!LeesVenster(instellingen_, v)) return;
  const QScreen* scherm = QGuiApplication::primaryScreen();
  const TPlaatsing p = BepaalPlaatsing(v, scherm ? scherm->geometry().size() : QSize(800, 600));
  if (p.soort == TPlaatsing::Maximaliseren) {
    setWindowState(Qt::WindowMaximized);
  } else if (p.soort == TPlaatsing::Normaal) {
    setWindowState(Qt::WindowNoState);
    resize(p.rect.size());
    move(p.rect.topLeft());
  }
}

void TMainForm::BewaarPlaatsing() {
  if (isMinimized()) return;
  const int staat = isMaximized() ? 2 : 0;
  const QRect r = isMaximized() ? normalGeometry() : QRect(pos(), size());
  try {
    SchrijfVenster(instellingen_, VensterVan(r, staat));
  } catch (const std::exception& fout) {
    gebruiker_.Fout(Q(fout.what()));
  }
}

void TMainForm::ZetOpstart(const QString& commandoRegel, const QStringList& parameters) {
  autoOpstart_ = true;
  opstartRegel_ = commandoRegel;
  opstartParameters_ = parameters;
}

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (autoOpstart_ && startStempel_ == 0) {
    autoOpstart_ = false;
    // After the first paint, so that prompts appear over a drawn window.
    QTimer::singleShot(0, this, [this] { Opstarten(opstartRegel_, opstartParameters_); });
  }
}

void TMainForm::Opstarten(const QString& commandoRegel, const QStringList& parameters) {
  if (startStempel_ != 0) return;
  startStempel_ = DatumNu(klok_);
  if (startStempel_ == 0) startStempel_ = 1;  // zero means "not started"
  BeginMap = Q(LeesTekst2(instellingen_, kKzoWork));
  commando_->Knoppenbalk()->setVisible(KnoppenbalkZichtbaar(instellingen_));

  const QString naam = CommandoRegelBestand(commandoRegel, parameters);
  if (!naam.isEmpty() && bestanden_.Bestaat(S(naam))) {
    bestand_->Laden(naam);
    return;
  }
  if (!naam.isEmpty()) gebruiker_.Melding(4);
  switch (StartActie(instellingen_)) {
    case 1:
      bestand_->Openen();
      break;
    case 2:
      bestand_->Laden(Q(LaatsteBestand(instellingen_)));
      break;
    default:
      break;
  }
}

void TMainForm::closeEvent(QCloseEvent* e) {
  SluitBewerking();
  if (!VraagBewaren()) {
    e->ignore();
    return;
  }
  BewaarPlaatsing();
  Sluiten();
  e->accept();
}

bool TMainForm::VraagBewaren() {
  if (!comp_.IsGewijzigd()) return true;
  switch (gebruiker_.Vraag(QStringLiteral("Gegevens zijn nog niet bewaard, Bewaren ?"),
                           IGebruiker::Knoppen::JaNeeAnnuleren)) {
    case IGebruiker::Antwoord::Ja:
      // Only a save that really happened lets the competition go.
      bestand_->Bewaren();
      return !comp_.IsGewijzigd();
    case IGebruiker::Antwoord::Nee:
      return true;
    default:
      return false;
  }
}

void TMainForm::Sluiten() {
  DialoogVoorbereiden();
  SluitBewerking(true);
  BestandSluiten(comp_);
  ToonCompetitie();
}

// ---- classes and tabs ----

void TMainForm::BouwTabs() {
  const QSignalBlocker stil(tabs_);
  while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
  for (int t = 0; t < static_cast<int>(comp_.Tabs.size()); ++t) tabs_->addTab(Q(comp_.TabTekst(t)));
  tabs_->setCurrentIndex(std::clamp(comp_.ActieveTab, 0, tabs_->count() - 1));
}

void TMainForm::ToonCompetitie() {
  if (comp_.Tabs.empty()) comp_.Tabs.emplace_back();
  BouwTabs();
  BestandCommandos(comp_.AantalKlassen() > 0);
  TabControl1Change();
  WerkGewijzigdBij();
}

void TMainForm::KiesTab(int tab) {
  const QSignalBlocker stil(tabs_);
  tabs_->setCurrentIndex(tab);
}

void TMainForm::TabControl1Change() {
  const int tab = tabs_->currentIndex();
  TKlasse* k = tab >= 0 && tab < static_cast<int>(comp_.Tabs.size())
                   ? comp_.Tabs[static_cast<std::size_t>(tab)].get()
                   : nullptr;
  if (k) {
    if (rijder_) rijder_->SafeTekst();
    SluitBewerking(true);
    comp_.ActieveTab = tab;
    grid_->ToonKlasse(k);
    ZetTitel();
    UitslagCommandos();
    grid_->Grid()->setFocus();
    StatusHuidigeCel();
  } else if (!comp_.AantalKlassen()) {
    comp_.ActieveTab = 0;
    grid_->ToonKlasse(nullptr);
    ZetTitel();
    UitslagCommandos();
  }
  ToonInvoerwijze();
}

void TMainForm::ZetTitel() {
  const TKlasse* k = grid_->Klasse();
  setWindowTitle(k ? VensterTitel(comp_.Club.Clubnaam.Get(), k->Naam()) : kTitel);
}

void TMainForm::SluitBewerking(bool doorTabwissel) {
  if (grid_->Bewerkt()) grid_->SluitBewerking(doorTabwissel);
}

// ---- standings ----

void TMainForm::VerwijderEindstand(int tab) {
  if (tab < 0 || tab >= static_cast<int>(comp_.Tabs.size())) return;
  TKlasse* k = comp_.Tabs[static_cast<std::size_t>(tab)].get();
  if (!k) return;
  try {
    kzo::VerwijderEindstand(*k);
  } catch (const std::exception&) {
    // A class that cannot be put back stays as it is; the others still are.
  }
}

void TMainForm::VerwijderEindstanden() {
  bool weg = false;
  for (int t = 0; t < static_cast<int>(comp_.Tabs.size()); ++t) {
    const TKlasse* k = comp_.Tabs[static_cast<std::size_t>(t)].get();
    weg = weg || (k && k->BN != 0);
    VerwijderEindstand(t);
  }
  if (weg && grid_->Klasse()) {
    grid_->Vernieuw();
    StatusHuidigeCel();
  }
}

bool TMainForm::HeeftEindstanden() const {
  for (const auto& k : comp_.Tabs)
    if (k && k->BN != 0) return true;
  return false;
}

void TMainForm::DialoogVoorbereiden() {
  VerwijderEindstanden();
  if (rijder_) rijder_->Sluiten();
  // The quick search window closes here once it exists.
}

// ---- commands' state and status bar ----

void TMainForm::BestandCommandos(bool aan) {
  commando_->BestandCommandos(aan);
  helpContext_ = aan ? 10 : 1;
  UitslagCommandos();
}

void TMainForm::UitslagCommandos() {
  TKlasse* k = comp_.Actief();
  commando_->UitslagCommandos(k && k->NR_Uit() > 0);
}

void TMainForm::WerkGewijzigdBij() { commando_->ZetBewaar(comp_.IsGewijzigd()); }

void TMainForm::ToonInvoerwijze() { panelen_[0]->setText(InvoerwijzeTekst(comp_.Club)); }

void TMainForm::CelGekozen(int col, int row) {
  const TKlasse* k = grid_->Klasse();
  panelen_[2]->clear();
  if (!k) return;
  if (auto t = RijderPaneelTekst(*k, row, comp_.Club)) panelen_[1]->setText(*t);
  panelen_[2]->setText(KolomPaneelTekst(*k, col, row, comp_.Club));
}

void TMainForm::StatusHuidigeCel() {
  if (grid_->Klasse()) CelGekozen(grid_->Grid()->Col(), grid_->Grid()->Row());
}

QString TMainForm::Paneel(int i) const { return panelen_[static_cast<std::size_t>(i)]->text(); }

bool TMainForm::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::Paint && o == grid_->Grid()->viewport()) WerkGewijzigdBij();
  return QMainWindow::eventFilter(o, e);
}

void TMainForm::Bericht(int soort, std::int32_t stempel) {
  if (stempel == 0 || stempel != startStempel_) return;
  if (soort == 1) TabControl1Change();
  // 2: the synchronisation of result information, with its dialog.
}

// ---- commands ----

void TMainForm::Selectie(void (TKlasseGrid::*opdracht)()) {
  if (!grid_->Klasse()) return;
  SluitBewerking();
  (grid_->*opdracht)();
  StatusHuidigeCel();
}

void TMainForm::Algemeen() {
  TSetExtra::Open(
      instellingen_, gebruiker_, [this](int c) { Hulp(c); }, this);
  commando_->Knoppenbalk()->setVisible(KnoppenbalkZichtbaar(instellingen_));
}

void TMainForm::Informatie() {
  ToverKzo::Open(
      comp_, comp_.AantalKlassen(), AantalRijders(comp_), [this](int c) { Hulp(c); }, this);
}

void TMainForm::Hulp(int context) {
  ToonHulp(context, Q(ProgrammaMap(instellingen_)), gebruiker_, HulpOpenen);
}

}  // namespace kzo
