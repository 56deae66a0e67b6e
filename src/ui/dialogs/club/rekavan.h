#pragma once

#include <array>

#include "core/records/records.h"
#include "ui/widgets/dialoog.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace kzo {

class IGebruiker;

// "Rekenmethode met een gelijk aantal punten": the sequence of up to five tie-break
// steps (MethRek) and the step from which a tie is reported (RekWarn).
class TRekAvan : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 580;
  static constexpr int Stappen = 5;
  // A step's parameter is kept in one byte of the file.
  static constexpr int MaxParameter = 255;

  TRekAvan(TClubInfo& club, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The method texts of a step list, by the index stored in MethRek.
  static QString MethodeTekst(int index);

  // The controls from MethRek and RekWarn.
  void Laden() override;
  // MethRek and RekWarn from the controls. Refuses (false, the user is told, nothing
  // changes) a parameter that does not fit its byte.
  bool Toepassen() override;
  // What a choice in step list k (1..5) does to the other controls.
  void StapGewijzigd(int k);

  std::array<QComboBox*, Stappen> StapLijst{};
  std::array<QLabel*, Stappen> StapLabel{};
  std::array<QSpinBox*, Stappen> StapSpin{};
  QSpinBox* WarnSpin = nullptr;

 private:
  TClubInfo& club_;
  IGebruiker& gebruiker_;
};

}  // namespace kzo
