#pragma once

#include <QStringList>

#include "core/model/competitie.h"
#include "ui/widgets/dialoog.h"

class QLabel;

namespace kzo {

class IGebruiker;

// "Informatie": the program's name and version above, the open competition below.
class ToverKzo : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 1;

  // K classes and R riders, as the main window counts them.
  ToverKzo(const TCompetitie& comp, int K, int R, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The lines of the lower group, top to bottom.
  QStringList BestandsRegels() const;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QLabel* plaatje_ = nullptr;
  QList<QLabel*> regels_;
};

}  // namespace kzo
