#include "ui/dialogs/eindstand/calc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/records/instellingen.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

namespace {

// The check boxes under a radio button sit a little to the right of it.
QHBoxLayout* Ingesprongen(QWidget* w) {
  auto* rij = new QHBoxLayout;
  rij->addSpacing(20);
  rij->addWidget(w, 1);
  return rij;
}

}  // namespace

QString TCalc::AantalTekst(int n) {
  return n < 2 ? T("Er is 1 tellende uitslag.") : T("Er zijn %1 tellende uitslagen.").arg(n);
}

QString TCalc::NettoRegelTekst(const TClubInfo& club) {
  if (Schrappen(club)) return T("Schrapresultaten = %1").arg(club.Schrap);
  QString t = T("Netto bereken met %1% van de ingevoerde uitslagen").arg(club.RekPercentage);
  if (club.RekPlus1 > 0) t += T(" + %1").arg(club.RekPlus1);
  return t + QStringLiteral(".");
}

TCalc::TCalc(TCompetitie& comp, TRekenStaat& staat, char decimaal, TMeldLijst* meldingen,
             QWidget* ouder)
    : TDialoog(T("Eindstanden berekenen"), Help, ouder),
      comp_(comp),
      staat_(staat),
      decimaal_(decimaal),
      meldingen_(meldingen) {
  auto* bereken = new QGroupBox(T("Bereken :"));
  auto* berekenLayout = new QVBoxLayout(bereken);
  BrutoNettoKnop = new QRadioButton(T("&Eindstand met bruto / netto punten"));
  NettoBox = new QCheckBox(T("&Netto totaal"));
  BrutoBox = new QCheckBox(T("&Bruto totaal"));
  DagBox = new QCheckBox(T("Als dagklasse&ment"));
  GemiddeldeKnop = new QRadioButton(T("&Gemiddelde punten"));
  GemiddeldeLabel = new QLabel;
  GemiddeldeLabel->setToolTip(T("Zie Club gegevens, gemiddelde."));
  berekenLayout->addWidget(BrutoNettoKnop);
  berekenLayout->addLayout(Ingesprongen(NettoBox));
  berekenLayout->addLayout(Ingesprongen(BrutoBox));
  berekenLayout->addLayout(Ingesprongen(DagBox));
  berekenLayout->addSpacing(6);
  berekenLayout->addWidget(GemiddeldeKnop);
  berekenLayout->addLayout(Ingesprongen(GemiddeldeLabel));
  berekenLayout->addStretch();

  auto* uitrekenen = new QGroupBox(T("Uitrekenen voor :"));
  auto* uitLayout = new QVBoxLayout(uitrekenen);
  AlleKlassenKnop = new QRadioButton(T("Alle &klassen"));
  NettoRegelLabel = new QLabel;
  NettoRegelLabel->setWordWrap(true);
  NettoRegelLabel->setToolTip(T("Zie Club gegevens, rekenmethode."));
  HuidigeKlasseKnop = new QRadioButton(T("&De huidige klasse"));
  NettoGroep = new QGroupBox(T("Netto berekening"));
  auto* nettoLayout = new QGridLayout(NettoGroep);
  AantalLabel = new QLabel;
  NettoSpin = new QSpinBox;
  NettoSpin->setRange(1, 500);
  NettoSpin->setValue(1);
  NettoSpin->setMinimumWidth(NettoSpin->fontMetrics().horizontalAdvance(QStringLiteral("888")) +
                             40);
  auto* overLabel = new QLabel(T("Netto punten bereken over"));
  overLabel->setBuddy(NettoSpin);
  nettoLayout->addWidget(AantalLabel, 0, 0, 1, 3);
  nettoLayout->addWidget(overLabel, 1, 0);
  nettoLayout->addWidget(NettoSpin, 1, 1);
  nettoLayout->addWidget(new QLabel(T("uitslagen")), 1, 2);
  nettoLayout->setColumnStretch(3, 1);
  uitLayout->addWidget(AlleKlassenKnop);
  uitLayout->addLayout(Ingesprongen(NettoRegelLabel));
  uitLayout->addWidget(HuidigeKlasseKnop);
  uitLayout->addWidget(NettoGroep);
  uitLayout->addStretch();

  BMLijst = new QComboBox;
  for (int i = 0; i < 4; ++i) BMLijst->addItem(T(BMKeuzeTekst(i)));
  auto* bmLabel = new QLabel(T("&Voor rijders buitenmededinging geldt :"));
  bmLabel->setBuddy(BMLijst);
  auto* bm = new QHBoxLayout;
  bm->addWidget(bmLabel);
  bm->addWidget(BMLijst, 1);

  QDialogButtonBox* knoppen = MaakKnoppen();

  auto* boven = new QHBoxLayout;
  boven->addWidget(bereken, 1);
  boven->addWidget(uitrekenen, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boven);
  layout->addLayout(bm);
  layout->addWidget(knoppen);
  // The net-rule label comes and goes: the dialog keeps its size.
  NettoRegelLabel->setMinimumHeight(NettoRegelLabel->fontMetrics().lineSpacing() * 2);
  QSizePolicy beleid = NettoRegelLabel->sizePolicy();
  beleid.setRetainSizeWhenHidden(true);
  NettoRegelLabel->setSizePolicy(beleid);
  // The word-wrapped label would let the layout squeeze the spin's captions.
  overLabel->setMinimumWidth(overLabel->sizeHint().width());
  AantalLabel->setMinimumWidth(AantalLabel->fontMetrics().horizontalAdvance(AantalTekst(500)));

  // The two pairs of radio buttons live in separate groups, so each is exclusive.
  for (QRadioButton* k : {BrutoNettoKnop, GemiddeldeKnop, AlleKlassenKnop, HuidigeKlasseKnop})
    connect(k, &QRadioButton::toggled, this, &TCalc::Inschakelen);
  // At least one total stays checked.
  connect(NettoBox, &QCheckBox::toggled, this, [this](bool aan) {
    if (!aan) BrutoBox->setChecked(true);
    Inschakelen();
  });
  connect(BrutoBox, &QCheckBox::toggled, this, [this](bool aan) {
    if (!aan) NettoBox->setChecked(true);
    Inschakelen();
  });
}

void TCalc::Laden() {
  const TEindKeuze k = EindKeuzeVan(staat_.EindOptie);
  {
    // The rules run once, after all controls are set.
    QObject* const knoppen[] = {BrutoNettoKnop, GemiddeldeKnop,  NettoBox,
                                BrutoBox,       AlleKlassenKnop, HuidigeKlasseKnop};
    std::vector<QSignalBlocker> stil;
    for (QObject* o : knoppen) stil.emplace_back(o);
    (k.BrutoNetto ? BrutoNettoKnop : GemiddeldeKnop)->setChecked(true);
    NettoBox->setChecked(k.Netto);
    BrutoBox->setChecked(k.Bruto);
    DagBox->setChecked(k.Dag);
    (k.AlleKlassen ? AlleKlassenKnop : HuidigeKlasseKnop)->setChecked(true);
  }
  BMLijst->setCurrentIndex(k.BM);

  TKlasse* actief = comp_.Actief();
  const int n = actief ? actief->AantalUitslagen() : 0;
  AantalLabel->setText(AantalTekst(n));
  NettoRegelLabel->setText(NettoRegelTekst(comp_.Club));
  GemiddeldeLabel->setText(Q(GemiddeldeTekst(comp_.Club.GemidOptie)));
  // The caller made sure there is a counting result; the spin never goes below 1.
  NettoSpin->setMaximum(std::max(n, 1));
  NettoSpin->setValue(std::min(NettoAantal(actief, comp_.Club), n));
  Inschakelen();
}

void TCalc::Inschakelen() {
  const bool brutoNetto = BrutoNettoKnop->isChecked();
  const bool gemidNetto = comp_.Club.GemidOptie == 2;
  NettoBox->setEnabled(brutoNetto);
  BrutoBox->setEnabled(brutoNetto);
  NettoRegelLabel->setVisible(brutoNetto ? NettoBox->isChecked() : gemidNetto);
  GemiddeldeLabel->setEnabled(!brutoNetto);
  const bool nettoNodig =
      HuidigeKlasseKnop->isChecked() && ((NettoBox->isChecked() && NettoBox->isEnabled()) ||
                                         (GemiddeldeKnop->isChecked() && gemidNetto));
  NettoGroep->setEnabled(nettoNodig);
  NettoRegelLabel->setEnabled(!nettoNodig);
  DagBox->setEnabled(BrutoBox->isChecked() && !NettoBox->isChecked());
}

TEindKeuze TCalc::Keuze() const {
  TEindKeuze k;
  k.BrutoNetto = BrutoNettoKnop->isChecked();
  k.Netto = NettoBox->isChecked();
  k.Bruto = BrutoBox->isChecked();
  k.Dag = DagBox->isChecked();
  k.BM = std::clamp(BMLijst->currentIndex(), 0, 3);
  k.AlleKlassen = AlleKlassenKnop->isChecked();
  return k;
}

void TCalc::Afronden() {
  BerekenEindstanden(comp_, staat_, Keuze(), NettoSpin->value(), decimaal_, meldingen_);
}

}  // namespace kzo
