#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>

#include "test_main_opzet.h"
#include "ui/dialogs/eindstand/calc.h"
#include "ui/dialogs/eindstand/toonbox.h"
#include "ui/main/commando/commando.h"
#include "ui/main/commando/eindstandcommando.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo::test {
namespace {

class EindstandTest : public HoofdvensterTest {
 protected:
  TEindstandCommando& Cmd() { return *f->findChild<TEindstandCommando*>(); }
  TKlasse& K(int i) { return *f->Competitie().Tabs[static_cast<std::size_t>(i)]; }
  void Eindstanden() { f->Commando().Actie(actie::Eindstanden)->trigger(); }
};

TEST_F(EindstandTest, NoCountingResultGivesCode70) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  f->TabControl1()->setCurrentIndex(1);  // Jeugd: no results
  Cmd().CalcTonen = [](TCalc&) -> bool { throw std::logic_error("dialog shown"); };
  Cmd().Eindstanden();
  EXPECT_EQ(std::vector<std::uint32_t>{70}, g.meldingen);
  EXPECT_EQ(0, K(1).BN);
}

TEST_F(EindstandTest, ComputedStateShownAndRemovedAgain) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TKlasse& k = K(0);
  const int kolommen = k.SG.ColCount();
  ASSERT_TRUE(f->Commando().Actie(actie::Eindstanden)->isEnabled());

  int geopend = 0;
  Cmd().CalcTonen = [&](TCalc& d) {
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
  Cmd().LijstTonen = [](TToonBox&) {};
  Eindstanden();
  ASSERT_EQ(1, geopend);
  EXPECT_EQ(0x07, f->EindOptie);

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
  f->SluitBewerking();

  Eindstanden();
  ASSERT_EQ(2, k.BN);
  f->Commando().Actie(actie::Bewaren)->trigger();
  EXPECT_EQ(0, k.BN);
  EXPECT_EQ(kolommen, k.SG.ColCount());
  EXPECT_TRUE(g.meldingen.empty());
}

TEST_F(EindstandTest, CancelComputesNothing) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  const int kolommen = K(0).SG.ColCount();
  Cmd().CalcTonen = [](TCalc& d) {
    d.GemiddeldeKnop->click();
    return false;
  };
  Cmd().LijstTonen = [](TToonBox&) { FAIL() << "no ties without a computation"; };
  Eindstanden();
  EXPECT_EQ(87, f->EindOptie);
  EXPECT_EQ(kolommen, K(0).SG.ColCount());
  EXPECT_EQ(0, K(0).BN);
}

// Tab 0 "MX1" a small class; tab 1 "Open" with 500 riders on one result, all different
// except rows 123..125.
void BouwGroteKlasse(TCompetitie& comp, const TKlok& klok) {
  VulCompetitie(comp, klok);
  comp.Club.AlgOptie = 0x01;  // points stored and shown
  comp.Tabs.pop_back();
  auto k = MaakKlasse("Open", comp.Club, 500, 1);
  for (int r = 1; r <= 500; ++r) {
    const int w = r >= 123 && r <= 125 ? 500 - 123 : 500 - r;
    k->Rijder(r)->Uitslag(1) = static_cast<std::int16_t>(w);
  }
  comp.Tabs.push_back(std::move(k));
}

TEST_F(EindstandTest, ClickedTieLineSwitchesToTabAndRow) {
  f->Opstarten(QString(), {});
  BouwGroteKlasse(f->Competitie(), klok);
  f->ToonCompetitie();
  ASSERT_EQ(0, f->TabControl1()->currentIndex());

  Cmd().CalcTonen = [](TCalc&) { return true; };  // all classes
  int getoond = 0;
  Cmd().LijstTonen = [&](TToonBox& b) {
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
  f->Competitie().Club.AlgOptie = 0x20;  // places, shown as places
  for (int r = 1; r <= 5; ++r) k.Rijder(r)->Uitslag(3) = static_cast<std::int16_t>(r);
  k.Rijder(4)->Uitslag(3) = 2;

  TToonBox b(f->Competitie(), f.get());
  TEindstandCommando::Verbind(b, *f);
  b.Toevoegen("Kolom: 3\tPlaats 2 komt 2 maal voor.", 3);
  b.Toevoegen("Kolom: 3\tPlaats 4 komt niet voor.", 3);
  b.Tonen = [&](TToonBox& t) {
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
