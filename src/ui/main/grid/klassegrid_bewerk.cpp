#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QValidator>

#include "core/file/meldingen.h"
#include "core/records/cp1252.h"
#include "core/records/getal.h"
#include "core/records/punten.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo {

namespace {

// The editor's maximum length limits typing only: a longer text put in by the program
// (a "dns" in a two-character result cell) is shown whole and may only shrink.
class TLengteGrens final : public QValidator {
 public:
  TLengteGrens(QObject* ouder) : QValidator(ouder) {}
  void Begin(int max, int lengte) {
    max_ = max;
    laatste_ = lengte;
  }
  State validate(QString& tekst, int&) const override {
    if (tekst.length() > max_ && tekst.length() > laatste_) return Invalid;
    laatste_ = static_cast<int>(tekst.length());
    return Acceptable;
  }

 private:
  int max_ = 32767;
  mutable int laatste_ = 0;
};

int MaxLengte(int kind) {
  switch (kind) {
    case VeldNaam:
      return 30;
    case VeldStartnr:
      return 5;
    case VeldUitslag:
      return 2;
    default:
      return 40;
  }
}

}  // namespace

bool TKlasseGrid::Bewerkt() const { return !Edit1->isHidden(); }

void TKlasseGrid::SluitBewerking(bool doorTabwissel) {
  Edit1Exit(doorTabwissel ? TAanleiding::Tabblad : TAanleiding::Hoofdvenster);
}

bool TKlasseGrid::DQToegestaan() const { return kzo::DQToegestaan(ctx_); }

bool TKlasseGrid::LaatToe(QChar c) const {
  if (colMode_ != VeldUitslag || c.unicode() < 32) return true;
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('x');
}

void TKlasseGrid::NaarCel(int c, int r) {
  if (c != grid_->Col() || r != grid_->Row()) grid_->SetCurrentCell(c, r);
}

// Keys on the grid itself, before the grid moves its cursor.
bool TKlasseGrid::FormKeyPress(QKeyEvent* e) {
  // Keys the editor left alone must not move the grid under it.
  if (Bewerkt()) return true;
  if (!klasse_ || grid_->Row() < 1 || grid_->Col() < 1) return false;
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (grid_->Col() < 3 && rijderDataZichtbaar_)
      emit RijderDataFocus();
    else
      StartBewerken(QChar());
    return true;
  }
  const auto mod = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (e->text().isEmpty() || (mod && mod != (Qt::ControlModifier | Qt::AltModifier))) return false;
  const QChar ch = e->text().at(0);
  if (ch.unicode() <= 27 || ch.unicode() == 127) return false;
  StartBewerken(ch);
  return true;
}

void TKlasseGrid::StartBewerken(QChar c) {
  if (!klasse_ || Bewerkt()) return;
  TTabel& sg = klasse_->SG;
  {
    const TRijder* rd = sg.Rijder(sg.Row);
    const TColData* cd = sg.Kolom(sg.Col);
    // DQ, dnf and dns change only through the DQ dialog.
    if (DQToegestaan() && rd && cd && rd->Uwaarde(cd->Data) < -2) {
      emit DQGevraagd(0);
      return;
    }
  }
  const int kol = sg.Col;
  VerwijderEindstand(*klasse_);
  if (kol < sg.ColCount()) sg.Col = kol;
  Vernieuw();
  // A final-standings column went away under the cursor: the status bar follows it.
  if (sg.Col != kol) emit CelGekozen(sg.Col, sg.Row);

  if (DQToegestaan() && !c.isNull()) {
    char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z') u = static_cast<char16_t>(u - 'a' + 'A');
    const int preset = (u == 'D' || u == 'Q') ? UitDQ : u == 'F' ? UitDnf : u == 'S' ? UitDns : 0;
    if (preset) {
      emit DQGevraagd(preset);
      return;
    }
  }

  TRijder* rd = sg.Rijder(sg.Row);
  const TColData* cd = sg.Kolom(sg.Col);
  const int kind = cd ? cd->mode : VeldNaam;
  // Only rider fields can be typed; a row without a rider has nothing to store into.
  if (!rd || kind < VeldNaam || kind > VeldExtra3) return;

  grid_->MaakZichtbaar(sg.Col, sg.Row);
  Edit1->setGeometry(grid_->CellRect(sg.Col, sg.Row));
  Edit1->setFont(grid_->font());
  bewerkKol_ = sg.Col;
  bewerkRij_ = sg.Row;
  colMode_ = kind;
  QString tekst;
  switch (kind) {
    case VeldNaam:
      tekst = Q(rd->Rijder.Naam.Get());
      break;
    case VeldStartnr:
      tekst = Q(rd->Rijder.RijNr.Get());
      break;
    case VeldUitslag:
      tekst = Q(rd->VeldStr(VeldUitslag, cd->Data, comp_.Club, ctx_.Decimaal()));
      break;
    default:
      tekst = Q(rd->Rijder.Extra[kind - VeldExtra1].Get());
      break;
  }
  auto* grens = dynamic_cast<TLengteGrens*>(const_cast<QValidator*>(Edit1->validator()));
  if (!grens) {
    grens = new TLengteGrens(Edit1);
    Edit1->setValidator(grens);
  }
  grens->Begin(MaxLengte(kind), static_cast<int>(tekst.length()));
  Edit1->setText(tekst);
  bool eenTeken = false;
  if ((kind == VeldUitslag || tekst.isEmpty()) && !c.isNull() && c.unicode() >= 32 && LaatToe(c)) {
    grens->Begin(MaxLengte(kind), 1);
    Edit1->setText(QString(c));
    Edit1->setCursorPosition(1);
    Edit1->setModified(true);
    eenTeken = true;
  }
  Edit1->show();
  Edit1->raise();
  Edit1->setFocus(Qt::OtherFocusReason);
  if (!eenTeken) Edit1->selectAll();
}

bool TKlasseGrid::Edit1KeyPress(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      Edit1Exit(TAanleiding::Hoofdvenster);
      if (colMode_ == 0) {
        const int c = grid_->Col(), r = grid_->Row();
        if (c < grid_->ColCount() - 1)
          NaarCel(c + 1, r);
        else if (r < grid_->RowCount() - 1)
          NaarCel(grid_->LeftCol(), r + 1);
      }
      return true;
    }
    case Qt::Key_Escape:
      Edit1->setModified(false);
      Edit1Exit(TAanleiding::Hoofdvenster);
      return true;
    default:
      break;
  }
  if (e->text().isEmpty() || e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
    return false;
  const QChar ch = e->text().at(0);
  return ch.unicode() >= 32 && !LaatToe(ch);
}

bool TKlasseGrid::Edit1KeyDown(QKeyEvent* e) {
  if (e->key() != Qt::Key_Up && e->key() != Qt::Key_Down) return false;
  Edit1Exit(TAanleiding::Editor);
  if (colMode_ == 0) {
    const int eerste = grid_->FixedRows(), laatste = grid_->RowCount() - 1;
    int r = grid_->Row();
    if (e->key() == Qt::Key_Up)
      r = r <= eerste ? laatste : r - 1;
    else
      r = r >= laatste ? eerste : r + 1;
    NaarCel(grid_->Col(), r);
  }
  return true;
}

void TKlasseGrid::Edit1Exit(TAanleiding aanleiding) {
  if (!Bewerkt() || inExit_ || !klasse_) return;
  struct Bezig {
    bool& b;
    explicit Bezig(bool& v) : b(v) { b = true; }
    ~Bezig() { b = false; }
  } bezig(inExit_);

  TTabel& sg = klasse_->SG;
  const TClubInfo& club = comp_.Club;
  TRijder* rd = sg.Rijder(bewerkRij_);
  if (Edit1->isModified() && rd && bewerkKol_ < sg.ColCount()) {
    const QString tekst = Edit1->text();
    const TColData* cd = sg.Kolom(bewerkKol_);
    bool opgeslagen = false;
    switch (colMode_) {
      case VeldNaam:
        rd->SetVeld(S(tekst), VeldNaam, 0, club);
        KolomVerbreden(VeldNaam);
        // The name stays even when another rider has it.
        ControleerUniek(Q(rd->Rijder.Naam.Get()), VeldNaam, bewerkRij_);
        colMode_ = 0;
        opgeslagen = true;
        break;
      case VeldStartnr:
        if (ControleerUniek(tekst, VeldStartnr, bewerkRij_)) {
          rd->SetVeld(S(tekst), VeldStartnr, 0, club);
          KolomVerbreden(VeldStartnr);
          colMode_ = 0;
          opgeslagen = true;
        } else if (aanleiding != TAanleiding::Tabblad) {
          Edit1->setFocus(Qt::OtherFocusReason);
          return;
        }
        break;
      case VeldUitslag:
        if (cd && GeldigeUitslag(club, StrNaarGetal(S(tekst)))) {
          rd->SetVeld(S(tekst), VeldUitslag, cd->Data, club);
          colMode_ = 0;
          opgeslagen = true;
        } else {
          gebruiker_.Melding(51);
        }
        break;
      case VeldExtra1:
      case VeldExtra2:
      case VeldExtra3:
        rd->SetVeld(S(tekst), colMode_, 0, club);
        KolomVerbreden(colMode_);
        colMode_ = 0;
        opgeslagen = true;
        break;
      default:
        break;
    }
    if (opgeslagen) {
      if (bewerkKol_ <= UitslagOffset() && rijderDataZichtbaar_)
        emit RijderDataVernieuwen(bewerkRij_);
      comp_.MarkeerGewijzigd();
      ctx_.MeldGewijzigd();
    }
  }
  // When the focus already went to another control, leave it there.
  const bool focusTerug = Edit1->hasFocus() || aanleiding != TAanleiding::Editor;
  Edit1->hide();
  if (grid_->isVisible() && focusTerug) grid_->setFocus(Qt::OtherFocusReason);
  grid_->InvalidateGrid();
}

bool TKlasseGrid::ControleerUniek(const QString& tekst, int kind, int skip) {
  return kzo::ControleerUniek(ctx_, tekst, kind, skip);
}

bool GeldigeUitslag(const TClubInfo& club, int v) {
  if (v < 1 || !ToontPunten(club)) return true;
  const int aantal = std::min<int>(club.punttel[0], 10);
  const int laatste = aantal > 0 ? club.punttel[aantal] : 0;
  if (laatste >= v) return PlaatsNaarPunten(club, PuntenNaarPlaats(club, v)) == v;
  if (aantal < 2) return false;
  for (int i = 1; i < aantal; ++i)
    if (club.punttel[i] == v) return true;
  return false;
}

bool TKlasseGrid::eventFilter(QObject* obj, QEvent* e) {
  if (obj == Edit1) {
    if (e->type() == QEvent::KeyPress) {
      auto* ke = static_cast<QKeyEvent*>(e);
      return Edit1KeyDown(ke) || Edit1KeyPress(ke);
    }
    if (e->type() == QEvent::FocusOut) {
      const auto reden = static_cast<QFocusEvent*>(e)->reason();
      // Another window or a context menu taking the focus does not end the edit.
      if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
        Edit1Exit(TAanleiding::Editor);
    }
    return false;
  }
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      if (Bewerkt()) Edit1Exit(TAanleiding::Editor);
      return Bewerkt();  // a refused value keeps the grid where it is
    case QEvent::MouseButtonRelease:
      return Bewerkt();
    default:
      return false;
  }
}

void TKlasseGrid::ToonEditorMenu(const QPoint& pos) {
  QMenu menu(Edit1);
  auto actie = [&](const char* tekst, QKeySequence::StandardKey toets, auto doe, bool aan) {
    QAction* a = menu.addAction(tekst);
    a->setShortcut(toets);
    a->setEnabled(aan);
    connect(a, &QAction::triggered, Edit1, [this, doe] { (Edit1->*doe)(); });
  };
  actie("Knippen", QKeySequence::Cut, &QLineEdit::cut, Edit1->hasSelectedText());
  actie("Kopieren", QKeySequence::Copy, &QLineEdit::copy, Edit1->hasSelectedText());
  actie("&Pakken", QKeySequence::Paste, &QLineEdit::paste, true);
  if (dqActie_) {
    menu.addSeparator();
    dqActie_->setEnabled(DQToegestaan());
    menu.addAction(dqActie_);
  }
  menu.exec(Edit1->mapToGlobal(pos));
}

}  // namespace kzo
