#include "ui/dialogs/algemeen/setextra.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/file/gebruikersinstellingen.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

TSetExtra::TSetExtra(IInstellingenOpslag& opslag, IGebruiker& gebruiker, QWidget* ouder)
    : TDialoog(T("Algemene instellingen"), Help, ouder), opslag_(opslag), gebruiker_(gebruiker) {
  auto* actie = new QGroupBox(T("Actie na opstarten :"));
  auto* actieLayout = new QVBoxLayout(actie);
  const char* kKeuzes[3] = {"&Geen", "&Toon \"Bestand Openen\"", "&Laad laatste bestand"};
  for (int i = 0; i < 3; ++i) {
    RadioGroup1[static_cast<std::size_t>(i)] = new QRadioButton(T(kKeuzes[i]));
    actieLayout->addWidget(RadioGroup1[static_cast<std::size_t>(i)]);
  }

  auto* diverse = new QGroupBox(T("Diverse"));
  auto* diverseLayout = new QVBoxLayout(diverse);
  CheckBox1 = new QCheckBox(T("&Verberg knoppenbalk"));
  CheckBox2 = new QCheckBox(T("&Bewaar venster formaat"));
  diverseLayout->addWidget(CheckBox1);
  diverseLayout->addWidget(CheckBox2);
  diverseLayout->addStretch();

  auto* mappen = new QGroupBox(T("Bestandslocaties :"));
  auto* mappenLayout = new QGridLayout(mappen);
  Edit1 = new QLineEdit;
  Edit2 = new QLineEdit;
  Button1 = new QPushButton(T("Wij&zigen..."));
  Button2 = new QPushButton(T("Wijzig&en..."));
  auto* label1 = new QLabel(T("&Werkmap :"));
  auto* label2 = new QLabel(T("&Map van KZO programma"));
  label1->setBuddy(Edit1);
  label2->setBuddy(Edit2);
  mappenLayout->addWidget(label1, 0, 0, 1, 2);
  mappenLayout->addWidget(Edit1, 1, 0);
  mappenLayout->addWidget(Button1, 1, 1);
  mappenLayout->addWidget(label2, 2, 0, 1, 2);
  mappenLayout->addWidget(Edit2, 3, 0);
  mappenLayout->addWidget(Button2, 3, 1);
  mappenLayout->setColumnStretch(0, 1);
  Edit1->setMinimumWidth(280);

  auto* boven = new QHBoxLayout;
  boven->addWidget(actie, 1);
  boven->addWidget(diverse, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boven);
  layout->addWidget(mappen);
  layout->addWidget(MaakKnoppen());

  connect(Button1, &QPushButton::clicked, this,
          [this] { KiesMap(Edit1, T("Werkmap, locatie voor KZO gegevens")); });
  connect(Button2, &QPushButton::clicked, this,
          [this] { KiesMap(Edit2, T("Map van KZO hulp bestanden")); });
}

void TSetExtra::Laden() {
  const std::int32_t optie = LeesGetal(opslag_, kKzoOptie);
  // Action 3 acts as none, so it shows as none.
  const int keuze = (optie & KzoStartActie) == 3 ? 0 : optie & KzoStartActie;
  RadioGroup1[static_cast<std::size_t>(keuze)]->setChecked(true);
  CheckBox1->setChecked((optie & KzoVerbergKnoppenbalk) != 0);
  CheckBox2->setChecked((optie & KzoPlaatsingNiet) == 0);
  Edit1->setText(Q(LeesTekst2(opslag_, kKzoWork)));
  Edit2->setText(Q(LeesTekst2(opslag_, kKzoMap)));
}

void TSetExtra::Bewaar() {
  std::int32_t optie = 0;
  for (int i = 0; i < 3; ++i)
    if (RadioGroup1[static_cast<std::size_t>(i)]->isChecked()) optie = i;
  if (CheckBox1->isChecked()) optie |= KzoVerbergKnoppenbalk;
  if (!CheckBox2->isChecked()) optie |= KzoPlaatsingNiet;
  SchrijfGetal(opslag_, kKzoOptie, optie);
  SchrijfTekst2(opslag_, kKzoWork, S(Edit1->text()));
  SchrijfTekst2(opslag_, kKzoMap, S(Edit2->text()));
}

void TSetExtra::KiesMap(QLineEdit* veld, const QString& titel) {
  if (auto map = gebruiker_.KiesMap(titel, veld->text())) veld->setText(*map);
}

bool TSetExtra::Toepassen() {
  try {
    Bewaar();
  } catch (const TInstellingenFout& fout) {
    // The dialog stays open, so the user can try again or cancel.
    gebruiker_.Fout(Q(fout.what()));
    return false;
  }
  return true;
}

}  // namespace kzo
