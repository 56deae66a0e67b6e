#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/model/competitie.h"
#include "ui/widgets/dialoog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace kzo {

class IGebruiker;
class TContext;
class TStringGrid;

// "Club gegevens": club name, classes, points table, storage method, net total and
// tie-break rules, averages, the extra field names and the status bar field.
class TClubData : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 510;
  static constexpr int HelpKlassen = 520, HelpRekenmethode = 530, HelpGemiddelde = 540,
                       HelpExtra = 550;
  // Highest points a place can get: the points table holds one byte per place.
  static constexpr int MaxPlaatsPunten = 255;

  explicit TClubData(TContext& ctx, QWidget* ouder = nullptr);

  // The controls from the competition; keeps MethRek and RekWarn for a cancel.
  void Laden() override;
  // "&Ok": the controls into the competition (asks before converting the results). A
  // points cell still open is ended first; a refused value keeps the dialog open.
  bool Toepassen() override;
  // Cancel: the tie-break sequence as it was on opening.
  void Annuleren() override;

  // Class list. A line's data is the class's position on opening, kNieuw for a new one.
  static constexpr int kNieuw = 21;
  void KlasseKiezen();  // a line chosen, or Enter in the name box
  void Toevoegen();
  void Verwijderen();
  void Omhoog();
  void Omlaag();
  int Curnr() const { return curnr_; }

  // Points table: the text of place c (1..10), the cell edit on the current column.
  QString PuntCel(int c) const { return cellen_[static_cast<std::size_t>(c)]; }
  // A key on the table while the cell edit is hidden: Enter (c = '\r') or a typed character.
  void TabelToets(QChar c);
  // Ends the cell edit as Enter does; false when the value was refused and the edit stays open.
  bool CelKlaar();
  void CelAnnuleren();
  bool CelOpen() const;

  QTabWidget* PageControl1 = nullptr;
  QLineEdit* EditCN = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLineEdit* EditKL = nullptr;
  QPushButton* Button4 = nullptr;  // "&Toevoegen"
  QPushButton* Button5 = nullptr;  // "&Verwijderen"
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;

  QGroupBox* GroupPunten = nullptr;
  TStringGrid* StringGrid1 = nullptr;
  QLineEdit* EditSG = nullptr;
  QLabel* Label11 = nullptr;
  QSpinBox* SpinEdit1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton5 = nullptr;
  QRadioButton* RadioButton6 = nullptr;
  QPushButton* Button6 = nullptr;  // "Geavanceerd..."
  QRadioButton* RadioButton3 = nullptr;
  QSpinBox* SEproc = nullptr;
  QSpinBox* SEplm = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  std::array<QRadioButton*, 2> RadioGroup1Items{};
  QRadioButton* RadioButton4 = nullptr;
  QSpinBox* SEschrap = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QGroupBox* RadioGroup4 = nullptr;
  std::array<QRadioButton*, 2> RadioGroup4Items{};
  std::array<QRadioButton*, 4> RadioGroup2Items{};
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  std::array<QRadioButton*, 6> RadioGroup3Items{};

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  // F1 asks for the page's own help.
  int F1Context() const override;

 private:
  QWidget* MaakKlassenPagina();
  QWidget* MaakRekenPagina();
  QWidget* MaakGemiddeldePagina();
  QWidget* MaakExtraPagina();
  void MaakPuntenTabel();
  void TekenPuntCel(QPainter& p, int c, int r, const QRect& rect, bool vast, bool huidig);
  void OpenCel(const QString& tekst, bool gewijzigd);
  void VerlaatCel();
  void ZetLabel11();
  void KiesRegel(int regel);
  void ZetKnoppenKlassen();
  void RekMethodeGeklikt(int voorkeur);
  void NettoMethode();
  void OpslagGeklikt();
  void AftrekGewijzigd();
  bool Finishvolgorde() const;

  TContext& ctx_;
  TCompetitie& comp_;
  IGebruiker& gebruiker_;
  std::array<std::uint8_t, 10> tempRek_{};
  std::uint8_t tempWrn_ = 0;
  int curnr_ = -1;
  bool klGewijzigd_ = false;  // the name box was typed in
  bool kiezen_ = false;       // a selection change of our own
  std::array<QString, 11> cellen_;
  bool celGewijzigd_ = false;
  bool celBezig_ = false;  // ending an edit (a message box takes the focus)
  int celKol_ = 1;         // the column under the cell edit
  QLabel* procLabel_ = nullptr;
  QLabel* plusLabel_ = nullptr;
  QLabel* plmLabel_ = nullptr;
  QLabel* schrapLabel_ = nullptr;
};

}  // namespace kzo
