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
#include "ui/main/commando/algemeencommando.h"
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
#include "ui/widgets/gebruiker.h"

namespace kzo {

namespace {
const QString kTitel = QStringLiteral("Kzobaan");
}

TMainForm::TMainForm(IGebruiker& gebruiker, IInstellingenOpslag& instellingen,
                     IBestandsOpslag& bestanden, const TKlok& klok, QWidget* ouder)
    : QMainWindow(ouder), ctx_(new TContext(gebruiker, instellingen, bestanden, klok, this)) {
  setWindowTitle(kTitel);
  ctx_->ZetVenster(this);

  auto* midden = new QWidget(this);
  auto* laag = new QVBoxLayout(midden);
  laag->setContentsMargins(0, 0, 0, 0);
  laag->setSpacing(0);
  grid_ = new TKlasseGrid(*ctx_, midden);
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

  commando_ = new TCommando(*this, *ctx_);
  grid_->ZetDQActie(commando_->Actie(actie::DQ));
  MaakCommandos();
  Luister();

  // Creation: no competition, defaults, EindOptie 87, placement from the settings.
  ctx_->Competitie().StandaardInstellingen(DatumNu(ctx_->Klok()));
  BouwTabs();
  BestandCommandos(false);
  ToonInvoerwijze();
  resize(628, 442);
  PlaatsVenster();
}

TMainForm::~TMainForm() = default;

// Every command with its handler; a command not registered here stays disabled.
void TMainForm::MaakCommandos() {
  TCommando& c = *commando_;
  bestand_ = new TBestandCommando(*ctx_, this);
  bestand_->Registreer(c);
  (new TClubCommando(*ctx_, *bestand_, this))->Registreer(c);
  rijder_ = new TRijderCommando(*ctx_, *grid_, this);
  rijder_->Registreer(c);
  (new TUitvoerCommando(*ctx_, this))->Registreer(c);
  (new TEindstandCommando(*ctx_, this))->Registreer(c);
  (new TAlgemeenCommando(*ctx_, c, this))->Registreer(c);
  c.Registreer(actie::Afsluiten, this, [this] { close(); });
  c.Registreer(actie::AllesSelecteren, this, [this] { Selectie(&TKlasseGrid::AllesSelecteren); });
  c.Registreer(actie::SelecteerOneven, this, [this] { Selectie(&TKlasseGrid::SelecteerOneven); });
  c.Registreer(actie::SelectieOmkeren, this, [this] { Selectie(&TKlasseGrid::SelectieOmkeren); });
  c.Registreer(actie::SelectieOpheffen, this, [this] { Selectie(&TKlasseGrid::SelectieOpheffen); });
}

// What the context says changed, and what the grid says was chosen.
void TMainForm::Luister() {
  TContext& c = *ctx_;
  connect(&c, &TContext::CompetitieVervangen, this, &TMainForm::ToonCompetitie);
  connect(&c, &TContext::KlasseGekozen, this, &TMainForm::KiesKlasse);
  connect(&c, &TContext::WijzigingGemeld, this, &TMainForm::WerkGewijzigdBij);
  connect(&c, &TContext::EindstandenVerwijderd, this, &TMainForm::NaEindstandenWeg);
  connect(&c, &TContext::HulpGevraagd, this, &TMainForm::Hulp);
  connect(&c, &TContext::BerichtOntvangen, this, &TMainForm::Bericht);
  connect(&c, &TContext::GridFocusGevraagd, this, [this] {
    activateWindow();
    grid_->Grid()->setFocus(Qt::OtherFocusReason);
  });

  connect(tabs_, &QTabBar::currentChanged, this, [this] { TabControl1Change(); });
  connect(grid_, &TKlasseGrid::CelGekozen, this, &TMainForm::CelGekozen);
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
  if (!VensterBewaren(ctx_->Instellingen())) return;
  TVenster v;
  if (!LeesVenster(ctx_->Instellingen(), v)) return;
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
    SchrijfVenster(ctx_->Instellingen(), VensterVan(r, staat));
  } catch (const std::exception& fout) {
    ctx_->Gebruiker().Fout(Q(fout.what()));
  }
}

void TMainForm::ZetOpstart(const QString& commandoRegel, const QStringList& parameters) {
  autoOpstart_ = true;
  opstartRegel_ = commandoRegel;
  opstartParameters_ = parameters;
}

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (autoOpstart_ && ctx_->StartStempel() == 0) {
    autoOpstart_ = false;
    // After the first paint, so that prompts appear over a drawn window.
    QTimer::singleShot(0, this, [this] { Opstarten(opstartRegel_, opstartParameters_); });
  }
}

void TMainForm::Opstarten(const QString& commandoRegel, const QStringList& parameters) {
  if (ctx_->StartStempel() != 0) return;
  const std::int32_t stempel = DatumNu(ctx_->Klok());
  ctx_->ZetStartStempel(stempel != 0 ? stempel : 1);  // zero means "not started"
  IInstellingenOpslag& inst = ctx_->Instellingen();
  ctx_->ZetBeginMap(Q(LeesTekst2(inst, kKzoWork)));
  commando_->Knoppenbalk()->setVisible(KnoppenbalkZichtbaar(inst));

  const QString naam = CommandoRegelBestand(commandoRegel, parameters);
  if (!naam.isEmpty() && ctx_->Bestanden().Bestaat(S(naam))) {
    bestand_->Laden(naam);
    return;
  }
  if (!naam.isEmpty()) ctx_->Gebruiker().Melding(4);
  switch (StartActie(inst)) {
    case 1:
      bestand_->Openen();
      break;
    case 2:
      bestand_->Laden(Q(LaatsteBestand(inst)));
      break;
    default:
      break;
  }
}

void TMainForm::closeEvent(QCloseEvent* e) {
  ctx_->SluitBewerking();
  if (!bestand_->VraagBewaren()) {
    e->ignore();
    return;
  }
  BewaarPlaatsing();
  bestand_->Sluiten();
  e->accept();
}

// ---- classes and tabs ----

void TMainForm::BouwTabs() {
  const TCompetitie& comp = ctx_->Competitie();
  const QSignalBlocker stil(tabs_);
  while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
  for (int t = 0; t < static_cast<int>(comp.Tabs.size()); ++t) tabs_->addTab(Q(comp.TabTekst(t)));
  tabs_->setCurrentIndex(std::clamp(comp.ActieveTab, 0, tabs_->count() - 1));
}

void TMainForm::ToonCompetitie() {
  TCompetitie& comp = ctx_->Competitie();
  if (comp.Tabs.empty()) comp.Tabs.emplace_back();
  BouwTabs();
  BestandCommandos(comp.AantalKlassen() > 0);
  TabControl1Change();
  WerkGewijzigdBij();
}

void TMainForm::KiesKlasse(int tab) {
  {
    const QSignalBlocker stil(tabs_);
    tabs_->setCurrentIndex(tab);
  }
  TabControl1Change();
}

void TMainForm::TabControl1Change() {
  TCompetitie& comp = ctx_->Competitie();
  const int tab = tabs_->currentIndex();
  TKlasse* k = tab >= 0 && tab < static_cast<int>(comp.Tabs.size())
                   ? comp.Tabs[static_cast<std::size_t>(tab)].get()
                   : nullptr;
  if (k) {
    rijder_->SafeTekst();
    ctx_->SluitBewerking(true);
    comp.ActieveTab = tab;
    grid_->ToonKlasse(k);
    ZetTitel();
    UitslagCommandos();
    grid_->Grid()->setFocus();
    StatusHuidigeCel();
  } else if (!comp.AantalKlassen()) {
    comp.ActieveTab = 0;
    grid_->ToonKlasse(nullptr);
    ZetTitel();
    UitslagCommandos();
  }
  ToonInvoerwijze();
}

void TMainForm::ZetTitel() {
  const TKlasse* k = grid_->Klasse();
  setWindowTitle(k ? VensterTitel(ctx_->Competitie().Club.Clubnaam.Get(), k->Naam()) : kTitel);
}

// ---- standings ----

// ---- standings ----

void TMainForm::NaEindstandenWeg() {
  if (!grid_->Klasse()) return;
  grid_->Vernieuw();
  StatusHuidigeCel();
}

// ---- commands' state and status bar ----

void TMainForm::BestandCommandos(bool aan) {
  commando_->BestandCommandos(aan);
  helpContext_ = aan ? 10 : 1;
  UitslagCommandos();
}

void TMainForm::UitslagCommandos() {
  const TKlasse* k = ctx_->Competitie().Actief();
  commando_->UitslagCommandos(k && k->NR_Uit() > 0);
}

void TMainForm::WerkGewijzigdBij() { commando_->ZetBewaar(ctx_->Competitie().IsGewijzigd()); }

void TMainForm::ToonInvoerwijze() {
  panelen_[0]->setText(InvoerwijzeTekst(ctx_->Competitie().Club));
}

void TMainForm::CelGekozen(int col, int row) {
  const TKlasse* k = grid_->Klasse();
  panelen_[2]->clear();
  if (!k) return;
  const TClubInfo& club = ctx_->Competitie().Club;
  if (auto t = RijderPaneelTekst(*k, row, club)) panelen_[1]->setText(*t);
  panelen_[2]->setText(KolomPaneelTekst(*k, col, row, club));
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
  if (stempel == 0 || stempel != ctx_->StartStempel()) return;
  if (soort == 1) TabControl1Change();
  // 2: the synchronisation of result information, with its dialog.
}

// ---- commands ----

void TMainForm::Selectie(void (TKlasseGrid::*opdracht)()) {
  if (!grid_->Klasse()) return;
  ctx_->SluitBewerking();
  (grid_->*opdracht)();
  StatusHuidigeCel();
}

void TMainForm::Hulp(int context) {
  ToonHulp(context, Q(ProgrammaMap(ctx_->Instellingen())), ctx_->Gebruiker());
}

}  // namespace kzo
