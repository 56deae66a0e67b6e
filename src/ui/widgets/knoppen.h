#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;

namespace kzo {

// The button row at the bottom of a dialog: OK (the default), Help and Cancel, right-aligned.
struct TDialoogKnoppen {
  QPushButton* ok;
  QPushButton* help;
  QPushButton* annuleer;
  QHBoxLayout* rij;
};
TDialoogKnoppen MaakDialoogKnoppen(const QString& okTekst = QStringLiteral("&Ok"));

}  // namespace kzo
