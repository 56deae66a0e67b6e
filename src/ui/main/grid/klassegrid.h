#pragma once

#include <QChar>
#include <QString>
#include <QWidget>

#include "core/model/competitie.h"
#include "ui/widgets/context.h"
#include "ui/widgets/gebruiker.h"
#include "ui/widgets/stringgrid.h"

class QAction;
class QKeyEvent;
class QLineEdit;
class QTimer;

namespace kzo {

// The grid of the active class: shows its table, edits cells in place with Edit1,
// keeps the selection marks and sorts on a header click. The class table is the data;
// this widget only shows it and turns keys and mouse into changes of it. It follows the
// context's requests (close the edit, move the cursor, lay out again) and tells it of
// every change.
class TKlasseGrid : public QWidget {
  Q_OBJECT
 public:
  explicit TKlasseGrid(TContext& ctx, QWidget* parent = nullptr);

  // Shows this class (nullptr: none): layout from its table, widths, series colours,
  // its own current cell.
  void ToonKlasse(TKlasse* k);
  TKlasse* Klasse() const { return klasse_; }
  TStringGrid* Grid() const { return grid_; }
  QLineEdit* Editor() const { return Edit1; }

  // After the data changed elsewhere: counts, fixed columns, widths, current cell, repaint.
  void Vernieuw();
  void SetSGwidth();
  void KolomVerbreden(int kind);

  bool Bewerkt() const;
  // Ends the edit; a class switch drops a refused start number instead of keeping the
  // editor open.
  void SluitBewerking(bool doorTabwissel);
  void StartBewerken(QChar c);
  bool DQToegestaan() const;
  // Shows message 250 or 251 (with the other row) on a duplicate name or start number.
  bool ControleerUniek(const QString& tekst, int kind, int skip);

  void AllesSelecteren();
  void SelecteerOneven();
  void SelectieOmkeren();
  void SelectieOpheffen();

  int ColMode() const { return colMode_; }
  // Result column n is grid column n + this.
  int UitslagOffset() const { return klasse_ ? klasse_->UitslPos - 1 : 0; }

  void ZetRijderDataZichtbaar(bool z) { rijderDataZichtbaar_ = z; }
  // The DQ command, shown at the end of the editor's context menu.
  void ZetDQActie(QAction* actie) { dqActie_ = actie; }

  // Draws one cell; the grid calls it for every visible cell.
  void ActiveSGDrawCell(QPainter& p, int c, int r, const QRect& rect, TCelStaat staat);
  // The current-cell indicator waits for this timer after every cell change.
  bool IndicatorWacht() const;

 signals:
  void CelGekozen(int col, int row);
  void DQGevraagd(int preset);
  void RijderDataFocus();
  void RijderDataVernieuwen(int row);

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  enum class TAanleiding { Hoofdvenster, Editor, Tabblad };

  void Edit1Exit(TAanleiding aanleiding);
  bool Edit1KeyPress(QKeyEvent* e);
  bool Edit1KeyDown(QKeyEvent* e);
  bool LaatToe(QChar c) const;  // the editor's key filter
  bool FormKeyPress(QKeyEvent* e);
  void ActiveSGMouseUp(Qt::MouseButton knop, Qt::KeyboardModifiers mod, QPoint pos);
  void ActiveSGMouseMove(QPoint pos);
  void KopSorteren(int kol);
  void Sorteer(int mode, int un, int max, int op);
  void Hernummeren();
  void NaSelectie();
  void ToonEditorMenu(const QPoint& pos);
  void NaarCel(int c, int r);

  TContext& ctx_;
  TCompetitie& comp_;
  IGebruiker& gebruiker_;
  TKlasse* klasse_ = nullptr;
  TStringGrid* grid_;
  QLineEdit* Edit1;
  QTimer* ScreenUpdateTimer;
  QAction* dqActie_ = nullptr;

  int colMode_ = 0;
  int bewerkKol_ = 0, bewerkRij_ = 0;  // the cell under the editor
  bool inExit_ = false;
  bool rijderDataZichtbaar_ = false;
};

// The hint and status text of a result column: date and remark of its series.
QString KolomInfo(const TKlasse& k, const TClubInfo& club, int col);
// Whether a typed result can be stored; with points entry it must be a value the points
// table gives.
bool GeldigeUitslag(const TClubInfo& club, int v);

}  // namespace kzo
