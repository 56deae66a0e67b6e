#pragma once

#include <array>

#include "core/file/instellingenopslag.h"
#include "ui/widgets/dialoog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kzo {

class IGebruiker;

// "Algemene instellingen": the user's own settings (start-up action, tool bar, window
// placement, work and program folders). Reading and writing the settings are separate
// steps, so they can be used without showing the dialog.
class TSetExtra : public TDialoog {
  Q_OBJECT

 public:
  static constexpr int Help = 570;

  TSetExtra(IInstellingenOpslag& opslag, IGebruiker& gebruiker, QWidget* ouder = nullptr);

  // The controls from the stored settings.
  void Laden() override;
  // The stored settings from the controls; throws TInstellingenFout when they cannot be kept.
  void Bewaar();
  // "&Ok": Bewaar, and a failure is told; the dialog then stays open.
  bool Toepassen() override;

  std::array<QRadioButton*, 3> RadioGroup1{};
  QCheckBox* CheckBox1 = nullptr;  // "&Verberg knoppenbalk"
  QCheckBox* CheckBox2 = nullptr;  // "&Bewaar venster formaat"
  QLineEdit* Edit1 = nullptr;      // work folder
  QLineEdit* Edit2 = nullptr;      // program folder
  QPushButton* Button1 = nullptr;  // "Wij&zigen..."
  QPushButton* Button2 = nullptr;  // "Wijzig&en..."
 private:
  void KiesMap(QLineEdit* veld, const QString& titel);

  IInstellingenOpslag& opslag_;
  IGebruiker& gebruiker_;
};

}  // namespace kzo
