#pragma once

#include <QWidget>

#include "core/model/competitie.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace kzo {

class TContext;

// "Rijdergegevens": the modeless window that shows and edits the rider of the grid's
// current row. Created once, hidden; it keeps following the grid's cursor while it shows,
// and moves it through the context.
class TRijderData : public QWidget {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 210;

  explicit TRijderData(TContext& ctx, QWidget* ouder = nullptr);

  // Fills the window from the grid's current row, sets the field captions and shows it.
  void Open();
  // The fields from the rider in that row of the active class; clears the changed marks.
  // Edits still pending for the rider shown before are stored first.
  void SetTekst(int RecNr);
  // Stores every changed field into the rider shown. False when a start number was
  // refused; the fields after it then wait for the next call.
  bool SafeTekst();
  // Stores the pending edits and hides the window.
  void Sluiten();

  // The tool bar's buttons. Toevoegen: false when nothing was added (the class is full).
  bool Toevoegen();
  void Eerste();
  void Vorige();
  void Volgende();
  void Laatste();
  void WisselAltijdZichtbaar();
  int AltijdZichtbaarTag() const { return tag_; }

  // The row shown, or 0 when no rider is shown.
  int Getoond() const;

  QLineEdit* Edit1 = nullptr;  // name
  QLineEdit* Edit2 = nullptr;  // start number
  QLineEdit* Edit3 = nullptr;  // free fields 1..3
  QLineEdit* Edit4 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QCheckBox* CheckBox1 = nullptr;  // "&Buitenmededinging"
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToevoegKnop = nullptr;
  QToolButton* VerwijderKnop = nullptr;
  QToolButton* EersteKnop = nullptr;
  QToolButton* VorigeKnop = nullptr;
  QToolButton* VolgendeKnop = nullptr;
  QToolButton* LaatsteKnop = nullptr;
  QToolButton* SlotKnop = nullptr;
  QToolButton* HelpKnop = nullptr;

 signals:
  void Hulp(int context);
  void Zichtbaar(bool zichtbaar);
  // "Rijder toevoegen" found no room for another rider.
  void Vol();

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  bool Toets(QKeyEvent* e);
  void NaarRij(int rij);
  TRijder* GetoondeRijder(int* rij = nullptr) const;
  void ZetVeldnamen();
  // The grid's current row in the class shown, 0 without one.
  int GridRij() const;
  void Losmaken();

  TContext& ctx_;
  TCompetitie& comp_;
  TKlasse* klasse_ = nullptr;  // the class and rider the fields belong to
  TRijder* rijder_ = nullptr;
  int tag_ = 1;
  bool bezig_ = false;
};

}  // namespace kzo
