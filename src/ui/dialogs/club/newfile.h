#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/model/competitie.h"

class QPushButton;
class QRadioButton;

namespace kzo {

// "Nieuw": how a new competition starts: from nothing, with the current settings, or
// with the current settings and the riders' names.
class TNewFile : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 120;
  enum TKeuze { GeheelNieuw = 0, MetInstellingen = 1, MetNamen = 2 };

  explicit TNewFile(QWidget* ouder = nullptr);

  // The chosen item (0..2).
  int Keuze() const;

  // 0 at once, without showing anything, when no competition with classes is open;
  // otherwise the chosen item, or -1 when cancelled.
  static int Open(const TCompetitie& comp, const std::function<void(int)>& hulp, QWidget* ouder);

  std::array<QRadioButton*, 3> RadioGroup1{};
  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);
};

}  // namespace kzo
