#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/file/instellingenopslag.h"
#include "ui/widgets/gebruiker.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kzo {

// "Algemene instellingen": the user's own settings (start-up action, tool bar, window
// placement, work and program folders). Reading and writing the settings are separate
// steps, so they can be used without showing the dialog.
class TSetExtra : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContext = 570;

  TSetExtra(IInstellingenOpslag& opslag, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The controls from the stored settings.
  void Laden();
  // The stored settings from the controls; throws TInstellingenFout when they cannot be kept.
  void Toepassen();

  // Shows the dialog; true when "&Ok" stored the settings.
  static bool Open(IInstellingenOpslag& opslag, IGebruiker& gebruiker,
                   const std::function<void(int)>& hulp, QWidget* ouder);

  std::array<QRadioButton*, 3> RadioGroup1{};
  QCheckBox* CheckBox1 = nullptr;  // "&Verberg knoppenbalk"
  QCheckBox* CheckBox2 = nullptr;  // "&Bewaar venster formaat"
  QLineEdit* Edit1 = nullptr;      // work folder
  QLineEdit* Edit2 = nullptr;      // program folder
  QPushButton* Button1 = nullptr;  // "Wij&zigen..."
  QPushButton* Button2 = nullptr;  // "Wijzig&en..."
  QPushButton* OkKnop = nullptr;
  QPushButton* HelpKnop = nullptr;
  QPushButton* AnnuleerKnop = nullptr;

 signals:
  void Hulp(int context);

 private:
  void KiesMap(QLineEdit* veld, const QString& titel);
  void OkGeklikt();

  IInstellingenOpslag& opslag_;
  IGebruiker& gebruiker_;
};

}  // namespace kzo
