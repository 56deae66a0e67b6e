#include "ui/dialogs/club/newfile.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/knoppen.h"

namespace kzo {

namespace {
QString T(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TNewFile::TNewFile(QWidget* ouder) : QDialog(ouder) {
  setWindowTitle(T("Nieuw"));
  auto* groep = new QGroupBox(T("Maak een een nieuw bestand"));
  auto* gl = new QVBoxLayout(groep);
  const char* kKeuzes[3] = {"&Geheel nieuw bestand", "&Met huidige instellingen",
                            "Met &huidige instellingen en namen van rijders"};
  for (std::size_t i = 0; i < 3; ++i) {
    RadioGroup1[i] = new QRadioButton(T(kKeuzes[i]));
    gl->addWidget(RadioGroup1[i]);
  }
  RadioGroup1[0]->setChecked(true);

  const TDialoogKnoppen kn = MaakDialoogKnoppen(T("&Nieuw"));
  OkKnop = kn.ok;
  HelpKnop = kn.help;
  AnnuleerKnop = kn.annuleer;
  auto* knoppen = kn.rij;

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(groep);
  layout->addLayout(knoppen);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(OkKnop, &QPushButton::clicked, this, &QDialog::accept);
  connect(HelpKnop, &QPushButton::clicked, this, [this] { emit Hulp(HelpContext); });
  connect(AnnuleerKnop, &QPushButton::clicked, this, &QDialog::reject);
}

int TNewFile::Keuze() const {
  for (std::size_t i = 0; i < 3; ++i)
    if (RadioGroup1[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

int TNewFile::Open(const TCompetitie& comp, const std::function<void(int)>& hulp, QWidget* ouder) {
  if (comp.AantalKlassen() == 0) return GeheelNieuw;
  TNewFile d(ouder);
  if (hulp) connect(&d, &TNewFile::Hulp, &d, hulp);
  return d.exec() == QDialog::Accepted ? d.Keuze() : -1;
}

}  // namespace kzo
