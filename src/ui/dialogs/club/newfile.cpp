#include "ui/dialogs/club/newfile.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kzo {

TNewFile::TNewFile(QWidget* ouder) : TDialoog(T("Nieuw"), Help, ouder) {
  auto* groep = new QGroupBox(T("Maak een een nieuw bestand"));
  auto* gl = new QVBoxLayout(groep);
  const char* kKeuzes[3] = {"&Geheel nieuw bestand", "&Met huidige instellingen",
                            "Met &huidige instellingen en namen van rijders"};
  for (std::size_t i = 0; i < 3; ++i) {
    RadioGroup1[i] = new QRadioButton(T(kKeuzes[i]));
    gl->addWidget(RadioGroup1[i]);
  }
  RadioGroup1[0]->setChecked(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(groep);
  layout->addWidget(MaakKnoppen(OkHelpAnnuleer, T("&Nieuw")));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TNewFile::Keuze() const {
  for (std::size_t i = 0; i < 3; ++i)
    if (RadioGroup1[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

}  // namespace kzo
