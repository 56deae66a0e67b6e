#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "core/model/competitie.h"

class QLabel;
class QPushButton;

namespace kzo {

// "Informatie": the program's name and version above, the open competition below.
class ToverKzo : public QDialog {
  Q_OBJECT

 public:
  // K classes and R riders, as the main window counts them.
  ToverKzo(const TCompetitie& comp, int K, int R, QWidget* ouder = nullptr);

  // The lines of the lower group, top to bottom.
  QStringList BestandsRegels() const;

  static void Open(const TCompetitie& comp, int K, int R, const std::function<void(int)>& hulp,
                   QWidget* ouder);

  QPushButton* OkKnop = nullptr;

 signals:
  void Hulp(int context);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QLabel* plaatje_ = nullptr;
  QList<QLabel*> regels_;
};

}  // namespace kzo
