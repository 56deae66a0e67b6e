#include "ui/main/grid/klassegrid.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/stringgrid_kleur.h"

namespace kzo {

TKlasseGrid::TKlasseGrid(TContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), comp_(ctx.Competitie()), gebruiker_(ctx.Gebruiker()) {
  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 0, 0);
  grid_ = new TStringGrid(this);
  laag->addWidget(grid_);
  grid_->SetRowMoving(true);
  grid_->ZetTekenFunctie([this](QPainter& p, int c, int r, const QRect& rect, TCelStaat s) {
    ActiveSGDrawCell(p, c, r, rect, s);
  });
  grid_->ZetToetsVoorvertoning([this](QKeyEvent* e) { return FormKeyPress(e); });

  Edit1 = new QLineEdit(grid_->viewport());
  Edit1->setFrame(false);
  Edit1->hide();
  Edit1->installEventFilter(this);
  Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Edit1, &QLineEdit::customContextMenuRequested, this, &TKlasseGrid::ToonEditorMenu);
  // A refused edit keeps the editor open: the grid must not move or scroll under it.
  grid_->viewport()->installEventFilter(this);
  grid_->verticalScrollBar()->installEventFilter(this);
  grid_->horizontalScrollBar()->installEventFilter(this);

  ScreenUpdateTimer = new QTimer(this);
  ScreenUpdateTimer->setInterval(30);
  connect(ScreenUpdateTimer, &QTimer::timeout, this, [this] {
    ScreenUpdateTimer->stop();
    grid_->InvalidateGrid();
  });

  connect(grid_, &TStringGrid::SelecteerCel, this, [this](int c, int r) {
    ScreenUpdateTimer->stop();
    if (c != grid_->Col() || r != grid_->Row()) ScreenUpdateTimer->start();
  });
  connect(grid_, &TStringGrid::HuidigeCelGewijzigd, this, [this](int c, int r) {
    if (klasse_) {
      klasse_->SG.Col = c;
      klasse_->SG.Row = r;
    }
    emit CelGekozen(c, r);
  });
  connect(grid_, &TStringGrid::RijVerplaatst, this, [this](int van, int naar) {
    if (!klasse_) return;
    klasse_->SG.MoveRow(van, naar);
    klasse_->SG.Row = grid_->Row();
  });
  connect(grid_, &TStringGrid::MuisLos, this, &TKlasseGrid::ActiveSGMouseUp);
  connect(grid_, &TStringGrid::MuisBeweegt, this, &TKlasseGrid::ActiveSGMouseMove);
  connect(grid_, &TStringGrid::MuisWeg, this, [this] { grid_->ZetHint({}, false); });
  grid_->hide();

  connect(&ctx_, &TContext::BewerkingSluiten, this, [this](bool doorTabwissel) {
    if (Bewerkt()) SluitBewerking(doorTabwissel);
  });
  connect(&ctx_, &TContext::KlassenLoslaten, this, [this] { ToonKlasse(nullptr); });
  connect(&ctx_, &TContext::CelGekozen, this, [this](int c, int r) {
    if (!klasse_) return;
    if (Bewerkt()) SluitBewerking(false);
    grid_->SetCurrentCell(c, r);
  });
  connect(&ctx_, &TContext::KlasseGewijzigd, this, &TKlasseGrid::Vernieuw);
  connect(&ctx_, &TContext::KolomTekstGewijzigd, this, &TKlasseGrid::KolomVerbreden);
}

// ---- showing a class ----

void TKlasseGrid::ToonKlasse(TKlasse* k) {
  if (Bewerkt()) SluitBewerking(true);
  klasse_ = k;
  ctx_.ZetKlasse(k);
  colMode_ = 0;
  grid_->ZetHint({}, false);
  if (!k) {
    grid_->hide();
    return;
  }
  grid_->setFont(LetterNaarFont(k->SG.Font, font()));
  ReeksKleuren(*k, comp_.Club);
  SetSGwidth();
  Vernieuw();
  emit CelGekozen(grid_->Col(), grid_->Row());
}

void TKlasseGrid::Vernieuw() {
  if (!klasse_) {
    grid_->hide();
    return;
  }
  TTabel& sg = klasse_->SG;
  grid_->setFont(LetterNaarFont(sg.Font, font()));
  Edit1->setFont(grid_->font());
  grid_->SetColCount(sg.ColCount());
  grid_->SetRowCount(sg.RowCount());
  grid_->SetFixedRows(sg.RowCount() > 1 ? 1 : 0);
  grid_->SetFixedCols(std::min(sg.FixedCols, std::max(sg.ColCount() - 1, 0)));
  grid_->SetColWidths(sg.ColWidths);
  grid_->ZetHuidigeCel(sg.Col, sg.Row);
  sg.Col = grid_->Col();
  sg.Row = grid_->Row();
  grid_->show();
  grid_->InvalidateGrid();
}

void TKlasseGrid::SetSGwidth() {
  if (!klasse_) return;
  TTabel& sg = klasse_->SG;
  const TClubInfo& club = comp_.Club;
  const QFontMetrics fm(LetterNaarFont(sg.Font, font()));
  auto breedte = [&](const std::string& s) { return fm.horizontalAdvance(Q(s)); };
  sg.ColWidths.resize(static_cast<std::size_t>(sg.ColCount()), 64);
  const int uitslagBreedte = breedte(club.punttel[1] >= 100 ? "1888" : "188");
  for (int c = 0; c < sg.ColCount(); ++c) {
    const TColData* cd = sg.Kolom(c);
    const int kind = cd ? cd->mode : VeldNaam;
    int w;
    if (c == 0) {
      w = breedte("**");
    } else if (c == 1) {
      w = breedte("Pos") + 4;
    } else if (kind == VeldUitslag) {
      w = uitslagBreedte;
    } else {
      w = breedte(sg.Kop(c)) + 4;
      const int un = cd ? cd->Data : 0;
      for (int r = 1; r < sg.RowCount(); ++r)
        if (const TRijder* rd = sg.Rijder(r))
          w = std::max(w, breedte(rd->VeldStr(kind, un, club, ctx_.Decimaal())) + 4);
    }
    sg.ColWidths[static_cast<std::size_t>(c)] = w;
  }
  grid_->SetDefaultRowHeight(fm.height() + 2);
  grid_->SetColCount(sg.ColCount());
  grid_->SetColWidths(sg.ColWidths);
  grid_->show();
}

void TKlasseGrid::KolomVerbreden(int kind) {
  if (!klasse_) return;
  TTabel& sg = klasse_->SG;
  const TRijder* rd = sg.Rijder(sg.Row);
  if (!rd) return;
  for (int c = 1; c <= UitslagOffset() && c < sg.ColCount(); ++c) {
    const TColData* cd = sg.Kolom(c);
    if (!cd || cd->mode != kind) continue;
    const QFontMetrics fm(grid_->font());
    const int w = fm.horizontalAdvance(Q(rd->VeldStr(kind, 1, comp_.Club, ctx_.Decimaal()))) + 4;
    sg.ColWidths.resize(static_cast<std::size_t>(sg.ColCount()), 64);
    if (sg.ColWidths[static_cast<std::size_t>(c)] < w) {
      sg.ColWidths[static_cast<std::size_t>(c)] = w;
      grid_->SetColWidth(c, w);
    }
    return;
  }
}

bool TKlasseGrid::IndicatorWacht() const { return ScreenUpdateTimer->isActive(); }

// ---- mouse ----

void TKlasseGrid::ActiveSGMouseUp(Qt::MouseButton knop, Qt::KeyboardModifiers mod, QPoint pos) {
  if (!klasse_ || Bewerkt() || knop != Qt::LeftButton ||
      (mod & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
    return;
  const TTabel& sg = klasse_->SG;
  QPoint cel = grid_->MouseToCell(pos);
  int c = cel.x(), r = cel.y();
  if (c < 0 && grid_->ColCount() > 0) {
    // Just right of the last header still counts as that header.
    const int laatste = grid_->ColCount() - 1;
    const QRect kop = grid_->CellRect(laatste, 0);
    if (!kop.isEmpty() && pos.x() > kop.right() &&
        pos.x() <= kop.right() + grid_->GridLineWidth() + 4 && pos.y() >= 0 &&
        pos.y() < grid_->DefaultRowHeight() + grid_->GridLineWidth()) {
      c = laatste;
      r = 0;
    }
  }
  if (c < 0 || r < 0 || c >= sg.ColCount() || r >= sg.RowCount()) return;
  if (r == 0) {
    if (sg.RowCount() - 1 >= 2) KopSorteren(c);
    return;
  }
  if (c >= grid_->FixedCols()) return;
  if (c == 0) {
    if (TRijder* rd = klasse_->SG.Rijder(r)) {
      rd->Rijder.Optie ^= RijderGeselecteerd;
      emit CelGekozen(c, r);
    }
  }
  Hernummeren();
  grid_->InvalidateGrid();
}

// Column 1 back in order after rows were dragged.
void TKlasseGrid::Hernummeren() {
  TTabel& sg = klasse_->SG;
  int pos = 1;
  for (int r = 1; r < sg.RowCount(); ++r) {
    const TRijder* rd = sg.Rijder(r);
    if (klasse_->BN == 0)
      sg.Rij(r).positie = std::to_string(r);
    else if (rd && rd->BM())
      sg.Rij(r).positie = "BM";
    else
      sg.Rij(r).positie = std::to_string(pos++);
  }
}

void TKlasseGrid::KopSorteren(int kol) {
  TColData* cd = klasse_->SG.Kolom(kol);
  if (!cd) return;
  const int richting = cd->Sorted;
  cd->Sorted = cd->Sorted ? 0 : 1;
  int kind = cd->mode;
  const int nummer = cd->Data;
  int max;
  if (klasse_->BN == 2)
    max = (kind == VeldNetto || kind == VeldBruto) ? klasse_->AantalUitslagen() : 0;
  else
    max = kol;
  if (klasse_->BN == 3 && kind > 6) kind += 10;
  Sorteer(kind, nummer, max, richting);
  grid_->InvalidateGrid();
  emit CelGekozen(grid_->Col(), grid_->Row());
}

void TKlasseGrid::ActiveSGMouseMove(QPoint pos) {
  const QPoint cel = grid_->MouseToCell(pos);
  const TColData* cd = klasse_ && cel.y() == 0 && cel.x() >= 0 && cel.x() < klasse_->SG.ColCount()
                           ? klasse_->SG.Kolom(cel.x())
                           : nullptr;
  if (!cd || cd->mode != VeldUitslag) {
    grid_->ZetHint({}, false);
    return;
  }
  const QString tekst = KolomInfo(*klasse_, comp_.Club, cel.x());
  grid_->ZetHint(tekst, !tekst.isEmpty());
}

// ---- selection marks ----

void TKlasseGrid::AllesSelecteren() {
  if (!klasse_) return;
  for (int r = 1; r < klasse_->SG.RowCount(); ++r)
    if (TRijder* rd = klasse_->SG.Rijder(r)) rd->Rijder.Optie |= RijderGeselecteerd;
  NaSelectie();
}

void TKlasseGrid::SelecteerOneven() {
  if (!klasse_) return;
  for (int r = 1; r < klasse_->SG.RowCount(); ++r) {
    if (TRijder* rd = klasse_->SG.Rijder(r)) {
      if (r % 2)
        rd->Rijder.Optie |= RijderGeselecteerd;
      else
        rd->Rijder.Optie &= ~RijderGeselecteerd;
    }
  }
  NaSelectie();
}

void TKlasseGrid::SelectieOmkeren() {
  if (!klasse_) return;
  for (int r = 1; r < klasse_->SG.RowCount(); ++r)
    if (TRijder* rd = klasse_->SG.Rijder(r)) rd->Rijder.Optie ^= RijderGeselecteerd;
  NaSelectie();
}

void TKlasseGrid::SelectieOpheffen() {
  if (!klasse_) return;
  for (int r = 1; r < klasse_->SG.RowCount(); ++r)
    if (TRijder* rd = klasse_->SG.Rijder(r)) rd->Rijder.Optie &= ~RijderGeselecteerd;
  NaSelectie();
}

// Marks are not data worth saving: no modified flag.
void TKlasseGrid::NaSelectie() {
  emit CelGekozen(grid_->Col(), grid_->Row());
  grid_->InvalidateGrid();
}

}  // namespace kzo
