#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "test_main_opzet.h"
#include "ui/dialogs/eindstand/calc.h"
#include "ui/dialogs/eindstand/toonbox.h"
#include "ui/main/commando/commando.h"
#include "ui/main/commando/eindstandcommando.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo::test {
namespace {

// Every standings dialog of a test is answered by CalcTonen ("&Ok" when it returns true),
// every tie window by LijstTonen.
class EindstandTest : public HoofdvensterTest {
 protected:
  std::function<bool(TCalc&)> CalcTonen;
  std::function<void(TToonBox&)> LijstTonen;

  void SetUp() override {
    HoofdvensterTest::SetUp();
    g.elkeDialoog = [this](QDialog& d) -> int {
      if (auto* c = dynamic_cast<TCalc*>(&d)) {
        if (!CalcTonen) throw std::logic_error("standings dialog shown");
        return CalcTonen(*c) ? TScriptGebruiker::Ok(*c) : QDialog::Rejected;
      }
      if (auto* b = dynamic_cast<TToonBox*>(&d)) {
        if (!LijstTonen) throw std::logic_error("tie window shown");
        LijstTonen(*b);
        return QDialog::Accepted;
      }
      throw std::logic_error("unexpected dialog");
    };
  }
  TKlasse& K(int i) { return *Comp().Tabs[static_cast<std::size_t>(i)]; }
  void Eindstanden() { Trigger(actie::Eindstanden); }
};

TEST_F(EindstandTest, NoCountingResultGivesCode70) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  f->TabControl1()->setCurrentIndex(1);  // Jeugd: no results
  f->findChild<TEindstandCommando*>()->Eindstanden();
  EXPECT_EQ(std::vector<std::uint32_t>{70}, g.meldingen);
  EXPECT_EQ(0, K(1).BN);
}

TEST_F(EindstandTest, ComputedStateShownAndRemovedAgain) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TKlasse& k = K(0);
  const int kolommen = k.SG.ColCount();
  ASSERT_TRUE(f->Commando().Actie(actie::Eindstanden)->isEnabled());

  int geopend = 0;
  CalcTonen = [&](TCalc& d) {
    ++geopend;
    if (geopend == 1) {
      // The start-up option word.
      EXPECT_TRUE(d.BrutoNettoKnop->isChecked());
      EXPECT_TRUE(d.NettoBox->isChecked() && d.BrutoBox->isChecked());
      EXPECT_FALSE(d.DagBox->isChecked() || d.DagBox->isEnabled());
      EXPECT_EQ(1, d.BMLijst->currentIndex());
      EXPECT_TRUE(d.AlleKlassenKnop->isChecked());
      d.HuidigeKlasseKnop->click();
      d.BMLijst->setCurrentIndex(0);
    } else {
      // The choices of the last run come back.
      EXPECT_TRUE(d.HuidigeKlasseKnop->isChecked());
      EXPECT_EQ(0, d.BMLijst->currentIndex());
    }
    return true;
  };
  LijstTonen = [](TToonBox&) {};
  Eindstanden();
  ASSERT_EQ(1, geopend);
  EXPECT_EQ(0x07, Ctx().Staat().EindOptie);

  // The grid shows the computed class: columns, "PL", and the net rule in the status
  // bar on the Netto column.
  EXPECT_EQ(kolommen + 2, k.SG.ColCount());
  EXPECT_EQ(k.SG.ColCount(), f->Grid().Grid()->ColCount());
  EXPECT_EQ("PL", k.SG.Kop(1));
  EXPECT_FALSE(k.NettoTekst.empty());
  f->Grid().Grid()->SetCurrentCell(kolommen + 1, 1);
  EXPECT_EQ(Q(k.NettoTekst), f->Paneel(2));

  Eindstanden();
  EXPECT_EQ(2, geopend);
  EXPECT_EQ(kolommen + 2, k.SG.ColCount());

  // "&Verwijder eindstanden" takes it all away.
  emit f->Commando().Menu(TCommando::MenuBerekenen)->aboutToShow();
  f->Commando().Actie(actie::VerwijderEindstanden)->trigger();
  EXPECT_EQ(0, k.BN);
  EXPECT_EQ(kolommen, k.SG.ColCount());
  EXPECT_EQ(kolommen, f->Grid().Grid()->ColCount());
  EXPECT_EQ(" ", k.SG.Kop(1));

  // So does an edit, and a save.
  Eindstanden();
  ASSERT_EQ(2, k.BN);
  f->Grid().Grid()->SetCurrentCell(2, 1);
  f->Grid().StartBewerken(QChar());
  EXPECT_EQ(0, k.BN);
  EXPECT_EQ(kolommen, f->Grid().Grid()->ColCount());
  Ctx().SluitBewerking();

  Eindstanden();
  ASSERT_EQ(2, k.BN);
  f->Commando().Actie(actie::Bewaren)->trigger();
  EXPECT_EQ(0, k.BN);
  EXPECT_EQ(kolommen, k.SG.ColCount());
  EXPECT_TRUE(g.meldingen.empty());
}

// A header click sorts with the computation state of the standings run: after the
// counting results changed and the standings were computed again, sorting the Netto
// column gives the standings' own order, and the next click its reverse.
TEST_F(EindstandTest, HeaderSortAgreesWithTheStandingsRun) {
  f->Opstarten(QString(), {});
  TCompetitie& comp = Comp();
  comp.StandaardInstellingen(0);
  comp.Tabs.clear();
  // Net totals differ only when result 4 does not count.
  TKlasse& k = VoegKlasse(comp, "MX1", 6, 4, [](int r, int u) { return u == 4 ? 40 + r : 30 - r; });
  comp.Club.AlgOptie = AlgNaamAlsGetypt;  // points stored and shown
  Ctx().MeldCompetitieVervangen();
  auto volgorde = [&] {
    std::string s;
    for (int r = 1; r < k.SG.RowCount(); ++r) s += k.Rijder(r)->Rijder.Naam.Get() + ";";
    return s;
  };
  CalcTonen = [](TCalc& d) {
    d.NettoBox->setChecked(true);
    d.BrutoBox->setChecked(false);
    return true;
  };
  Eindstanden();
  ASSERT_EQ(1, k.BN);

  // Result 4 stops counting (as its result information would say), and again.
  Ctx().VerwijderEindstanden();
  k.SG.Kolom(k.UitslKolom(4))->SetInfo(Reeks(4, 4, true));
  Eindstanden();
  ASSERT_EQ(1, k.BN);
  const std::string stand = volgorde();
  ASSERT_EQ("Rijder 1;Rijder 2;Rijder 3;Rijder 4;Rijder 5;Rijder 6;", stand);

  const int netto = k.SG.ColCount() - 1;
  ASSERT_EQ(VeldNetto, k.SG.Kolom(netto)->mode);
  const QPoint kop = f->Grid().Grid()->CellRect(netto, 0).center();
  QTest::mouseClick(f->Grid().Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, kop);
  EXPECT_EQ(stand, volgorde());
  QTest::mouseClick(f->Grid().Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, kop);
  EXPECT_EQ("Rijder 6;Rijder 5;Rijder 4;Rijder 3;Rijder 2;Rijder 1;", volgorde());
}

TEST_F(EindstandTest, CancelComputesNothing) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  const int kolommen = K(0).SG.ColCount();
  CalcTonen = [](TCalc& d) {
    d.GemiddeldeKnop->click();
    return false;
  };
  LijstTonen = [](TToonBox&) { FAIL() << "no ties without a computation"; };
  Eindstanden();
  EXPECT_EQ(87, Ctx().Staat().EindOptie);
  EXPECT_EQ(kolommen, K(0).SG.ColCount());
  EXPECT_EQ(0, K(0).BN);
}

// Tab 0 "MX1" a small class; tab 1 "Open" with 500 riders on one result, all different
// except rows 123..125.
void BouwGroteKlasse(TCompetitie& comp, const TKlok& klok) {
  VulCompetitie(comp, klok);
  comp.Club.AlgOptie = 0x01;  // points stored and shown
  comp.Tabs.pop_back();
  VoegKlasse(comp, "Open", 500, 1,
             [](int r, int) { return r >= 123 && r <= 125 ? 500 - 123 : 500 - r; });
}

TEST_F(EindstandTest, ClickedTieLineSwitchesToTabAndRow) {
  f->Opstarten(QString(), {});
  BouwGroteKlasse(Comp(), klok);
  Ctx().MeldCompetitieVervangen();
  ASSERT_EQ(0, f->TabControl1()->currentIndex());

  CalcTonen = [](TCalc&) { return true; };  // all classes
  int getoond = 0;
  LijstTonen = [&](TToonBox& b) {
    ++getoond;
    EXPECT_FALSE(b.Normaal());
    EXPECT_EQ(QStringLiteral("Stand niet kunnen bepalen van:"), b.windowTitle());
    int regel = -1;
    for (int i = 0; i < b.ListBox1->count(); ++i)
      if (b.ListBox1->item(i)->text().startsWith(QStringLiteral("Open\tPlaats 123 t/m 125")))
        regel = i;
    ASSERT_GE(regel, 0);
    b.Klik(regel);
    // While the window is open the main window already shows the class and row.
    EXPECT_EQ(1, f->TabControl1()->currentIndex());
    EXPECT_EQ(&K(1), f->Grid().Klasse());
    EXPECT_EQ(125, f->Grid().Grid()->Row());
    EXPECT_EQ(K(1).SG.ColCount() - 1, f->Grid().Grid()->Col());
    EXPECT_EQ(125, K(1).SG.Row);
  };
  Eindstanden();
  EXPECT_EQ(1, getoond);
  EXPECT_EQ(2, K(1).BN);
}

TEST_F(EindstandTest, NormalModeMovesTheCursor) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TKlasse& k = K(0);
  Comp().Club.AlgOptie = 0x20;  // places, shown as places
  for (int r = 1; r <= 5; ++r) k.Rijder(r)->Uitslag(3) = static_cast<std::int16_t>(r);
  k.Rijder(4)->Uitslag(3) = 2;

  TToonBox b(Ctx(), f.get());
  b.Toevoegen("Kolom: 3\tPlaats 2 komt 2 maal voor.", 3);
  b.Toevoegen("Kolom: 3\tPlaats 4 komt niet voor.", 3);
  LijstTonen = [&](TToonBox& t) {
    EXPECT_TRUE(t.Normaal());
    EXPECT_EQ(TToonBox::HelpNormaal, t.HelpContext());
    t.Klik(0);
    EXPECT_EQ(k.UitslKolom(3), f->Grid().Grid()->Col());
    EXPECT_EQ(2, f->Grid().Grid()->Row());
    t.Klik(1);
    EXPECT_EQ(5, f->Grid().Grid()->Row());
  };
  b.Open();
  EXPECT_FALSE(b.HebTekst());
}

}  // namespace
}  // namespace kzo::test
