#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace kzo {

// The states of a cell the owner draws by.
struct TCelStaat {
  bool geselecteerd = false;  // the current cell
  bool vast = false;          // a fixed row or column
  bool focus = false;         // the current cell while the grid has the focus
};

// A grid of cells with fixed header rows and fixed left columns. It holds no data: the
// owner draws every cell, and hears about selection, mouse and row moves through signals.
// Scrolling is by whole cells; only the visible cells are painted.
class TStringGrid : public QAbstractScrollArea {
  Q_OBJECT
 public:
  using TekenFunctie = std::function<void(QPainter&, int, int, const QRect&, TCelStaat)>;
  using ToetsFunctie = std::function<bool(QKeyEvent*)>;
  using KiesFunctie = std::function<bool(int, int)>;

  explicit TStringGrid(QWidget* parent = nullptr);

  int ColCount() const { return static_cast<int>(breedte_.size()); }
  int RowCount() const { return rijen_; }
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedCols() const { return vasteKol_; }
  int FixedRows() const { return vasteRij_; }
  void SetFixedCols(int n);
  void SetFixedRows(int n);

  int ColWidth(int c) const;
  void SetColWidth(int c, int w);
  void SetColWidths(const std::vector<int>& w);
  int DefaultColWidth() const { return standaardBreedte_; }
  void SetDefaultColWidth(int w) { standaardBreedte_ = w; }
  int DefaultRowHeight() const { return rijHoogte_; }
  void SetDefaultRowHeight(int h);
  int GridLineWidth() const { return lijn_; }

  // The current cell. Setting it goes through the select-cell hook and scrolls it into
  // view; false when the cell is out of range, fixed, or refused.
  int Col() const { return col_; }
  int Row() const { return row_; }
  bool SetCurrentCell(int c, int r);
  bool SetCol(int c) { return SetCurrentCell(c, row_); }
  bool SetRow(int r) { return SetCurrentCell(col_, r); }
  // Moves the current cell without the hook and without signals (restoring a saved position).
  void ZetHuidigeCel(int c, int r);

  // First visible scrolling row and column.
  int TopRow() const;
  int LeftCol() const;
  void SetTopRow(int r);
  void SetLeftCol(int c);
  // Scrolling rows and columns that are completely visible.
  int VisibleRowCount() const;
  int VisibleColCount() const;
  void MaakZichtbaar(int c, int r);

  // Viewport coordinates; empty when the cell is not visible.
  QRect CellRect(int c, int r) const;
  // Column and row under a viewport point, each -1 when outside the cells.
  QPoint MouseToCell(QPoint pos) const;

  void InvalidateCell(int c, int r);
  void InvalidateGrid();

  // The hint (tool tip) the owner sets on mouse moves.
  void ZetHint(const QString& tekst, bool aan);
  QString Hint() const { return hint_; }
  bool HintAan() const { return hintAan_; }

  bool RowMoving() const { return rijVerplaatsen_; }
  void SetRowMoving(bool aan) { rijVerplaatsen_ = aan; }

  void ZetTekenFunctie(TekenFunctie f) { teken_ = std::move(f); }
  // Sees every key first; returning true consumes it.
  void ZetToetsVoorvertoning(ToetsFunctie f) { toets_ = std::move(f); }
  // May refuse a new current cell.
  void ZetMagKiezen(KiesFunctie f) { magKiezen_ = std::move(f); }

 signals:
  void SelecteerCel(int col, int row);  // before the current cell changes
  void HuidigeCelGewijzigd(int col, int row);
  void RijVerplaatst(int van, int naar);  // after a row drag; the owner moves its data
  void MuisLos(Qt::MouseButton knop, Qt::KeyboardModifiers mod, QPoint pos);
  void MuisBeweegt(QPoint pos);
  void MuisWeg();

 protected:
  virtual void TekenCel(QPainter& p, int c, int r, const QRect& rect, TCelStaat staat);

  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool viewportEvent(QEvent* e) override;

 private:
  int KolX(int c) const;  // left edge of a visible column, or -1
  int RijY(int r) const;
  int VastBreedte() const;
  int VastHoogte() const;
  int Stap() const { return rijHoogte_ + lijn_; }
  void WerkScrollbalkenBij();
  void TekenVerplaatsLijn(QPainter& p);

  std::vector<int> breedte_;
  int rijen_ = 0;
  int vasteKol_ = 0;
  int vasteRij_ = 0;
  int standaardBreedte_ = 64;
  int rijHoogte_ = 24;
  int lijn_ = 1;
  int col_ = 0, row_ = 0;

  QString hint_;
  bool hintAan_ = false;

  bool rijVerplaatsen_ = true;
  int sleepVan_ = -1;   // row being dragged
  int sleepNaar_ = -1;  // where it would land

  TekenFunctie teken_;
  ToetsFunctie toets_;
  KiesFunctie magKiezen_;
};

}  // namespace kzo
