#include "ui/dialogs/club/clubdata.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "core/records/instellingen.h"
#include "core/records/punten.h"
#include "ui/dialogs/club/rekavan.h"
#include "ui/widgets/context.h"
#include "ui/widgets/gebruiker.h"
#include "ui/widgets/stringgrid.h"

namespace kzo {

namespace {

template <std::size_t N>
int Gekozen(const std::array<QRadioButton*, N>& knoppen) {
  for (std::size_t i = 0; i < N; ++i)
    if (knoppen[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

template <std::size_t N>
void Kies(const std::array<QRadioButton*, N>& knoppen, int i) {
  if (i >= 0 && i < static_cast<int>(N)) knoppen[static_cast<std::size_t>(i)]->setChecked(true);
}

template <std::size_t N>
QGroupBox* MaakGroep(const QString& titel, std::array<QRadioButton*, N>& knoppen,
                     const char* const (&teksten)[N]) {
  auto* g = new QGroupBox(titel);
  auto* l = new QVBoxLayout(g);
  for (std::size_t i = 0; i < N; ++i) {
    knoppen[i] = new QRadioButton(T(teksten[i]));
    l->addWidget(knoppen[i]);
  }
  return g;
}

QSpinBox* MaakSpin(int min, int max) {
  auto* s = new QSpinBox;
  s->setRange(min, max);
  return s;
}

// A label after a radio button that checks and focuses its button when clicked.
class TKlikLabel : public QLabel {
 public:
  TKlikLabel(const QString& tekst, QRadioButton* knop) : QLabel(tekst), knop_(knop) {}

 protected:
  void mouseReleaseEvent(QMouseEvent*) override {
    if (!knop_->isEnabled()) return;
    knop_->click();
    knop_->setFocus();
  }

 private:
  QRadioButton* knop_;
};

}  // namespace

TClubData::TClubData(TContext& ctx, QWidget* ouder)
    : TDialoog(T("Club gegevens"), Help, ouder),
      ctx_(ctx),
      comp_(ctx.Competitie()),
      gebruiker_(ctx.Gebruiker()) {
  PageControl1 = new QTabWidget;
  PageControl1->addTab(MaakKlassenPagina(), T("&Klasse indeling"));
  PageControl1->addTab(MaakRekenPagina(), T("&Rekenmethode"));
  PageControl1->addTab(MaakGemiddeldePagina(), T("&Gemiddelde"));
  PageControl1->addTab(MaakExtraPagina(), T("&Extra"));

  QDialogButtonBox* knoppen = MaakKnoppen();
  // Enter belongs to the name box and the points table; "&Ok" is clicked, never implied.
  OkKnop->setDefault(false);
  for (QPushButton* k : {OkKnop, HelpKnop, AnnuleerKnop}) k->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addWidget(knoppen);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TClubData::F1Context() const {
  static constexpr int kPagina[4] = {HelpKlassen, HelpRekenmethode, HelpGemiddelde, HelpExtra};
  return kPagina[std::clamp(PageControl1->currentIndex(), 0, 3)];
}

// ---- pages ----

QWidget* TClubData::MaakKlassenPagina() {
  auto* pagina = new QWidget;
  EditCN = new QLineEdit;
  EditCN->setMaxLength(30);
  auto* clubLabel = new QLabel(T("&Club naam :"));
  clubLabel->setBuddy(EditCN);

  auto* groep = new QGroupBox(T("Klasse indeling"));
  ListBox1 = new QListWidget;
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  EditKL = new QLineEdit;
  EditKL->setMaxLength(30);
  EditKL->installEventFilter(this);
  Button4 = new QPushButton(T("&Toevoegen"));
  Button5 = new QPushButton(T("&Verwijderen"));
  SpeedButton1 = new QToolButton;
  SpeedButton2 = new QToolButton;
  SpeedButton1->setArrowType(Qt::UpArrow);
  SpeedButton2->setArrowType(Qt::DownArrow);
  SpeedButton1->setToolTip(T("Verplaats klasse omhoog"));
  SpeedButton2->setToolTip(T("Verplaats klasse omlaag"));

  auto* pijlen = new QVBoxLayout;
  pijlen->addStretch();
  pijlen->addWidget(SpeedButton1);
  pijlen->addWidget(SpeedButton2);
  pijlen->addStretch();
  auto* g = new QGridLayout(groep);
  g->addWidget(ListBox1, 0, 0);
  g->addLayout(pijlen, 0, 1);
  g->addWidget(EditKL, 1, 0);
  auto* knoppen = new QHBoxLayout;
  knoppen->addWidget(Button4);
  knoppen->addWidget(Button5);
  knoppen->addStretch();
  g->addLayout(knoppen, 2, 0, 1, 2);

  auto* l = new QGridLayout(pagina);
  l->addWidget(clubLabel, 0, 0);
  l->addWidget(EditCN, 0, 1);
  l->addWidget(groep, 1, 0, 1, 2);

  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!kiezen_) KlasseKiezen();
  });
  // A click on the chosen line still takes a typed name.
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { KlasseKiezen(); });
  connect(EditKL, &QLineEdit::textEdited, this, [this] { klGewijzigd_ = true; });
  connect(Button4, &QPushButton::clicked, this, &TClubData::Toevoegen);
  connect(Button5, &QPushButton::clicked, this, &TClubData::Verwijderen);
  connect(SpeedButton1, &QToolButton::clicked, this, &TClubData::Omhoog);
  connect(SpeedButton2, &QToolButton::clicked, this, &TClubData::Omlaag);
  return pagina;
}

QWidget* TClubData::MaakRekenPagina() {
  auto* pagina = new QWidget;

  GroupPunten = new QGroupBox(T("Puntentelling"));
  MaakPuntenTabel();
  Label11 = new QLabel(T("Aftrek punten na plaats "));
  SpinEdit1 = MaakSpin(1, 10);
  Label11->setBuddy(SpinEdit1);
  CheckBox1 = new QCheckBox(T("Gefinisht = &minimaal 1 punt"));
  auto* pl = new QGridLayout(GroupPunten);
  pl->addWidget(StringGrid1, 0, 0, 1, 3);
  pl->addWidget(Label11, 1, 0);
  pl->addWidget(SpinEdit1, 1, 1);
  pl->addWidget(CheckBox1, 1, 2, Qt::AlignRight);
  pl->setColumnStretch(2, 1);

  static const char* const kOpslag[2] = {"&Finish volgorde", "&Punten toekenning"};
  RadioGroup4 = MaakGroep(T("Opslag methode uitslagen"), RadioGroup4Items, kOpslag);

  // Tie-break presets and the own sequence.
  auto* gelijk = new QGroupBox;
  RadioButton1 = new QRadioButton(T("De meeste &Beste uitslagen"));
  RadioButton2 = new QRadioButton(T("Ongebruikte &uitslagen erbij"));
  RadioButton5 = new QRadioButton(T("Aantal 1e, 2e en 3e plaatsen"));
  RadioButton6 = new QRadioButton;
  Button6 = new QPushButton(T("Geavanceerd..."));
  auto* gl = new QGridLayout(gelijk);
  gl->addWidget(RadioButton1, 0, 0);
  gl->addWidget(new TKlikLabel(T("bepaalt de uitslag"), RadioButton1), 0, 1);
  gl->addWidget(RadioButton2, 1, 0);
  gl->addWidget(new TKlikLabel(T("tellen totdat er verschil is."), RadioButton2), 1, 1);
  gl->addWidget(RadioButton5, 2, 0);
  gl->addWidget(new TKlikLabel(T("en de laatste uitslag"), RadioButton5), 2, 1);
  auto* eigen = new QHBoxLayout;
  eigen->addWidget(RadioButton6);
  eigen->addWidget(Button6);
  eigen->addStretch();
  gl->addLayout(eigen, 3, 0, 1, 2);
  gl->setColumnStretch(1, 1);

  // Net total: counting results or discards.
  auto* netto = new QGroupBox;
  RadioButton3 = new QRadioButton(T("Bereken &tellende uitslagen :"));
  SEproc = MaakSpin(0, 100);
  SEplm = MaakSpin(0, 500);
  procLabel_ = new QLabel(T("% &van ingevoerde uitslagen"));
  procLabel_->setBuddy(SEproc);
  plusLabel_ = new QLabel(T("+"));
  plmLabel_ = new QLabel(T("Uitslag(en)"));
  static const char* const kAfronding[2] = {"&Naar boven", "N&aar beneden"};
  RadioGroup1 = MaakGroep(T("Afronding procent berekening"), RadioGroup1Items, kAfronding);
  RadioButton4 = new QRadioButton(T("&Schrapresultaten :"));
  SEschrap = MaakSpin(0, 500);
  schrapLabel_ = new QLabel(T("Aantal te schrappen uitslagen"));
  CheckBox2 = new QCheckBox(T("Diskwalificatie (DQ) kan geschrapt worden"));
  CheckBox2->setToolTip(T("Uit = DQ telt altijd mee voor netto punten"));
  auto* nl = new QGridLayout(netto);
  nl->addWidget(RadioButton3, 0, 0, 1, 4);
  nl->addWidget(SEproc, 1, 0);
  nl->addWidget(procLabel_, 1, 1);
  nl->addWidget(plusLabel_, 1, 2);
  nl->addWidget(SEplm, 2, 0);
  nl->addWidget(plmLabel_, 2, 1);
  nl->addWidget(RadioGroup1, 1, 3, 2, 1);
  nl->addWidget(RadioButton4, 3, 0, 1, 4);
  nl->addWidget(SEschrap, 4, 0);
  nl->addWidget(schrapLabel_, 4, 1, 1, 3);
  nl->addWidget(CheckBox2, 5, 0, 1, 4);
  nl->setColumnStretch(3, 1);

  // Radio buttons in different boxes are exclusive per box already.
  auto* links = new QVBoxLayout;
  links->addWidget(GroupPunten);
  links->addWidget(RadioGroup4);
  links->addWidget(gelijk);
  links->addStretch();
  auto* l = new QHBoxLayout(pagina);
  l->addLayout(links);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(netto);
  rechts->addStretch();
  l->addLayout(rechts);

  const std::pair<QRadioButton*, int> kVoorkeur[] = {
      {RadioButton1, 0}, {RadioButton2, 1}, {RadioButton5, 2}, {RadioButton6, 3}};
  for (const auto& [knop, n] : kVoorkeur)
    connect(knop, &QRadioButton::clicked, this, [this, n = n] { RekMethodeGeklikt(n); });
  connect(Button6, &QPushButton::clicked, this, [this] {
    TRekAvan d(comp_.Club, gebruiker_, this);
    connect(&d, &TDialoog::Hulp, this, &TDialoog::Hulp);
    d.Open(gebruiker_);
  });
  connect(RadioButton3, &QRadioButton::toggled, this, [this] { NettoMethode(); });
  connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { AftrekGewijzigd(); });
  for (QRadioButton* k : RadioGroup4Items)
    connect(k, &QRadioButton::clicked, this, [this] { OpslagGeklikt(); });
  return pagina;
}

QWidget* TClubData::MaakGemiddeldePagina() {
  auto* pagina = new QWidget;
  static const char* const kGemiddelde[4] = {"&Uitslagen met meer dan nul punten",
                                             "Uitslagen &met nul of meer punten",
                                             "&Van de netto uitslag", "Alle uitslage&n"};
  auto* l = new QVBoxLayout(pagina);
  l->addWidget(MaakGroep(T("Bereken gemiddelde over"), RadioGroup2Items, kGemiddelde));
  l->addStretch();
  return pagina;
}

QWidget* TClubData::MaakExtraPagina() {
  auto* pagina = new QWidget;
  auto* namen = new QGroupBox(T("Naam extra velden rijdergegevens"));
  auto* nl = new QGridLayout(namen);
  const char* kLabels[3] = {"E&xtra veld 1 :", "Extra ve&ld 2 :", "Extra vel&d 3 :"};
  QLineEdit** velden[3] = {&Edit1, &Edit2, &Edit3};
  for (int i = 0; i < 3; ++i) {
    *velden[i] = new QLineEdit;
    (*velden[i])->setMaxLength(15);
    auto* label = new QLabel(T(kLabels[i]));
    label->setBuddy(*velden[i]);
    nl->addWidget(label, i, 0);
    nl->addWidget(*velden[i], i, 1);
  }
  static const char* const kStatus[6] = {"Geen gegevens &tonen", "N&aam van de rijder",
                                         "Het &startnummer",     "Extra veld &1",
                                         "Extra veld &2",        "Extra veld &3"};
  auto* l = new QHBoxLayout(pagina);
  auto* links = new QVBoxLayout;
  links->addWidget(namen);
  links->addStretch();
  l->addLayout(links);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(MaakGroep(T("Toon gegevens op statusregel"), RadioGroup3Items, kStatus));
  rechts->addStretch();
  l->addLayout(rechts);
  return pagina;
}

// ---- loading ----

bool TClubData::Finishvolgorde() const { return SlaatPlaatsenOp(comp_.Club); }

void TClubData::Laden() {
  TClubInfo& club = comp_.Club;
  std::memcpy(tempRek_.data(), club.MethRek, sizeof club.MethRek);
  tempWrn_ = club.RekWarn;

  EditCN->setText(Q(club.Clubnaam.Get()));
  {
    const QSignalBlocker stil(ListBox1);
    ListBox1->clear();
    int positie = 0;
    for (auto& k : comp_.Tabs) {
      if (!k) continue;
      k->indexnr = ++positie;
      auto* regel = new QListWidgetItem(Q(k->Naam()), ListBox1);
      regel->setData(Qt::UserRole, positie);
    }
  }

  const int n = std::min<int>(club.punttel[0], 10);
  for (int c = 1; c <= 10; ++c) {
    const int v = c <= n ? club.punttel[c] : 0;
    cellen_[static_cast<std::size_t>(c)] = v == 0 ? QString() : QString::number(v);
  }
  StringGrid1->InvalidateGrid();
  SpinEdit1->setValue(club.PuntAftrek);
  ZetLabel11();

  switch (club.RekMethode) {
    case 1:
      RadioButton2->setChecked(true);
      break;
    case 2:
      RadioButton5->setChecked(true);
      break;
    case 3:
      RadioButton6->setChecked(true);
      break;
    default:
      RadioButton1->setChecked(true);
      break;
  }
  Button6->setEnabled(RadioButton6->isChecked());
  SEschrap->setValue(club.Schrap);
  SEproc->setValue(club.RekPercentage);
  SEplm->setValue(club.RekPlus1);
  Kies(RadioGroup2Items, club.GemidOptie);
  Kies(RadioGroup1Items, club.RekOptie & RekAfrondenKeuze);
  if (Schrappen(club))
    RadioButton4->setChecked(true);
  else
    RadioButton3->setChecked(true);
  NettoMethode();
  Edit1->setText(Q(club.Veldnaam[0].Get()));
  Edit2->setText(Q(club.Veldnaam[1].Get()));
  Edit3->setText(Q(club.Veldnaam[2].Get()));
  Kies(RadioGroup3Items, StatusVeld(club));

  CheckBox2->setChecked(CheckBox2->isEnabled() && DQSchrapbaar(club));

  // Stored as finishing places: the group starts disabled; changing the deduction and
  // back switches it on.
  if (Finishvolgorde()) {
    RadioGroup4Items[0]->setChecked(true);
    RadioGroup4->setEnabled(false);
  } else {
    RadioGroup4Items[1]->setChecked(true);
    RadioGroup4->setEnabled(true);
  }
  CheckBox1->setEnabled(RadioGroup4Items[0]->isChecked());
  CheckBox1->setChecked(CheckBox1->isEnabled() && Minimaal1Punt(club));
  StringGrid1->setEnabled(true);
  SpinEdit1->setEnabled(true);
  GroupPunten->unsetCursor();

  curnr_ = -1;
  klGewijzigd_ = false;
  ZetKnoppenKlassen();
}

// ---- class list ----

void TClubData::ZetKnoppenKlassen() {
  const bool regel = !ListBox1->selectedItems().isEmpty();
  Button5->setEnabled(regel);
  SpeedButton1->setEnabled(regel);
  SpeedButton2->setEnabled(regel);
}

void TClubData::KiesRegel(int regel) {
  kiezen_ = true;
  ListBox1->clearSelection();
  if (regel >= 0 && regel < ListBox1->count()) {
    ListBox1->setCurrentRow(regel);
    ListBox1->item(regel)->setSelected(true);
  }
  kiezen_ = false;
  ZetKnoppenKlassen();
}

void TClubData::KlasseKiezen() {
  if (klGewijzigd_) {
    klGewijzigd_ = false;
    if (curnr_ < 0)
      Toevoegen();
    else if (curnr_ < ListBox1->count() && !EditKL->text().isEmpty())
      ListBox1->item(curnr_)->setText(EditKL->text());
  }
  const auto gekozen = ListBox1->selectedItems();
  const int regel = gekozen.isEmpty() ? -1 : ListBox1->row(gekozen.front());
  if (regel != curnr_) {
    if (regel < 0) {
      EditKL->clear();
      curnr_ = -5;
    } else {
      EditKL->setText(gekozen.front()->text());
      curnr_ = regel;
    }
    EditKL->setFocus();
  }
  ZetKnoppenKlassen();
}

void TClubData::Toevoegen() {
  if (ListBox1->count() >= MaxKlassen || EditKL->text().isEmpty()) return;
  auto* regel = new QListWidgetItem(EditKL->text());
  regel->setData(Qt::UserRole, kNieuw);
  kiezen_ = true;
  ListBox1->addItem(regel);
  kiezen_ = false;
  EditKL->clear();
  klGewijzigd_ = false;
  curnr_ = -1;
  KiesRegel(-1);
}

void TClubData::Verwijderen() {
  if (curnr_ < 0 || curnr_ >= ListBox1->count()) return;
  kiezen_ = true;
  // A deleted class stays until "&Ok", which frees every class no line refers to.
  delete ListBox1->takeItem(curnr_);
  kiezen_ = false;
  if (curnr_ >= ListBox1->count()) curnr_ = ListBox1->count() - 1;
  klGewijzigd_ = false;
  if (curnr_ >= 0) {
    EditKL->setText(ListBox1->item(curnr_)->text());
    KiesRegel(curnr_);
  } else {
    EditKL->clear();
    KiesRegel(-1);
  }
}

void TClubData::Omhoog() {
  const auto gekozen = ListBox1->selectedItems();
  if (gekozen.isEmpty()) return;
  const int regel = ListBox1->row(gekozen.front());
  if (regel <= 0) return;
  kiezen_ = true;
  QListWidgetItem* item = ListBox1->takeItem(regel);
  ListBox1->insertItem(regel - 1, item);
  kiezen_ = false;
  curnr_ = regel - 1;
  KiesRegel(regel - 1);
}

void TClubData::Omlaag() {
  const auto gekozen = ListBox1->selectedItems();
  if (gekozen.isEmpty()) return;
  const int regel = ListBox1->row(gekozen.front());
  if (regel >= ListBox1->count() - 1) return;
  kiezen_ = true;
  QListWidgetItem* item = ListBox1->takeItem(regel);
  ListBox1->insertItem(regel + 1, item);
  kiezen_ = false;
  curnr_ = regel + 1;
  KiesRegel(regel + 1);
}

// ---- calculation page ----

void TClubData::RekMethodeGeklikt(int voorkeur) {
  Button6->setEnabled(RadioButton6->isChecked());
  MethodeVoorkeur(comp_.Club, voorkeur);
}

void TClubData::NettoMethode() {
  const bool tellend = RadioButton3->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{SEproc, SEplm, RadioGroup1})
    w->setEnabled(tellend);
  SEschrap->setEnabled(!tellend);
  for (QLabel* l : {procLabel_, plusLabel_, plmLabel_}) l->setEnabled(tellend);
  schrapLabel_->setEnabled(!tellend);
  CheckBox2->setEnabled(tellend ? SEproc->value() < 100 : SEschrap->value() > 0);
}

void TClubData::OpslagGeklikt() {
  const bool anders = RadioGroup4Items[0]->isChecked() != Finishvolgorde();
  // The points table and the storage method are never changed in one visit.
  StringGrid1->setEnabled(!anders);
  SpinEdit1->setEnabled(!anders);
  if (anders)
    GroupPunten->setCursor(Qt::ForbiddenCursor);
  else
    GroupPunten->unsetCursor();
}

void TClubData::AftrekGewijzigd() {
  RadioGroup4->setEnabled(SpinEdit1->value() == comp_.Club.PuntAftrek);
}

// ---- closing ----

void TClubData::Annuleren() {
  std::memcpy(comp_.Club.MethRek, tempRek_.data(), sizeof comp_.Club.MethRek);
  comp_.Club.RekWarn = tempWrn_;
}

bool TClubData::Toepassen() {
  // A points cell still being edited counts as typed; a refused value keeps the dialog open.
  if (CelOpen() && !CelKlaar()) return false;
  if (ListBox1->count() == 0) return true;
  TClubInfo& club = comp_.Club;
  club.Clubnaam.Set(S(EditCN->text().left(30)));

  ctx_.LaatKlassenLos();
  // Classes by their opening position; deleted ones are freed with the old list.
  std::vector<std::unique_ptr<TKlasse>> oud = std::move(comp_.Tabs);
  comp_.Tabs.clear();
  auto zoek = [&](int positie) -> std::unique_ptr<TKlasse> {
    for (auto& k : oud)
      if (k && k->indexnr == positie) return std::move(k);
    return nullptr;
  };
  for (int i = 0; i < ListBox1->count(); ++i) {
    const QListWidgetItem* regel = ListBox1->item(i);
    const std::string naam = S(regel->text().left(30));
    std::unique_ptr<TKlasse> k;
    const int positie = regel->data(Qt::UserRole).toInt();
    if (positie != kNieuw) k = zoek(positie);
    if (!k) {
      k = std::make_unique<TKlasse>(naam, club);
      k->SetupSG(club);
      k->SG.SetRowCount(2);
      k->SG.Rij(1).positie = std::to_string(1);
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = comp_.NieuwID();
      k->SG.Rij(1).rijder = std::move(rd);
    }
    k->InfoKlasse.Naam.Set(naam);
    comp_.Tabs.push_back(std::move(k));
  }
  oud.clear();
  comp_.ActieveTab = 0;
  club.aantalklasse = static_cast<std::int32_t>(comp_.Tabs.size());

  // Points table: gaps close up; only what fits a byte is stored (entry refuses more).
  std::uint8_t n = 0;
  std::uint8_t tabel[11] = {};
  for (int c = 1; c <= 10; ++c) {
    bool ok = false;
    const int v = cellen_[static_cast<std::size_t>(c)].toInt(&ok);
    if (!ok || v <= 0 || v > MaxPlaatsPunten) continue;
    tabel[++n] = static_cast<std::uint8_t>(v);
  }
  tabel[0] = n;
  std::memcpy(club.punttel, tabel, sizeof tabel);

  const int aftrek = SpinEdit1->value();
  club.PuntAftrek = static_cast<std::uint16_t>(aftrek == 0 || aftrek > 10 ? 1 : aftrek);
  club.RekMethode = RadioButton5->isChecked()   ? 2
                    : RadioButton2->isChecked() ? 1
                    : RadioButton6->isChecked() ? 3
                                                : 0;
  auto binnen = [](int v, int max) { return v < 0 || v > max ? 0 : v; };
  club.Schrap = binnen(SEschrap->value(), 20);
  club.RekPercentage = binnen(SEproc->value(), 100);
  club.RekPlus1 = binnen(SEplm->value(), 20);
  club.GemidOptie = std::max(0, Gekozen(RadioGroup2Items));
  std::int32_t rekOptie = std::max(0, Gekozen(RadioGroup1Items));
  if (RadioButton4->isChecked()) rekOptie |= RekSchrappen;
  if (CheckBox1->isChecked()) rekOptie |= RekMinimaal1Punt;
  if (CheckBox2->isEnabled() && CheckBox2->isChecked()) rekOptie |= RekDQSchrapbaar;
  club.RekOptie = rekOptie;
  club.Veldnaam[0].Set(S(Edit1->text().left(15)));
  club.Veldnaam[1].Set(S(Edit2->text().left(15)));
  club.Veldnaam[2].Set(S(Edit3->text().left(15)));

  const bool naarPlaatsen = RadioGroup4Items[0]->isChecked();
  if (naarPlaatsen != Finishvolgorde() &&
      gebruiker_.Vraag(T("Opslag methode van de uitslagen wijzigen ?"),
                       IGebruiker::Knoppen::JaNee) == IGebruiker::Antwoord::Ja)
    ZetOpslagMethode(comp_, naarPlaatsen);

  club.AlgOptie = (club.AlgOptie & ~AlgStatusVeld) | std::max(0, Gekozen(RadioGroup3Items));
  comp_.MarkeerGewijzigd(GewijzigdClub);
  return true;
}

}  // namespace kzo
