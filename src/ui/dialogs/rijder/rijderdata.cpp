#include "ui/dialogs/rijder/rijderdata.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/context.h"
#include "ui/widgets/tekst.h"

namespace kzo {

namespace {

enum class TPlaatje {
  Toevoegen,
  Verwijderen,
  Eerste,
  Vorige,
  Volgende,
  Laatste,
  SlotDicht,
  SlotOpen,
  Help
};

// The tool bar's pictures, drawn here so the window needs no image files.
QIcon Plaatje(TPlaatje soort) {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(32.0 / 16.0, 32.0 / 16.0);
  const QColor lijn(60, 60, 70), blauw(45, 110, 200);
  auto driehoek = [&](qreal x, bool links) {
    QPainterPath pad;
    pad.moveTo(links ? x + 5 : x, 3);
    pad.lineTo(links ? x : x + 5, 8);
    pad.lineTo(links ? x + 5 : x, 13);
    pad.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(blauw);
    p.drawPath(pad);
  };
  auto persoon = [&] {
    p.setPen(QPen(lijn, 0.8));
    p.setBrush(QColor(235, 200, 150));
    p.drawEllipse(QRectF(3, 2, 5, 5));
    p.setBrush(QColor(90, 120, 170));
    p.drawRoundedRect(QRectF(1.5, 8, 8, 6), 2, 2);
  };
  auto slot = [&](bool dicht) {
    p.setPen(QPen(lijn, 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath beugel;
    beugel.moveTo(5, 8);
    beugel.lineTo(5, 5);
    beugel.arcTo(QRectF(5, 2, 6, 6), 180, -180);
    beugel.lineTo(11, dicht ? 8 : 5.5);
    if (!dicht) beugel.translate(3, -1.5);
    p.drawPath(beugel);
    p.setPen(QPen(lijn, 0.8));
    p.setBrush(QColor(235, 180, 40));
    p.drawRoundedRect(QRectF(3, 8, 10, 7), 1, 1);
  };
  switch (soort) {
    case TPlaatje::Toevoegen:
    case TPlaatje::Verwijderen: {
      persoon();
      p.setPen(QPen(soort == TPlaatje::Toevoegen ? QColor(40, 150, 60) : QColor(205, 45, 40), 2));
      p.drawLine(QPointF(10, 5), QPointF(15, 5));
      if (soort == TPlaatje::Toevoegen) p.drawLine(QPointF(12.5, 2.5), QPointF(12.5, 7.5));
      break;
    }
    case TPlaatje::Eerste:
      p.fillRect(QRectF(3, 3, 1.6, 10), blauw);
      driehoek(6, true);
      break;
    case TPlaatje::Vorige:
      driehoek(5, true);
      break;
    case TPlaatje::Volgende:
      driehoek(6, false);
      break;
    case TPlaatje::Laatste:
      driehoek(5, false);
      p.fillRect(QRectF(11.4, 3, 1.6, 10), blauw);
      break;
    case TPlaatje::SlotDicht:
      slot(true);
      break;
    case TPlaatje::SlotOpen:
      slot(false);
      break;
    case TPlaatje::Help: {
      p.setPen(Qt::NoPen);
      p.setBrush(blauw);
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      QFont f = p.font();
      f.setBold(true);
      f.setPixelSize(10);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
  }
  return QIcon(pm);
}

}  // namespace

TRijderData::TRijderData(TContext& ctx, QWidget* ouder)
    : QWidget(ouder, Qt::Window | Qt::WindowStaysOnTopHint), ctx_(ctx), comp_(ctx.Competitie()) {
  setWindowTitle(T("Rijdergegevens"));
  setObjectName(QStringLiteral("RijderData"));

  ToolBar1 = new QToolBar(this);
  ToolBar1->setIconSize(QSize(16, 16));
  auto knop = [this](const char* tekst, const char* hint, TPlaatje plaatje) {
    auto* b = new QToolButton(ToolBar1);
    b->setText(T(tekst));
    b->setToolTip(T(hint));
    b->setIcon(Plaatje(plaatje));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addWidget(b);
    return b;
  };
  ToevoegKnop = knop("Rijder toevoegen", "Een rijder toevoegen", TPlaatje::Toevoegen);
  VerwijderKnop = knop("Rijder verwijderen", "Rijder verwijderen", TPlaatje::Verwijderen);
  // Removing riders waits for its dialog.
  VerwijderKnop->setEnabled(false);
  ToolBar1->addSeparator();
  EersteKnop = knop("Naar eerste rijder", "Naar eerste rijder", TPlaatje::Eerste);
  VorigeKnop = knop("Vorige", "Vorige", TPlaatje::Vorige);
  VolgendeKnop = knop("Volgende", "Volgende", TPlaatje::Volgende);
  LaatsteKnop = knop("Naar laatste rijder", "Naar laatste rijder", TPlaatje::Laatste);
  ToolBar1->addSeparator();
  CheckBox1 = new QCheckBox(T("&Buitenmededinging"), ToolBar1);
  ToolBar1->addWidget(CheckBox1);
  ToolBar1->addSeparator();
  SlotKnop = knop("Altijd zichtbaar", "Altijd zichtbaar", TPlaatje::SlotDicht);
  HelpKnop = knop("Help", "Help", TPlaatje::Help);

  auto* velden = new QGridLayout;
  velden->setHorizontalSpacing(6);
  auto regel = [velden](int rij, QLabel* label, QLineEdit* edit, int max) {
    edit->setMaxLength(max);
    label->setBuddy(edit);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    velden->addWidget(label, rij, 0);
    velden->addWidget(edit, rij, 1);
  };
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  Edit3 = new QLineEdit(this);
  Edit4 = new QLineEdit(this);
  Edit5 = new QLineEdit(this);
  Label3 = new QLabel(this);
  Label4 = new QLabel(this);
  Label5 = new QLabel(this);
  regel(0, new QLabel(T("&Naam :"), this), Edit1, 30);
  regel(1, new QLabel(T("&Startnr. :"), this), Edit2, 5);
  regel(2, Label3, Edit3, 40);
  regel(3, Label4, Edit4, 40);
  regel(4, Label5, Edit5, 40);
  Edit2->setMaximumWidth(Edit2->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
  velden->setColumnStretch(1, 1);

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 0, 8);
  laag->setSpacing(6);
  laag->addWidget(ToolBar1);
  auto* binnen = new QVBoxLayout;
  binnen->setContentsMargins(8, 0, 8, 0);
  binnen->addLayout(velden);
  laag->addLayout(binnen);
  laag->addStretch();

  connect(ToevoegKnop, &QToolButton::clicked, this, &TRijderData::Toevoegen);
  connect(EersteKnop, &QToolButton::clicked, this, &TRijderData::Eerste);
  connect(VorigeKnop, &QToolButton::clicked, this, &TRijderData::Vorige);
  connect(VolgendeKnop, &QToolButton::clicked, this, &TRijderData::Volgende);
  connect(LaatsteKnop, &QToolButton::clicked, this, &TRijderData::Laatste);
  connect(SlotKnop, &QToolButton::clicked, this, &TRijderData::WisselAltijdZichtbaar);
  connect(HelpKnop, &QToolButton::clicked, this, [this] { emit Hulp(HelpContext); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { emit Hulp(HelpContext); });

  // The window sees keys before its controls.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  ZetVeldnamen();
  SetTekst(0);
}

void TRijderData::ZetVeldnamen() {
  Label3->setText(Q(comp_.Club.Veldnaam[0].Get()));
  Label4->setText(Q(comp_.Club.Veldnaam[1].Get()));
  Label5->setText(Q(comp_.Club.Veldnaam[2].Get()));
}

void TRijderData::Open() {
  SetTekst(GridRij());
  ZetVeldnamen();
  show();
  raise();
  activateWindow();
}

TRijder* TRijderData::GetoondeRijder(int* rij) const {
  // Only a rider still in the active class: rows move, and classes come and go.
  if (!rijder_ || !klasse_ || ctx_.Klasse() != klasse_) return nullptr;
  const bool bestaat = std::any_of(comp_.Tabs.begin(), comp_.Tabs.end(),
                                   [this](const auto& k) { return k.get() == klasse_; });
  if (!bestaat) return nullptr;
  for (int r = 1; r < klasse_->SG.RowCount(); ++r)
    if (klasse_->SG.Rijder(r) == rijder_) {
      if (rij) *rij = r;
      return rijder_;
    }
  return nullptr;
}

int TRijderData::GridRij() const {
  const TKlasse* k = ctx_.Klasse();
  return k ? k->SG.Row : 0;
}

int TRijderData::Getoond() const {
  int r = 0;
  return GetoondeRijder(&r) ? r : 0;
}

void TRijderData::SetTekst(int RecNr) {
  // Not while the fields are being stored (a message box runs its own event loop).
  if (bezig_) return;
  if (isVisible()) SafeTekst();
  klasse_ = ctx_.Klasse();
  rijder_ = klasse_ ? klasse_->Rijder(RecNr) : nullptr;
  const TRijderInfo leeg{};
  const TRijderInfo& r = rijder_ ? rijder_->Rijder : leeg;
  Edit1->setText(Q(r.Naam.Get()));
  Edit2->setText(Q(r.RijNr.Get()));
  Edit3->setText(Q(r.Extra[0].Get()));
  Edit4->setText(Q(r.Extra[1].Get()));
  Edit5->setText(Q(r.Extra[2].Get()));
  CheckBox1->setChecked((r.Optie & RijderBM) != 0);
  for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit2),
                     static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit4),
                     static_cast<QWidget*>(Edit5), static_cast<QWidget*>(CheckBox1)})
    w->setEnabled(rijder_ != nullptr);
}

bool TRijderData::SafeTekst() {
  // A message box of the duplicate check deactivates this window: no second run.
  if (bezig_) return true;
  int rij = 0;
  TRijder* rd = GetoondeRijder(&rij);
  if (!rd) return true;
  struct Bezig {
    bool& b;
    explicit Bezig(bool& v) : b(v) { b = true; }
    ~Bezig() { b = false; }
  } bezig(bezig_);

  const TClubInfo& club = comp_.Club;
  bool gewijzigd = false;
  auto klaar = [&] {
    if (gewijzigd) {
      comp_.MarkeerGewijzigd();
      ctx_.MeldGewijzigd();
    }
    ctx_.MeldKlasseGewijzigd();
  };
  if (Edit1->isModified()) {
    gewijzigd = true;
    Edit1->setModified(false);
    rd->SetVeld(S(Edit1->text()), VeldNaam, 0, club);
    ctx_.MeldKolomTekst(VeldNaam);
    // The name stays even when another rider has it.
    if (!ControleerUniek(ctx_, Q(rd->Rijder.Naam.Get()), VeldNaam, rij))
      Edit1->setFocus(Qt::OtherFocusReason);
  }
  if (Edit2->isModified()) {
    gewijzigd = true;
    Edit2->setModified(false);
    if (!ControleerUniek(ctx_, Edit2->text(), VeldStartnr, rij)) {
      // Refused: the fields after it wait for the next call.
      if (Edit2->isVisible()) Edit2->setFocus(Qt::OtherFocusReason);
      klaar();
      return false;
    }
    rd->SetVeld(S(Edit2->text()), VeldStartnr, 0, club);
    ctx_.MeldKolomTekst(VeldStartnr);
  }
  QLineEdit* vrij[3] = {Edit3, Edit4, Edit5};
  for (int i = 0; i < 3; ++i) {
    if (!vrij[i]->isModified()) continue;
    gewijzigd = true;
    vrij[i]->setModified(false);
    rd->SetVeld(S(vrij[i]->text()), VeldExtra1 + i, 0, club);
    ctx_.MeldKolomTekst(VeldExtra1 + i);
  }
  const std::uint8_t optie = static_cast<std::uint8_t>((rd->Rijder.Optie & ~RijderBM) |
                                                       (CheckBox1->isChecked() ? RijderBM : 0));
  if (optie != rd->Rijder.Optie) {
    rd->Rijder.Optie = optie;
    gewijzigd = true;
  }
  klaar();
  return true;
}

// Forgets the rider: a hidden window holds no pointer into classes that may go away.
void TRijderData::Losmaken() {
  klasse_ = nullptr;
  rijder_ = nullptr;
}

void TRijderData::Sluiten() {
  if (!isVisible()) return;
  SafeTekst();
  hide();
  Losmaken();
}

// ---- tool bar ----

void TRijderData::NaarRij(int rij) {
  if (!SafeTekst()) return;
  const TKlasse* k = ctx_.Klasse();
  if (!k || k->SG.RowCount() < 2) return;
  rij = std::clamp(rij, 1, k->SG.RowCount() - 1);
  ctx_.KiesCel(k->SG.Col, rij);
  // The grid's own select-cell handling normally did this already.
  SetTekst(GridRij());
}

void TRijderData::Eerste() { NaarRij(1); }
void TRijderData::Vorige() { NaarRij(GridRij() - 1); }
void TRijderData::Volgende() { NaarRij(GridRij() + 1); }
void TRijderData::Laatste() {
  const TKlasse* k = ctx_.Klasse();
  NaarRij(k ? k->SG.RowCount() - 1 : 1);
}

bool TRijderData::Toevoegen() {
  if (!SafeTekst()) return false;
  TKlasse* k = ctx_.Klasse();
  if (!k) return false;
  const int rij = NieuweRijderRij(*k, comp_.Club.IDCounter);
  if (rij < 0) {
    emit Vol();
    return false;
  }
  ctx_.MeldKlasseGewijzigd();
  ctx_.KiesCel(k->SG.Col, rij);
  SetTekst(rij);
  Edit1->setFocus(Qt::OtherFocusReason);
  return true;
}

void TRijderData::WisselAltijdZichtbaar() {
  tag_ = tag_ == 1 ? 0 : 1;
  SlotKnop->setIcon(Plaatje(tag_ == 1 ? TPlaatje::SlotDicht : TPlaatje::SlotOpen));
  // Changing the flag re-creates the window: keep where it is.
  const bool zichtbaar = isVisible();
  const QRect plaats = geometry();
  setWindowFlag(Qt::WindowStaysOnTopHint, tag_ == 1);
  if (zichtbaar) {
    setGeometry(plaats);
    show();
  }
}

// ---- keys and window events ----

bool TRijderData::Toets(QKeyEvent* e) {
  const auto mod = e->modifiers() & ~Qt::KeypadModifier;
  if (mod != Qt::NoModifier && mod != Qt::ControlModifier) return false;
  const bool ctrl = mod == Qt::ControlModifier;
  switch (e->key()) {
    case Qt::Key_PageUp:
      ctrl ? Eerste() : Vorige();
      return true;
    case Qt::Key_PageDown:
      ctrl ? Laatste() : Volgende();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      focusNextChild();
      return true;
    case Qt::Key_Escape:
      if (SafeTekst()) ctx_.GeefGridFocus();
      return true;
    default:
      return false;
  }
}

bool TRijderData::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress && Toets(static_cast<QKeyEvent*>(e))) return true;
  if (e->type() == QEvent::FocusOut &&
      (o == Edit1 || o == Edit2 || o == Edit3 || o == Edit4 || o == Edit5)) {
    // Leaving a field stores it; after the focus change, so a refused number can take
    // the focus back. Leaving the window is handled by its deactivation.
    const Qt::FocusReason reden = static_cast<QFocusEvent*>(e)->reason();
    if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (isVisible()) SafeTekst();
          },
          Qt::QueuedConnection);
  }
  return QWidget::eventFilter(o, e);
}

bool TRijderData::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress:
      if (Toets(static_cast<QKeyEvent*>(e))) return true;
      break;
    case QEvent::WindowDeactivate:
      SafeTekst();
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void TRijderData::closeEvent(QCloseEvent* e) {
  SafeTekst();
  e->accept();
  Losmaken();
}

void TRijderData::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) emit Zichtbaar(true);
}

void TRijderData::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (!e->spontaneous()) emit Zichtbaar(false);
}

}  // namespace kzo
