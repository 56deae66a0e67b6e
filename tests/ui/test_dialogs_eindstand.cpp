#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <cstring>
#include <utility>
#include <vector>

#include "bouwer.h"
#include "core/records/punten.h"
#include "core/scoring/eindstand.h"
#include "omgeving.h"
#include "ui/dialogs/club/rekavan.h"
#include "ui/dialogs/eindstand/calc.h"
#include "ui/dialogs/eindstand/toonbox.h"

namespace kzo::test {
namespace {

constexpr std::int32_t kNu = 0x58651C00;

// MX1: 5 riders, 3 results (net count 3); MX2: 4 riders, 10 results (net count 6).
struct CalcTest : ::testing::Test {
  TCompetitie comp;
  TRekenStaat staat;
  TMeldLijst lijst;
  TScriptGebruiker g;

  CalcTest() {
    comp.StandaardInstellingen(kNu);
    comp.Tabs.clear();
    VoegKlasse(comp, "MX1", 5, 3);
    VoegKlasse(comp, "MX2", 4, 10);
    comp.ActieveTab = 1;
  }
  TKlasse& K(int i) { return *comp.Tabs[static_cast<std::size_t>(i)]; }
  static bool Zichtbaar(const QWidget* w) { return !w->isHidden(); }
};

TEST_F(CalcTest, OpensFromTheStartUpOptionWord) {
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();
  EXPECT_EQ(QStringLiteral("Eindstanden berekenen"), d.windowTitle());
  EXPECT_TRUE(d.BrutoNettoKnop->isChecked());
  EXPECT_FALSE(d.GemiddeldeKnop->isChecked());
  EXPECT_TRUE(d.NettoBox->isChecked());
  EXPECT_TRUE(d.BrutoBox->isChecked());
  EXPECT_FALSE(d.DagBox->isChecked());
  EXPECT_FALSE(d.DagBox->isEnabled());
  EXPECT_EQ(QStringLiteral("Geen eindklassing"), d.BMLijst->currentText());
  EXPECT_TRUE(d.AlleKlassenKnop->isChecked());
  EXPECT_FALSE(d.HuidigeKlasseKnop->isChecked());
  EXPECT_FALSE(d.NettoGroep->isEnabled());  // all classes: each its own net count
  EXPECT_EQ(EindOptieStart, EindOptieWoord(d.Keuze()));

  // Every other word comes back as it went in.
  for (int w : {0x3C, 0x13, 0x67, 0x2A}) {
    staat.EindOptie = w;
    TCalc e(comp, staat, ',', &lijst);
    e.Laden();
    EXPECT_EQ(w, EindOptieWoord(e.Keuze())) << w;
  }
}

TEST_F(CalcTest, CountNetRuleAndAveragingLabels) {
  EXPECT_EQ(QStringLiteral("Er is 1 tellende uitslag."), TCalc::AantalTekst(1));
  EXPECT_EQ(QStringLiteral("Er zijn 12 tellende uitslagen."), TCalc::AantalTekst(12));

  TClubInfo club = comp.Club;
  club.RekOptie = 0x10;
  club.Schrap = 2;
  EXPECT_EQ(QStringLiteral("Schrapresultaten = 2"), TCalc::NettoRegelTekst(club));
  club.RekOptie = 0;
  club.RekPercentage = 50;
  club.RekPlus1 = 0;
  EXPECT_EQ(QStringLiteral("Netto bereken met 50% van de ingevoerde uitslagen."),
            TCalc::NettoRegelTekst(club));
  club.RekPlus1 = 1;
  EXPECT_EQ(QStringLiteral("Netto bereken met 50% van de ingevoerde uitslagen + 1."),
            TCalc::NettoRegelTekst(club));

  comp.Club.GemidOptie = 2;
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();
  EXPECT_EQ(QStringLiteral("Er zijn 10 tellende uitslagen."), d.AantalLabel->text());
  EXPECT_EQ(QStringLiteral("Netto bereken met 50% van de ingevoerde uitslagen + 1."),
            d.NettoRegelLabel->text());
  EXPECT_EQ(QStringLiteral("Gemid. van Netto uitslagen"), d.GemiddeldeLabel->text());
  // The spin offers the class's counting results and starts on its net count.
  EXPECT_EQ(10, d.NettoSpin->maximum());
  EXPECT_EQ(6, d.NettoSpin->value());
}

TEST_F(CalcTest, NettoBrutoDayAndNetGroupEnabling) {
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();
  EXPECT_TRUE(Zichtbaar(d.NettoRegelLabel));
  EXPECT_TRUE(d.NettoRegelLabel->isEnabled());
  EXPECT_FALSE(d.GemiddeldeLabel->isEnabled());

  // The current class needs the spin for its net count.
  d.HuidigeKlasseKnop->click();
  EXPECT_TRUE(d.NettoGroep->isEnabled());
  EXPECT_FALSE(d.NettoRegelLabel->isEnabled());

  // Netto off: Bruto alone, the day box may be used, no net count needed.
  d.NettoBox->click();
  EXPECT_FALSE(d.NettoBox->isChecked());
  EXPECT_TRUE(d.BrutoBox->isChecked());
  EXPECT_TRUE(d.DagBox->isEnabled());
  EXPECT_FALSE(Zichtbaar(d.NettoRegelLabel));
  EXPECT_FALSE(d.NettoGroep->isEnabled());

  // Bruto off as well: Netto comes back, so one total always stays.
  d.BrutoBox->click();
  EXPECT_FALSE(d.BrutoBox->isChecked());
  EXPECT_TRUE(d.NettoBox->isChecked());
  EXPECT_FALSE(d.DagBox->isEnabled());
  EXPECT_TRUE(d.NettoGroep->isEnabled());

  // Averages: the totals are switched off; the net rule matters only for GemidOptie 2.
  d.GemiddeldeKnop->click();
  EXPECT_FALSE(d.NettoBox->isEnabled());
  EXPECT_FALSE(d.BrutoBox->isEnabled());
  EXPECT_TRUE(d.GemiddeldeLabel->isEnabled());
  EXPECT_FALSE(Zichtbaar(d.NettoRegelLabel));
  EXPECT_FALSE(d.NettoGroep->isEnabled());

  comp.Club.GemidOptie = 2;
  d.Inschakelen();
  EXPECT_TRUE(Zichtbaar(d.NettoRegelLabel));
  EXPECT_TRUE(d.NettoGroep->isEnabled());
  d.AlleKlassenKnop->click();
  EXPECT_FALSE(d.NettoGroep->isEnabled());
  EXPECT_TRUE(d.NettoRegelLabel->isEnabled());
}

TEST_F(CalcTest, ComputingTwiceLeavesOneSetOfColumns) {
  const int kolommen = K(1).SG.ColCount();
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();
  d.Afronden();
  d.Afronden();
  EXPECT_EQ(kolommen + 2, K(1).SG.ColCount());
  EXPECT_EQ(2, K(1).BN);
  EXPECT_EQ("Bruto", K(1).SG.Kop(kolommen));
  EXPECT_EQ("Netto", K(1).SG.Kop(kolommen + 1));
  EXPECT_EQ(VeldNetto, K(1).SG.Kolom(kolommen + 1)->mode);
  EXPECT_EQ("PL", K(1).SG.Kop(1));
  EXPECT_EQ(EindOptieStart, staat.EindOptie);

  // Averages replace them with their own three.
  d.GemiddeldeKnop->click();
  d.Afronden();
  EXPECT_EQ(kolommen + 3, K(1).SG.ColCount());
  EXPECT_EQ("Gemiddeld", K(1).SG.Kop(kolommen + 2));
  EXPECT_EQ(EindOptieStart & ~1, staat.EindOptie);
}

TEST_F(CalcTest, DayBoxOnlyWithBrutoAlone) {
  const int kolommen = K(1).SG.ColCount();
  staat.EindOptie = EindOptieStart | EindDag;
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();  // day box remembered while both totals were checked
  EXPECT_TRUE(d.DagBox->isChecked());
  EXPECT_FALSE(d.DagBox->isEnabled());
  d.Afronden();
  EXPECT_EQ(VeldBruto, K(1).SG.Kolom(kolommen)->mode);  // no effect with both totals

  d.NettoBox->click();
  d.Afronden();
  ASSERT_EQ(kolommen + 1, K(1).SG.ColCount());
  EXPECT_EQ("Bruto", K(1).SG.Kop(kolommen));
  EXPECT_EQ(VeldDag, K(1).SG.Kolom(kolommen)->mode);
  EXPECT_EQ(1, K(1).BN);
}

TEST_F(CalcTest, NetSpinAppliesToTheCurrentClassOnly) {
  const int kol0 = K(0).SG.ColCount(), kol1 = K(1).SG.ColCount();
  TCalc d(comp, staat, ',', &lijst);
  d.Laden();
  d.HuidigeKlasseKnop->click();
  d.NettoSpin->setValue(2);
  d.Afronden();
  EXPECT_EQ(0, K(0).BN);
  EXPECT_EQ(kol0, K(0).SG.ColCount());
  ASSERT_EQ(kol1 + 2, K(1).SG.ColCount());
  EXPECT_EQ(2, K(1).SG.Kolom(kol1 + 1)->Data);  // Netto over the spin's 2 results
  EXPECT_FALSE(Heeft(staat.EindOptie, EindAlleKlassen));

  // All classes: each class its own net count, whatever the spin says.
  d.AlleKlassenKnop->click();
  d.Afronden();
  EXPECT_EQ(NettoAantal(&K(0), comp.Club), K(0).SG.Kolom(kol0 + 1)->Data);
  EXPECT_EQ(3, K(0).SG.Kolom(kol0 + 1)->Data);
  EXPECT_EQ(6, K(1).SG.Kolom(kol1 + 1)->Data);
}

TEST_F(CalcTest, CancelChangesNothing) {
  staat.EindOptie = 0x13;
  const int kolommen = K(1).SG.ColCount();
  g.Bij<TCalc>([](TCalc& d) {
    d.BMLijst->setCurrentIndex(3);
    return QDialog::Rejected;
  });
  EXPECT_FALSE(TCalc(comp, staat, ',', &lijst).Open(g));
  EXPECT_EQ(0x13, staat.EindOptie);
  EXPECT_EQ(kolommen, K(1).SG.ColCount());

  g.Bij<TCalc>([](TCalc& d) {
    d.BMLijst->setCurrentIndex(0);
    return TScriptGebruiker::Ok(d);
  });
  EXPECT_TRUE(TCalc(comp, staat, ',', &lijst).Open(g));
  EXPECT_EQ(0x03, staat.EindOptie);
  ASSERT_EQ(kolommen + 1, K(1).SG.ColCount());  // Netto alone, as the word said
  EXPECT_EQ("Netto", K(1).SG.Kop(kolommen));
}

// ---- tie-break sequence ----

struct RekAvanTest : ::testing::Test {
  TClubInfo club{};
  TScriptGebruiker g;
  RekAvanTest() {
    StandaardClubInfo(club, kNu);
    std::memset(club.MethRek, 0, sizeof club.MethRek);
    club.MethRek[0][0] = 1;
    club.MethRek[1][0] = 2;
    club.MethRek[1][1] = 5;
    club.MethRek[2][0] = 6;
    club.RekWarn = 2;
  }
  static bool Zichtbaar(const QWidget* w) { return !w->isHidden(); }
};

TEST_F(RekAvanTest, LoadShowsTheSequence) {
  TRekAvan d(club, g);
  EXPECT_EQ(QStringLiteral("Rekenmethode met een gelijk aantal punten"), d.windowTitle());
  EXPECT_FALSE(d.StapLijst[2]->isEnabled());  // before loading, lists 3-5 are off
  d.Laden();
  EXPECT_EQ(10, d.StapLijst[0]->count());
  EXPECT_EQ(QStringLiteral("<niets>"), d.StapLijst[0]->itemText(0));
  EXPECT_EQ(QStringLiteral("Aantal 1e, 2e, ... plaatsen"), d.StapLijst[1]->currentText());
  EXPECT_EQ(1, d.StapLijst[0]->currentIndex());
  EXPECT_EQ(6, d.StapLijst[2]->currentIndex());
  EXPECT_EQ(-1, d.StapLijst[3]->currentIndex());
  EXPECT_TRUE(d.StapLijst[3]->isEnabled());
  EXPECT_FALSE(d.StapLijst[4]->isEnabled());
  EXPECT_TRUE(Zichtbaar(d.StapSpin[1]));
  EXPECT_TRUE(Zichtbaar(d.StapLabel[1]));
  EXPECT_EQ(5, d.StapSpin[1]->value());
  EXPECT_FALSE(Zichtbaar(d.StapSpin[0]));
  EXPECT_EQ(QStringLiteral("Bruto punten"), d.StapLijst[2]->toolTip());
  EXPECT_EQ(3, d.WarnSpin->maximum());
  EXPECT_EQ(2, d.WarnSpin->value());

  // A warning step beyond the sequence shows as no warning.
  club.RekWarn = 4;
  TRekAvan e(club, g);
  e.Laden();
  EXPECT_EQ(0, e.WarnSpin->value());
}

TEST_F(RekAvanTest, NothingInStep2ClearsTheRest) {
  TRekAvan d(club, g);
  d.Laden();
  d.StapLijst[1]->setCurrentIndex(0);  // "<niets>"
  for (int k = 1; k < 5; ++k) {
    EXPECT_EQ(-1, d.StapLijst[static_cast<std::size_t>(k)]->currentIndex()) << k;
    EXPECT_TRUE(d.StapLijst[static_cast<std::size_t>(k)]->toolTip().isEmpty()) << k;
    EXPECT_FALSE(Zichtbaar(d.StapSpin[static_cast<std::size_t>(k)])) << k;
    EXPECT_FALSE(Zichtbaar(d.StapLabel[static_cast<std::size_t>(k)])) << k;
  }
  EXPECT_TRUE(d.StapLijst[1]->isEnabled());
  for (int k = 2; k < 5; ++k) EXPECT_FALSE(d.StapLijst[static_cast<std::size_t>(k)]->isEnabled());
  EXPECT_EQ(1, d.WarnSpin->maximum());
  EXPECT_EQ(1, d.WarnSpin->value());

  ASSERT_TRUE(d.Toepassen());
  EXPECT_EQ(1, club.MethRek[0][0]);
  for (int k = 1; k < 5; ++k) EXPECT_EQ(0, club.MethRek[k][0]) << k;
  EXPECT_EQ(1, club.RekWarn);
}

TEST_F(RekAvanTest, OkStoresStepsUpToTheFirstGap) {
  TRekAvan d(club, g);
  d.Laden();
  d.StapLijst[3]->setCurrentIndex(2);
  EXPECT_TRUE(Zichtbaar(d.StapSpin[3]));
  EXPECT_TRUE(d.StapLijst[4]->isEnabled());
  EXPECT_EQ(4, d.WarnSpin->maximum());
  d.StapSpin[3]->setValue(255);
  d.WarnSpin->setValue(4);
  ASSERT_TRUE(d.Toepassen());
  const std::uint8_t verwacht[5][2] = {{1, 0}, {2, 5}, {6, 0}, {2, 255}, {0, 0}};
  EXPECT_EQ(0, std::memcmp(verwacht, club.MethRek, sizeof verwacht));
  EXPECT_EQ(4, club.RekWarn);
  EXPECT_TRUE(g.fouten.empty());
}

TEST_F(RekAvanTest, ParameterAboveAByteIsRefused) {
  TRekAvan d(club, g);
  d.Laden();
  EXPECT_EQ(500, d.StapSpin[1]->maximum());
  d.StapSpin[1]->setValue(300);
  d.WarnSpin->setValue(3);
  EXPECT_FALSE(d.Toepassen());
  ASSERT_EQ(1u, g.fouten.size());
  EXPECT_TRUE(g.fouten[0].contains(QStringLiteral("255")));
  // Nothing was stored: not 300 - 256 = 44, not half a sequence.
  EXPECT_EQ(5, club.MethRek[1][1]);
  EXPECT_EQ(2, club.RekWarn);
}

// ---- message list window ----

// The main window's part is played by the test: it notes the classes and cells asked for.
struct ToonBoxTest : ::testing::Test {
  TOmgeving o;
  TCompetitie& comp = o.comp;
  std::vector<int> klassen;
  std::vector<std::pair<int, int>> cellen;

  ToonBoxTest() {
    comp.StandaardInstellingen(kNu);
    comp.Tabs.clear();
    VoegKlasse(comp, "MX1", 5, 3);
    VoegKlasse(comp, "Jeugd", 130, 2);
    QObject::connect(&o.ctx, &TContext::KlasseGekozen, [this](int t) {
      klassen.push_back(t);
      comp.ActieveTab = t;
    });
    QObject::connect(&o.ctx, &TContext::CelGekozen,
                     [this](int c, int r) { cellen.emplace_back(c, r); });
  }
};

TEST_F(ToonBoxTest, EmptyLinesAreNotAdded) {
  TToonBox b(o.ctx);
  b.Toevoegen("", 1);
  EXPECT_FALSE(b.HebTekst());
  b.Toevoegen("MX1\tPlaats 1 t/m 2", 0);
  EXPECT_TRUE(b.HebTekst());
  // Shown once, then emptied.
  int getoond = 0;
  o.g.Bij<TToonBox>([&](TToonBox& t) {
    ++getoond;
    EXPECT_EQ(1, t.ListBox1->count());
    EXPECT_EQ(QStringLiteral("Stand niet kunnen bepalen van:"), t.windowTitle());
    EXPECT_EQ(TToonBox::HelpGelijken, t.HelpContext());
    return QDialog::Accepted;
  });
  b.Gelijken();
  EXPECT_EQ(1, getoond);
  EXPECT_FALSE(b.HebTekst());
  EXPECT_EQ(0, b.ListBox1->count());
}

TEST_F(ToonBoxTest, TieLineSelectsClassAndLastRowInFull) {
  TToonBox b(o.ctx);
  b.Toevoegen("MX1\tPlaats 3 t/m 5", 0);
  b.Toevoegen("Jeugd\tPlaats 123 t/m 125 <!>", 1);
  b.Toevoegen("Weg\tPlaats 1 t/m 2", 7);  // no such tab
  b.ZetModus(false);

  b.Klik(1);
  EXPECT_EQ(std::vector<int>{1}, klassen);
  ASSERT_EQ(1u, cellen.size());
  EXPECT_EQ(std::make_pair(comp.Tabs[1]->SG.ColCount() - 1, 125), cellen[0]);

  b.Klik(0);
  EXPECT_EQ((std::vector<int>{1, 0}), klassen);
  EXPECT_EQ(std::make_pair(comp.Tabs[0]->SG.ColCount() - 1, 5), cellen.back());

  b.Klik(2);
  EXPECT_EQ(2u, klassen.size());  // the tab stays
  EXPECT_EQ(2, cellen.back().second);

  EXPECT_EQ(125, TToonBox::GetalNa("x t/m 125.", 5));
  EXPECT_EQ(0, TToonBox::GetalNa("x t/m", 5));
}

TEST_F(ToonBoxTest, NormalModeFindsTheRiderOfAFinding) {
  // Jeugd on tab 1 with places stored and shown as places; result 2 of rows 1..130.
  comp.ActieveTab = 1;
  comp.Club.AlgOptie = AlgPlaatsenOpslag;
  TKlasse& k = *comp.Tabs[1];
  k.SG.Row = 4;
  k.SG.Col = 2;
  for (int r = 1; r <= 130; ++r) k.Rijder(r)->Uitslag(2) = static_cast<std::int16_t>(r);
  k.Rijder(7)->Uitslag(2) = 120;    // place 120 twice (rows 7 and 120)
  k.Rijder(110)->Uitslag(2) = 113;  // places 110..112 missing
  k.Rijder(111)->Uitslag(2) = 113;
  k.Rijder(112)->Uitslag(2) = 113;

  struct Geval {
    const char* tekst;
    int data, col, row;
  } gevallen[] = {
      {"Kolom: 2\tPlaats 120 komt 2 maal voor.", 2, k.UitslKolom(2), 7},  // not place 12
      {"Kolom: 2\tPlaats 112 t/m 110 komen niet voor.", 2, k.UitslKolom(2), 110},
      {"Kolom: 2\tPlaats 7 komt niet voor.", 2, k.UitslKolom(2), 8},
      {"Kolom: 2\tPlaats 131 komt 2 maal voor.", 2, k.UitslKolom(2), 4},  // nobody: row stays
      {"Kolom: 0\tPlaats 3 komt 2 maal voor.", 0, 2, 1},                  // no result number
  };
  for (const auto& c : gevallen) {
    TToonBox b(o.ctx);
    b.Toevoegen(c.tekst, c.data);
    b.ZetModus(true);
    EXPECT_EQ(QStringLiteral("Gevonden fouten"), b.windowTitle());
    b.Klik(0);
    ASSERT_FALSE(cellen.empty()) << c.tekst;
    EXPECT_EQ(std::make_pair(c.col, c.row), cellen.back()) << c.tekst;
  }
  EXPECT_TRUE(klassen.empty());

  // Points stored and shown: an invalid value is sought as it stands, a missing place
  // by the points of the place after it.
  comp.Club.AlgOptie = 0x00;
  k.Rijder(9)->Uitslag(1) = 44;
  k.Rijder(10)->Uitslag(1) = static_cast<std::int16_t>(PlaatsNaarPunten(comp.Club, 3));
  const std::pair<std::string, int> punten[] = {
      {"Kolom: 1\tOngeldige uitslag waarde 44 !", 9},
      {"Kolom: 1\tUitslag waarde " + std::to_string(PlaatsNaarPunten(comp.Club, 2)) +
           " komt niet voor.",
       10},
  };
  for (const auto& [tekst, row] : punten) {
    TToonBox b(o.ctx);
    b.Toevoegen(tekst, 1);
    b.ZetModus(true);
    b.Klik(0);
    EXPECT_EQ(std::make_pair(k.UitslKolom(1), row), cellen.back()) << tekst;
  }
}

}  // namespace
}  // namespace kzo::test
