#include "ui/dialogs/club/rekavan.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "ui/widgets/gebruiker.h"

namespace kzo {

namespace {

constexpr int kAantalMethoden = 10;
constexpr int kMethodePlaatsen = 2;  // "Aantal 1e, 2e, ... plaatsen": has a parameter

}  // namespace

QString TRekAvan::MethodeTekst(int index) {
  static const char* const kTekst[kAantalMethoden] = {"<niets>",
                                                      "Beste uitslagen",
                                                      "Aantal 1e, 2e, ... plaatsen",
                                                      "Geschrapte uitslagen",
                                                      "Laatste uitslag",
                                                      "Laatst behaalde uitslag",
                                                      "Bruto punten",
                                                      "Gemiddelde",
                                                      "Meeste uitslagen",
                                                      "Minste uitslagen"};
  return index >= 0 && index < kAantalMethoden ? T(kTekst[index]) : QString();
}

TRekAvan::TRekAvan(TClubInfo& club, IGebruiker& gebruiker, QWidget* ouder)
    : TDialoog(T("Rekenmethode met een gelijk aantal punten"), Help, ouder),
      club_(club),
      gebruiker_(gebruiker) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(T("Kies de gehanteerde rekenmethode bij een gelijke klassering:")));

  for (int i = 0; i < Stappen; ++i) {
    const auto s = static_cast<std::size_t>(i);
    auto* groep = new QGroupBox(T("Stap %1").arg(i + 1));
    auto* rij = new QHBoxLayout(groep);
    StapLijst[s] = new QComboBox;
    StapLijst[s]->setProperty("tag", i + 1);
    for (int m = 0; m < kAantalMethoden; ++m) StapLijst[s]->addItem(MethodeTekst(m));
    StapLijst[s]->setCurrentIndex(-1);
    StapLijst[s]->setMinimumContentsLength(26);
    StapLijst[s]->setEnabled(i < 2);
    StapLabel[s] = new QLabel(T("Van de 1e plaats t/m :"));
    StapSpin[s] = new QSpinBox;
    StapSpin[s]->setRange(1, 500);
    StapSpin[s]->setValue(3);
    StapLabel[s]->setBuddy(StapSpin[s]);
    StapLabel[s]->hide();
    StapSpin[s]->hide();
    rij->addWidget(StapLijst[s]);
    rij->addSpacing(12);
    rij->addWidget(StapLabel[s]);
    rij->addWidget(StapSpin[s]);
    rij->addStretch();
    layout->addWidget(groep);
    connect(StapLijst[s], &QComboBox::currentIndexChanged, this, [this, i](int index) {
      // Clearing a list is part of the rule itself, not a new choice.
      if (index >= 0) StapGewijzigd(i + 1);
    });
  }

  WarnSpin = new QSpinBox;
  WarnSpin->setRange(0, 5);
  WarnSpin->setValue(0);
  WarnSpin->setMaximumWidth(WarnSpin->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 4 +
                            32);
  auto* warn = new QHBoxLayout;
  warn->addWidget(new QLabel(T("Geef aan als de stand is bepaald met stap: ")));
  warn->addWidget(WarnSpin);
  warn->addWidget(new QLabel(T("of verder. Nul = geen melding.")));
  warn->addStretch();
  layout->addLayout(warn);

  layout->addWidget(MaakKnoppen());
}

void TRekAvan::StapGewijzigd(int k) {
  if (k < 1 || k > Stappen) return;
  const auto s = static_cast<std::size_t>(k - 1);
  const int methode = StapLijst[s]->currentIndex();
  if (methode > 0) {
    StapLabel[s]->setVisible(methode == kMethodePlaatsen);
    StapSpin[s]->setVisible(methode == kMethodePlaatsen);
    if (k < Stappen) StapLijst[s + 1]->setEnabled(true);
    if (WarnSpin->maximum() < k) WarnSpin->setMaximum(k);
    StapLijst[s]->setToolTip(MethodeTekst(methode));
    return;
  }
  // "<niets>" ends the sequence here.
  for (int j = k; j <= Stappen; ++j) {
    const auto t = static_cast<std::size_t>(j - 1);
    {
      const QSignalBlocker stil(StapLijst[t]);
      StapLijst[t]->setCurrentIndex(-1);
    }
    StapLijst[t]->setToolTip({});
    if (j > k) StapLijst[t]->setEnabled(false);
    StapLabel[t]->hide();
    StapSpin[t]->hide();
  }
  WarnSpin->setMaximum(k - 1);
}

void TRekAvan::Laden() {
  int stappen = 0;
  for (int k = 1; k <= Stappen; ++k) {
    const auto s = static_cast<std::size_t>(k - 1);
    const int methode = club_.MethRek[s][0];
    if (methode == 0) break;
    {
      const QSignalBlocker stil(StapLijst[s]);
      // A method this program does not know shows as no choice.
      StapLijst[s]->setCurrentIndex(methode < kAantalMethoden ? methode : -1);
    }
    if (methode == kMethodePlaatsen) StapSpin[s]->setValue(std::max<int>(club_.MethRek[s][1], 1));
    StapGewijzigd(k);
    stappen = k;
  }
  WarnSpin->setMaximum(stappen);
  WarnSpin->setValue(club_.RekWarn > stappen ? 0 : club_.RekWarn);
}

bool TRekAvan::Toepassen() {
  std::uint8_t meth[Stappen][2] = {};
  for (int k = 1; k <= Stappen; ++k) {
    const auto s = static_cast<std::size_t>(k - 1);
    const int methode = StapLijst[s]->currentIndex();
    if (methode <= 0) break;
    meth[s][0] = static_cast<std::uint8_t>(methode);
    if (methode == kMethodePlaatsen) {
      const int p = StapSpin[s]->value();
      if (p > MaxParameter) {
        gebruiker_.Fout(T("Stap %1: \"Van de 1e plaats t/m\" kan niet meer dan %2 zijn.")
                            .arg(k)
                            .arg(MaxParameter));
        StapSpin[s]->setFocus();
        StapSpin[s]->selectAll();
        return false;
      }
      meth[s][1] = static_cast<std::uint8_t>(p);
    }
  }
  std::memcpy(club_.MethRek, meth, sizeof meth);
  club_.RekWarn = static_cast<std::uint8_t>(WarnSpin->value());
  return true;
}

}  // namespace kzo
