#include "ui/dialogs/uitvoer/tekstuit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/gebruiker.h"

namespace kzo {

namespace {}  // namespace

TTekstUit::TTekstUit(TCompetitie& comp, IGebruiker& gebruiker, TTekstUitOpties& onthouden,
                     const QString& map, char decimaal, QWidget* ouder)
    : TDialoog(T("Uitvoer tekst / HTML bestand"), Help, ouder),
      comp_(comp),
      gebruiker_(gebruiker),
      onthouden_(onthouden),
      map_(map),
      decimaal_(decimaal) {
  BouwOp();
}

void TTekstUit::BouwOp() {
  auto* type = new QGroupBox(T("Type bestand:"));
  auto* typeLaag = new QVBoxLayout(type);
  Tekstbestand = new QRadioButton(T("Tekstbestand"));
  HtmlBestand = new QRadioButton(T("HTML bestand"));
  typeLaag->addWidget(Tekstbestand);
  typeLaag->addWidget(HtmlBestand);

  auto* klassen = new QGroupBox(T("Uit te voeren klassen"));
  auto* klassenLaag = new QVBoxLayout(klassen);
  HuidigeKlasse = new QRadioButton(T("Hui&dige klasse"));
  AlleKlassen = new QRadioButton(T("Alle k&lassen"));
  SelectieKlassen = new QRadioButton(T("Sele&ctie van klassen:"));
  CheckListBox1 = new QListWidget;
  CheckListBox1->setMinimumHeight(90);
  klassenLaag->addWidget(HuidigeKlasse);
  klassenLaag->addWidget(AlleKlassen);
  klassenLaag->addWidget(SelectieKlassen);
  klassenLaag->addWidget(CheckListBox1, 1);

  auto* scheiden = new QGroupBox(T("Velden scheiden met :"));
  auto* scheidenLaag = new QGridLayout(scheiden);
  Tabteken = new QRadioButton(T("&Tabteken"));
  Puntkomma = new QRadioButton(T("&Puntkomma"));
  ElkVeldRegel = new QRadioButton(T("&Elk veld op nieuwe regel"));
  Karakter = new QRadioButton(T("&Karakter:"));
  KarakterTekst = new QLineEdit;
  KarakterTekst->setMaximumWidth(60);
  scheidenLaag->addWidget(Tabteken, 0, 0, 1, 2);
  scheidenLaag->addWidget(Puntkomma, 1, 0, 1, 2);
  scheidenLaag->addWidget(ElkVeldRegel, 2, 0, 1, 2);
  scheidenLaag->addWidget(Karakter, 3, 0);
  scheidenLaag->addWidget(KarakterTekst, 3, 1, Qt::AlignLeft);
  scheidenLaag->setColumnStretch(1, 1);

  auto* inclusief = new QGroupBox(T("Uitvoer bewerkscherm  inclusief :"));
  auto* inclusiefLaag = new QGridLayout(inclusief);
  Uitslagen = new QCheckBox(T("&Uitslagen"));
  Startnummer = new QCheckBox(T("&Startnummer"));
  Netto = new QCheckBox(T("Netto"));
  Bruto = new QCheckBox(T("Bruto"));
  Totaal = new QCheckBox(T("Totaal"));
  AantalUitslagen = new QCheckBox(T("Aantal uitslagen"));
  Gemiddelde = new QCheckBox(T("Gemiddelde"));
  inclusiefLaag->addWidget(Uitslagen, 0, 0);
  inclusiefLaag->addWidget(Startnummer, 1, 0);
  inclusiefLaag->addWidget(Netto, 2, 0);
  inclusiefLaag->addWidget(Bruto, 3, 0);
  inclusiefLaag->addWidget(Totaal, 0, 1);
  inclusiefLaag->addWidget(AantalUitslagen, 1, 1);
  inclusiefLaag->addWidget(Gemiddelde, 2, 1);

  auto* diverse = new QGroupBox(T("Diverse :"));
  auto* diverseLaag = new QVBoxLayout(diverse);
  Informatie = new QCheckBox(T("&Informatie uitslagen uitvoeren"));
  WisselNaam = new QCheckBox(T("&Wissel naam"));
  Clubnaam = new QCheckBox(T("Clubnaam uitvoeren"));
  KlasseNaam = new QCheckBox(T("Naam klasse uitvoeren"));
  AlleenGeselecteerd = new QCheckBox(T("Alleen geselecteerde rijders"));
  for (QCheckBox* c : {Informatie, WisselNaam, Clubnaam, KlasseNaam, AlleenGeselecteerd})
    diverseLaag->addWidget(c);

  auto* uitslagen = new QGroupBox(T("Uitslagen :"));
  auto* uitslagenLaag = new QGridLayout(uitslagen);
  NulLeeg = new QCheckBox(T("Uitslagen met &nul punten = Leeg"));
  LeegPrint = new QCheckBox(T("Uitslag leeg, Print :"));
  LeegTekst = new QLineEdit;
  LeegTekst->setMaxLength(4);
  LeegTekst->setMaximumWidth(60);
  EenVeld = new QCheckBox(T("&Beschouw alle uitslagen als 1 veld"));
  TussenLabel = new QLabel(T("Ka&rakter(s) tussen uitslagen: "));
  TussenTekst = new QLineEdit;
  TussenTekst->setMaximumWidth(60);
  TussenLabel->setBuddy(TussenTekst);
  uitslagenLaag->addWidget(NulLeeg, 0, 0, 1, 2);
  uitslagenLaag->addWidget(LeegPrint, 1, 0);
  uitslagenLaag->addWidget(LeegTekst, 1, 1, Qt::AlignLeft);
  uitslagenLaag->addWidget(EenVeld, 2, 0, 1, 2);
  uitslagenLaag->addWidget(TussenLabel, 3, 0, Qt::AlignRight);
  uitslagenLaag->addWidget(TussenTekst, 3, 1, Qt::AlignLeft);
  uitslagenLaag->setColumnStretch(1, 1);

  // Radio buttons in one box but of two questions need their own groups.
  auto groep = [this](std::initializer_list<QRadioButton*> knoppen) {
    auto* g = new QButtonGroup(this);
    for (QRadioButton* k : knoppen) g->addButton(k);
  };
  groep({Tekstbestand, HtmlBestand});
  groep({HuidigeKlasse, AlleKlassen, SelectieKlassen});
  groep({Tabteken, Puntkomma, ElkVeldRegel, Karakter});

  auto* links = new QVBoxLayout;
  links->addWidget(type);
  links->addWidget(klassen, 1);
  links->addWidget(scheiden);
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(inclusief);
  rechts->addWidget(diverse);
  rechts->addWidget(uitslagen);
  rechts->addStretch();
  auto* kolommen = new QHBoxLayout;
  kolommen->addLayout(links, 1);
  kolommen->addLayout(rechts, 1);
  auto* laag = new QVBoxLayout(this);
  laag->addLayout(kolommen);
  laag->addWidget(MaakKnoppen());

  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           Tekstbestand, HtmlBestand, Uitslagen, LeegPrint, EenVeld, Tabteken, Puntkomma,
           ElkVeldRegel, Karakter})
    connect(b, &QAbstractButton::toggled, this, &TTekstUit::ZetStaat);
  for (QRadioButton* b : {HuidigeKlasse, AlleKlassen, SelectieKlassen})
    connect(b, &QAbstractButton::toggled, this, [this](bool aan) {
      if (aan) KlassenKeuze();
    });
}

void TTekstUit::ZetStaat() {
  const bool tekst = Tekstbestand->isChecked();
  const bool uit = Uitslagen->isChecked();
  CheckListBox1->setEnabled(SelectieKlassen->isChecked());
  NulLeeg->setEnabled(uit);
  LeegPrint->setEnabled(uit);
  LeegTekst->setEnabled(uit && LeegPrint->isChecked());
  // Joined results and field separators mean nothing in an HTML table.
  EenVeld->setEnabled(uit && tekst);
  TussenLabel->setEnabled(uit && tekst && EenVeld->isChecked());
  TussenTekst->setEnabled(TussenLabel->isEnabled());
  for (QRadioButton* b : {Tabteken, Puntkomma, ElkVeldRegel, Karakter}) b->setEnabled(tekst);
  KarakterTekst->setEnabled(tekst && Karakter->isChecked());
}

void TTekstUit::KlassenKeuze() {
  ZetStaat();
  if (SelectieKlassen->isChecked()) {
    if (CheckListBox1->count() > 0) CheckListBox1->setCurrentRow(0);
    CheckListBox1->setFocus();
  } else {
    CheckListBox1->clearSelection();
  }
}

void TTekstUit::Laden() {
  CheckListBox1->clear();
  for (int t = 0; t < static_cast<int>(comp_.Tabs.size()); ++t) {
    const TKlasse* k = comp_.Tabs[static_cast<std::size_t>(t)].get();
    if (!k) continue;
    auto* item = new QListWidgetItem(Q(k->Naam()), CheckListBox1);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    item->setData(Qt::UserRole, t);
  }

  const TTotaalKeuzes totalen = TotaalKeuzes(comp_);
  Netto->setEnabled(totalen.Netto);
  Bruto->setEnabled(totalen.Bruto);
  for (QCheckBox* c : {Totaal, AantalUitslagen, Gemiddelde}) c->setEnabled(totalen.Gemiddelde);

  const TTekstUitOpties o = OptiesBijOpenen(comp_, onthouden_);
  (o.Html() ? HtmlBestand : Tekstbestand)->setChecked(true);
  (o.A(UitAAlleKlassen)       ? AlleKlassen
   : o.A(UitASelectieKlassen) ? SelectieKlassen
                              : HuidigeKlasse)
      ->setChecked(true);
  (o.A(UitAPuntkomma)      ? Puntkomma
   : o.A(UitAElkVeldRegel) ? ElkVeldRegel
   : o.A(UitAKarakter)     ? Karakter
                           : Tabteken)
      ->setChecked(true);
  for (const auto& [vakje, bit] : Vakjes()) vakje->setChecked(o.B(bit));
  AlleenGeselecteerd->setChecked(false);
  LeegTekst->setText(Q(o.LeegTekst));
  TussenTekst->setText(Q(o.TussenTekst));
  KarakterTekst->setText(Q(o.KarakterTekst));
  KlassenKeuze();
}

std::array<std::pair<QCheckBox*, std::uint16_t>, 14> TTekstUit::Vakjes() const {
  return {{{Uitslagen, UitBUitslagen},
           {Startnummer, UitBStartnummer},
           {Totaal, UitBTotaal},
           {AantalUitslagen, UitBAantalUitslagen},
           {NulLeeg, UitBNulLeeg},
           {EenVeld, UitBEenVeld},
           {Gemiddelde, UitBGemiddelde},
           {Informatie, UitBInformatie},
           {WisselNaam, UitBWisselNaam},
           {LeegPrint, UitBLeegPrint},
           {Clubnaam, UitBClubnaam},
           {KlasseNaam, UitBKlasseNaam},
           {Netto, UitBNetto},
           {Bruto, UitBBruto}}};
}

TTekstUitOpties TTekstUit::Opties() const {
  TTekstUitOpties o;
  std::uint16_t a = UitAAanwezig;
  if (HtmlBestand->isChecked()) a |= UitAHtml;
  const std::pair<QRadioButton*, std::uint16_t> knoppen[] = {{HuidigeKlasse, UitAHuidigeKlasse},
                                                             {AlleKlassen, UitAAlleKlassen},
                                                             {SelectieKlassen, UitASelectieKlassen},
                                                             {Tabteken, UitATabteken},
                                                             {Puntkomma, UitAPuntkomma},
                                                             {ElkVeldRegel, UitAElkVeldRegel},
                                                             {Karakter, UitAKarakter}};
  for (const auto& [knop, bit] : knoppen)
    if (knop->isChecked()) a |= bit;
  std::uint16_t b = 0;
  for (const auto& [vakje, bit] : Vakjes())
    if (vakje->isChecked()) b |= bit;
  o.WoordA = a;
  o.WoordB = b;
  o.LeegTekst = S(LeegTekst->text());
  o.TussenTekst = S(TussenTekst->text());
  o.KarakterTekst = S(KarakterTekst->text());
  for (int i = 0; i < CheckListBox1->count(); ++i) {
    const QListWidgetItem* item = CheckListBox1->item(i);
    if (item->checkState() == Qt::Checked) o.Klassen.push_back(item->data(Qt::UserRole).toInt());
  }
  o.AlleenGeselecteerd = AlleenGeselecteerd->isChecked();
  return o;
}

QString TTekstUit::Filter() {
  return T(
      "Tekstbestanden [*.txt] (*.txt);;HTML bestand [*.html / *.htm] (*.html *.htm);;"
      "Alle bestanden (*)");
}

bool TTekstUit::Uitvoeren(const TTekstUitOpties& o, const QString& map, char decimaal) {
  const bool html = o.Html();
  const auto gekozen = gebruiker_.BewaarBestand(T("Opslaan als"), map, Filter(),
                                                html ? T("html") : T("txt"), QString());
  if (!gekozen) return false;
  const std::string pad = UitvoerBestandsnaam(S(*gekozen), html);
  switch (SchrijfTekstUitvoer(pad, comp_, o, decimaal)) {
    case TSchrijfUitkomst::Goed:
      return true;
    case TSchrijfUitkomst::NietAangemaakt:
      // A file that cannot be created is left without a word.
      return false;
    case TSchrijfUitkomst::SchrijfFout:
      break;
  }
  gebruiker_.Fout(T("Fout bij het schrijven van \"%1\".").arg(Q(pad)));
  return false;
}

void TTekstUit::Afronden() {
  const TTekstUitOpties o = Opties();
  onthouden_ = OptiesOnthouden(o);
  Uitvoeren(o, map_, decimaal_);
}

}  // namespace kzo
