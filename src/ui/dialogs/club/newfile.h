#pragma once

#include <array>

#include "ui/widgets/dialoog.h"

class QRadioButton;

namespace kzo {

// "Nieuw": how a new competition starts: from nothing, with the current settings, or
// with the current settings and the riders' names.
class TNewFile : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 120;
  enum TKeuze { GeheelNieuw = 0, MetInstellingen = 1, MetNamen = 2 };

  explicit TNewFile(QWidget* ouder = nullptr);

  // The chosen item (0..2).
  int Keuze() const;

  std::array<QRadioButton*, 3> RadioGroup1{};
};

}  // namespace kzo
