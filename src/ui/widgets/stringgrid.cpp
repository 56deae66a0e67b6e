#include "ui/widgets/stringgrid.h"

#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace kzo {

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetColCount(5);
  SetRowCount(5);
  SetFixedCols(1);
  SetFixedRows(1);
  ZetHuidigeCel(1, 1);
}

// ---- size and layout ----

void TStringGrid::SetColCount(int n) {
  n = std::max(n, 0);
  breedte_.resize(static_cast<std::size_t>(n), standaardBreedte_);
  if (vasteKol_ > n) vasteKol_ = n;
  if (col_ >= n) col_ = std::max(n - 1, 0);
  WerkScrollbalkenBij();
  viewport()->update();
}

void TStringGrid::SetRowCount(int n) {
  rijen_ = std::max(n, 0);
  if (vasteRij_ > rijen_) vasteRij_ = rijen_;
  if (row_ >= rijen_) row_ = std::max(rijen_ - 1, 0);
  WerkScrollbalkenBij();
  viewport()->update();
}

void TStringGrid::SetFixedCols(int n) {
  vasteKol_ = std::clamp(n, 0, ColCount());
  if (col_ < vasteKol_) col_ = std::min(vasteKol_, std::max(ColCount() - 1, 0));
  WerkScrollbalkenBij();
  viewport()->update();
}

void TStringGrid::SetFixedRows(int n) {
  vasteRij_ = std::clamp(n, 0, rijen_);
  if (row_ < vasteRij_) row_ = std::min(vasteRij_, std::max(rijen_ - 1, 0));
  WerkScrollbalkenBij();
  viewport()->update();
}

int TStringGrid::ColWidth(int c) const {
  return c >= 0 && c < ColCount() ? breedte_[static_cast<std::size_t>(c)] : 0;
}

void TStringGrid::SetColWidth(int c, int w) {
  if (c < 0 || c >= ColCount()) return;
  breedte_[static_cast<std::size_t>(c)] = std::max(w, 0);
  WerkScrollbalkenBij();
  viewport()->update();
}

void TStringGrid::SetColWidths(const std::vector<int>& w) {
  for (int c = 0; c < ColCount(); ++c)
    breedte_[static_cast<std::size_t>(c)] = c < static_cast<int>(w.size())
                                                ? std::max(w[static_cast<std::size_t>(c)], 0)
                                                : standaardBreedte_;
  WerkScrollbalkenBij();
  viewport()->update();
}

void TStringGrid::SetDefaultRowHeight(int h) {
  rijHoogte_ = std::max(h, 1);
  WerkScrollbalkenBij();
  viewport()->update();
}

int TStringGrid::VastBreedte() const {
  int x = 0;
  for (int c = 0; c < vasteKol_; ++c) x += ColWidth(c) + lijn_;
  return x;
}

int TStringGrid::VastHoogte() const { return vasteRij_ * Stap(); }

int TStringGrid::TopRow() const { return vasteRij_ + verticalScrollBar()->value(); }
int TStringGrid::LeftCol() const { return vasteKol_ + horizontalScrollBar()->value(); }
void TStringGrid::SetTopRow(int r) { verticalScrollBar()->setValue(r - vasteRij_); }
void TStringGrid::SetLeftCol(int c) { horizontalScrollBar()->setValue(c - vasteKol_); }

void TStringGrid::WerkScrollbalkenBij() {
  const QSize vp = viewport()->size();
  const int zichtbaar = std::max(1, (vp.height() - VastHoogte()) / Stap());
  const int maxTop = std::max(vasteRij_, rijen_ - zichtbaar);
  verticalScrollBar()->setRange(0, maxTop - vasteRij_);
  verticalScrollBar()->setPageStep(zichtbaar);
  verticalScrollBar()->setSingleStep(1);

  // The leftmost column from which the rest of the columns fits.
  const int ruimte = vp.width() - VastBreedte();
  int maxLinks = std::max(ColCount() - 1, vasteKol_);
  int som = 0;
  for (int c = ColCount() - 1; c >= vasteKol_; --c) {
    som += ColWidth(c) + lijn_;
    if (som > ruimte) break;
    maxLinks = c;
  }
  horizontalScrollBar()->setRange(0, std::max(0, maxLinks - vasteKol_));
  horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
  horizontalScrollBar()->setSingleStep(1);
}

int TStringGrid::VisibleRowCount() const {
  const int h = viewport()->height();
  int n = 0;
  for (int r = TopRow(), y = VastHoogte(); r < rijen_ && y + rijHoogte_ <= h; ++r, y += Stap()) ++n;
  return n;
}

int TStringGrid::VisibleColCount() const {
  const int w = viewport()->width();
  int n = 0;
  for (int c = LeftCol(), x = VastBreedte(); c < ColCount() && x + ColWidth(c) <= w; ++c) {
    x += ColWidth(c) + lijn_;
    ++n;
  }
  return n;
}

int TStringGrid::KolX(int c) const {
  if (c < 0 || c >= ColCount()) return -1;
  int x = 0;
  if (c < vasteKol_) {
    for (int i = 0; i < c; ++i) x += ColWidth(i) + lijn_;
    return x;
  }
  const int links = LeftCol();
  if (c < links) return -1;
  x = VastBreedte();
  const int w = viewport()->width();
  for (int i = links; i < c; ++i) {
    x += ColWidth(i) + lijn_;
    if (x >= w) return -1;
  }
  return x;
}

int TStringGrid::RijY(int r) const {
  if (r < 0 || r >= rijen_) return -1;
  if (r < vasteRij_) return r * Stap();
  const int top = TopRow();
  if (r < top) return -1;
  const long long y = VastHoogte() + static_cast<long long>(r - top) * Stap();
  return y >= viewport()->height() ? -1 : static_cast<int>(y);
}

QRect TStringGrid::CellRect(int c, int r) const {
  const int x = KolX(c), y = RijY(r);
  if (x < 0 || y < 0 || x >= viewport()->width()) return {};
  return QRect(x, y, ColWidth(c), rijHoogte_);
}

QPoint TStringGrid::MouseToCell(QPoint pos) const {
  int kol = -1, rij = -1;
  if (pos.x() >= 0 && pos.x() < viewport()->width()) {
    int x = 0;
    for (int c = 0; c < vasteKol_ && kol < 0; ++c) {
      x += ColWidth(c) + lijn_;
      if (pos.x() < x) kol = c;
    }
    for (int c = LeftCol(); c < ColCount() && kol < 0; ++c) {
      x += ColWidth(c) + lijn_;
      if (pos.x() < x) kol = c;
    }
  }
  if (pos.y() >= 0 && pos.y() < viewport()->height()) {
    if (pos.y() < VastHoogte()) {
      rij = pos.y() / Stap();
    } else {
      const int r = TopRow() + (pos.y() - VastHoogte()) / Stap();
      if (r < rijen_) rij = r;
    }
  }
  return {kol, rij};
}

void TStringGrid::MaakZichtbaar(int c, int r) {
  if (r >= vasteRij_ && r < rijen_) {
    const int zichtbaar = std::max(1, (viewport()->height() - VastHoogte()) / Stap());
    if (r < TopRow())
      SetTopRow(r);
    else if (r >= TopRow() + zichtbaar)
      SetTopRow(r - zichtbaar + 1);
  }
  if (c >= vasteKol_ && c < ColCount()) {
    if (c < LeftCol()) {
      SetLeftCol(c);
    } else {
      // The smallest left column from which column c still fits.
      const int ruimte = viewport()->width() - VastBreedte();
      int links = c, som = ColWidth(c) + lijn_;
      while (links - 1 >= LeftCol() && som + ColWidth(links - 1) + lijn_ <= ruimte) {
        --links;
        som += ColWidth(links) + lijn_;
      }
      if (links > LeftCol()) SetLeftCol(links);
    }
  }
}

// ---- current cell ----

bool TStringGrid::SetCurrentCell(int c, int r) {
  if (c < vasteKol_ || c >= ColCount() || r < vasteRij_ || r >= rijen_) return false;
  if (magKiezen_ && !magKiezen_(c, r)) return false;
  emit SelecteerCel(c, r);
  col_ = c;
  row_ = r;
  MaakZichtbaar(c, r);
  viewport()->update();
  emit HuidigeCelGewijzigd(c, r);
  return true;
}

void TStringGrid::ZetHuidigeCel(int c, int r) {
  col_ =
      std::clamp(c, std::min(vasteKol_, std::max(ColCount() - 1, 0)), std::max(ColCount() - 1, 0));
  row_ = std::clamp(r, std::min(vasteRij_, std::max(rijen_ - 1, 0)), std::max(rijen_ - 1, 0));
  MaakZichtbaar(col_, row_);
  viewport()->update();
}

void TStringGrid::InvalidateCell(int c, int r) {
  const QRect rect = CellRect(c, r);
  if (!rect.isEmpty()) viewport()->update(rect.adjusted(0, 0, lijn_, lijn_));
}

void TStringGrid::InvalidateGrid() { viewport()->update(); }

void TStringGrid::ZetHint(const QString& tekst, bool aan) {
  const bool anders = tekst != hint_ || aan != hintAan_;
  hint_ = tekst;
  hintAan_ = aan;
  if (!anders || !QToolTip::isVisible()) return;
  if (aan && !tekst.isEmpty())
    QToolTip::showText(QCursor::pos(), tekst, viewport());
  else
    QToolTip::hideText();
}

// ---- painting ----

void TStringGrid::TekenCel(QPainter& p, int c, int r, const QRect& rect, TCelStaat staat) {
  if (teken_) {
    teken_(p, c, r, rect, staat);
    return;
  }
  const QPalette& pal = palette();
  p.fillRect(rect, staat.vast           ? pal.color(QPalette::Button)
                   : staat.geselecteerd ? pal.color(QPalette::Highlight)
                                        : pal.color(QPalette::Base));
}

void TStringGrid::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  const QRect vuil = e->rect();
  const int w = viewport()->width(), h = viewport()->height();

  std::vector<std::pair<int, int>> kols, rijen;  // index and left or top edge
  int x = 0;
  for (int c = 0; c < vasteKol_ && x < w; ++c) {
    kols.emplace_back(c, x);
    x += ColWidth(c) + lijn_;
  }
  for (int c = LeftCol(); c < ColCount() && x < w; ++c) {
    kols.emplace_back(c, x);
    x += ColWidth(c) + lijn_;
  }
  int y = 0;
  for (int r = 0; r < vasteRij_ && y < h; ++r, y += Stap()) rijen.emplace_back(r, y);
  for (int r = TopRow(); r < rijen_ && y < h; ++r, y += Stap()) rijen.emplace_back(r, y);

  const QColor lijnVast = palette().color(QPalette::Mid);
  const QColor lijnData = palette().color(QPalette::Button).darker(115);
  for (auto [r, ry] : rijen) {
    for (auto [c, cx] : kols) {
      const QRect rect(cx, ry, ColWidth(c), rijHoogte_);
      if (!rect.adjusted(0, 0, lijn_, lijn_).intersects(vuil)) continue;
      TCelStaat staat;
      staat.vast = c < vasteKol_ || r < vasteRij_;
      staat.geselecteerd = c == col_ && r == row_ && !staat.vast;
      staat.focus = staat.geselecteerd && hasFocus();
      p.save();
      p.setClipRect(rect);
      TekenCel(p, c, r, rect, staat);
      p.restore();
      if (staat.focus) {
        p.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect.adjusted(0, 0, -1, -1));
      }
      const QColor& lk = staat.vast ? lijnVast : lijnData;
      p.fillRect(rect.right() + 1, ry, lijn_, rijHoogte_ + lijn_, lk);
      p.fillRect(cx, rect.bottom() + 1, rect.width() + lijn_, lijn_, lk);
    }
  }
  if (sleepVan_ >= 0) TekenVerplaatsLijn(p);
}

void TStringGrid::TekenVerplaatsLijn(QPainter& p) {
  int y = RijY(sleepNaar_);
  if (y < 0) return;
  if (sleepNaar_ > sleepVan_) y += rijHoogte_;  // dropped below the target row
  p.fillRect(0, std::max(y - 1, 0), viewport()->width(), 2, palette().color(QPalette::Text));
}

// ---- keys and mouse ----

void TStringGrid::keyPressEvent(QKeyEvent* e) {
  if (toets_ && toets_(e)) {
    e->accept();
    return;
  }
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  int c = col_, r = row_;
  const int pagina = std::max(1, VisibleRowCount());
  switch (e->key()) {
    case Qt::Key_Up:
      --r;
      break;
    case Qt::Key_Down:
      ++r;
      break;
    case Qt::Key_Left:
      --c;
      break;
    case Qt::Key_Right:
      ++c;
      break;
    case Qt::Key_PageUp:
      SetTopRow(TopRow() - pagina);
      r -= pagina;
      break;
    case Qt::Key_PageDown:
      SetTopRow(TopRow() + pagina);
      r += pagina;
      break;
    case Qt::Key_Home:
      if (ctrl) r = vasteRij_;
      c = vasteKol_;
      break;
    case Qt::Key_End:
      if (ctrl) r = rijen_ - 1;
      c = ColCount() - 1;
      break;
    default:
      e->ignore();
      return;
  }
  r = std::clamp(r, vasteRij_, std::max(rijen_ - 1, vasteRij_));
  c = std::clamp(c, vasteKol_, std::max(ColCount() - 1, vasteKol_));
  if (c != col_ || r != row_) SetCurrentCell(c, r);
  e->accept();
}

void TStringGrid::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint cel = MouseToCell(e->position().toPoint());
  const int c = cel.x(), r = cel.y();
  if (c < 0 || r < 0) return;
  if (c < vasteKol_ && r >= vasteRij_) {
    if (rijVerplaatsen_) sleepVan_ = sleepNaar_ = r;
  } else if (c >= vasteKol_ && r >= vasteRij_) {
    SetCurrentCell(c, r);
  }
}

void TStringGrid::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  emit MuisBeweegt(pos);
  if (sleepVan_ < 0 || !(e->buttons() & Qt::LeftButton)) return;
  int naar;
  if (pos.y() < VastHoogte()) {
    SetTopRow(TopRow() - 1);  // drags past the edge scroll
    naar = TopRow();
  } else if (pos.y() >= viewport()->height()) {
    SetTopRow(TopRow() + 1);
    naar = TopRow() + std::max(VisibleRowCount(), 1) - 1;
  } else {
    naar = MouseToCell(pos).y();
    if (naar < 0) naar = rijen_ - 1;
  }
  naar = std::clamp(naar, vasteRij_, std::max(rijen_ - 1, vasteRij_));
  if (naar != sleepNaar_) {
    sleepNaar_ = naar;
    viewport()->update();
  }
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* e) {
  if (sleepVan_ >= 0 && e->button() == Qt::LeftButton) {
    const int van = sleepVan_, naar = sleepNaar_;
    sleepVan_ = sleepNaar_ = -1;
    viewport()->update();
    if (van != naar) {
      // The current row travels with the rows around it.
      if (row_ == van)
        row_ = naar;
      else if (van < naar && row_ > van && row_ <= naar)
        --row_;
      else if (van > naar && row_ >= naar && row_ < van)
        ++row_;
      emit RijVerplaatst(van, naar);
    }
  }
  emit MuisLos(e->button(), e->modifiers(), e->position().toPoint());
}

bool TStringGrid::viewportEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::ToolTip: {
      auto* he = static_cast<QHelpEvent*>(e);
      if (hintAan_ && !hint_.isEmpty())
        QToolTip::showText(he->globalPos(), hint_, viewport());
      else
        QToolTip::hideText();
      return true;
    }
    case QEvent::Leave:
      emit MuisWeg();
      break;
    default:
      break;
  }
  return QAbstractScrollArea::viewportEvent(e);
}

void TStringGrid::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  WerkScrollbalkenBij();
}

void TStringGrid::scrollContentsBy(int, int) { viewport()->update(); }

void TStringGrid::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

}  // namespace kzo
