#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/records/records.h"
#include "ui/widgets/gebruiker.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kzo {

// "Rekenmethode met een gelijk aantal punten": the sequence of up to five tie-break
// steps (MethRek) and the step from which a tie is reported (RekWarn).
class TRekAvan : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 580;
  static constexpr int Stappen = 5;
  // A step's parameter is kept in one byte of the file.
  static constexpr int MaxParameter = 255;

  TRekAvan(TClubInfo& club, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The method texts of a step list, by the index stored in MethRek.
  static QString MethodeTekst(int index);

  // The controls from MethRek and RekWarn.
  void Laden();
  // MethRek and RekWarn from the controls. Refuses (false, the user is told, nothing
  // changes) a parameter that does not fit its byte.
  bool Toepassen();
  // What a choice in step list k (1..5) does to the other controls.
  void StapGewijzigd(int k);

  // Shows the dialog; true when "&Ok" stored the sequence.
  static bool Open(TClubInfo& club, IGebruiker& gebruiker, const std::function<void(int)>& hulp,
                   QWidget* ouder);

  std::array<QComboBox*, Stappen> StapLijst{};
  std::array<QLabel*, Stappen> StapLabel{};
  std::array<QSpinBox*, Stappen> StapSpin{};
  QSpinBox* WarnSpin = nullptr;
  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);

 private:
  TClubInfo& club_;
  IGebruiker& gebruiker_;
};

}  // namespace kzo
