#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <vector>

#include "test_main_opzet.h"
#include "ui/dialogs/club/clubdata.h"
#include "ui/dialogs/club/newfile.h"
#include "ui/main/commando/clubcommando.h"
#include "ui/main/commando/commando.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo::test {
namespace {

// The modal dialogs of the club commands, answered by the test in the order they come.
class ClubCommandoTest : public HoofdvensterTest {
 protected:
  std::deque<std::function<int(QDialog&)>>& antwoorden = g.dialogen;
  std::vector<QString>& getoond = g.getoond;

  static int Annuleer(QDialog&) { return QDialog::Rejected; }
  static std::function<int(QDialog&)> Kies(int keuze) {
    return [keuze](QDialog& d) {
      static_cast<TNewFile&>(d).RadioGroup1[static_cast<std::size_t>(keuze)]->setChecked(true);
      return QDialog::Accepted;
    };
  }
};

TEST_F(ClubCommandoTest, NewWithoutCompetitionGoesStraightToClubSettings) {
  ASSERT_TRUE(Aan(actie::Nieuw));
  ASSERT_TRUE(Aan(actie::ClubGegevens));
  antwoorden.push_back(Annuleer);
  Trigger(actie::Nieuw);
  EXPECT_EQ(std::vector<QString>{QStringLiteral("Club gegevens")}, getoond);
  EXPECT_EQ(0, Comp().AantalKlassen());
  EXPECT_FALSE(Aan(actie::Bewaren));
  EXPECT_FALSE(Aan(actie::RijderToevoegen));
  EXPECT_EQ(QStringLiteral("?"), f->TabControl1()->tabText(0));

  // Again, now with a class: the file commands come on.
  antwoorden.push_back([](QDialog& d) {
    auto& c = static_cast<TClubData&>(d);
    c.EditCN->setText(QStringLiteral("MX Nieuw"));
    c.EditKL->setText(QStringLiteral("Open klasse"));
    c.Toevoegen();
    c.OkKnop->click();
    return c.result();
  });
  Trigger(actie::Nieuw);
  EXPECT_EQ(1, Comp().AantalKlassen());
  EXPECT_TRUE(Aan(actie::Bewaren));
  EXPECT_EQ(QStringLiteral("Open klasse"), f->TabControl1()->tabText(0));
  EXPECT_EQ(QStringLiteral("MX Nieuw - Open klasse"), f->windowTitle());
  EXPECT_EQ(&*Comp().Tabs[0], f->Grid().Klasse());
  EXPECT_EQ(2, Comp().Gewijzigd());
}

TEST_F(ClubCommandoTest, KeepingCurrentSettingsDropsRidersAndResults) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TCompetitie& comp = Comp();
  comp.Club.AlgOptie |= 0x100;
  comp.Club.Schrap = 4;
  comp.MynData.SetData("R00000001", 1, "DQ");
  ASSERT_TRUE(comp.MynData.HeeftTekst());
  antwoorden.push_back(Kies(TNewFile::MetInstellingen));
  antwoorden.push_back(Annuleer);
  Trigger(actie::Nieuw);
  EXPECT_EQ((std::vector<QString>{"Nieuw", "Club gegevens"}), getoond);

  ASSERT_EQ(2, comp.AantalKlassen());
  EXPECT_EQ("MX1", comp.Tabs[0]->Naam());
  EXPECT_EQ("MX Club Test", comp.Club.Clubnaam.Get());
  EXPECT_EQ(4, comp.Club.Schrap);
  EXPECT_EQ(0, comp.Club.AlgOptie & 0x100);
  std::uint32_t id = 0;
  for (const auto& k : comp.Tabs) {
    EXPECT_EQ(2, k->SG.RowCount()) << k->Naam();
    ASSERT_NE(nullptr, k->Rijder(1));
    EXPECT_TRUE(k->Rijder(1)->IsLeeg());
    EXPECT_EQ(id++, k->Rijder(1)->Rijder.IDnum);
    EXPECT_EQ(0, k->InfoKlasse.aantaluitslagen);
    EXPECT_EQ(k->UitslPos, k->SG.ColCount());
    EXPECT_EQ(1, k->SG.FixedCols);
  }
  EXPECT_EQ(2u, comp.Club.IDCounter);
  EXPECT_FALSE(comp.MynData.HeeftTekst());
  EXPECT_EQ("", comp.Bestandsnaam);
  EXPECT_EQ(DatumNu(klok), comp.Club.Created);
  EXPECT_EQ(0, comp.Club.UpDate);
  EXPECT_EQ(1, comp.Gewijzigd());
  EXPECT_TRUE(Aan(actie::Bewaren));
  EXPECT_EQ(comp.Tabs[0].get(), f->Grid().Klasse());
}

TEST_F(ClubCommandoTest, KeepingNamesClearsEveryResult) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TCompetitie& comp = Comp();
  const std::uint32_t teller = comp.Club.IDCounter;
  antwoorden.push_back(Kies(TNewFile::MetNamen));
  antwoorden.push_back(Annuleer);
  Trigger(actie::Nieuw);
  const TKlasse& mx1 = *comp.Tabs[0];
  ASSERT_EQ(6, mx1.SG.RowCount());
  EXPECT_EQ("Rijder 3", mx1.Rijder(3)->Rijder.Naam.Get());
  for (int u = 1; u <= MaxUitslagen; ++u) EXPECT_EQ(UitGeen, mx1.Rijder(3)->Uitslag(u));
  EXPECT_EQ(mx1.UitslPos, mx1.SG.ColCount());
  EXPECT_EQ(teller, comp.Club.IDCounter);
}

TEST_F(ClubCommandoTest, CancellingTheChoiceOrTheSaveQuestionChangesNothing) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  antwoorden.push_back(Annuleer);
  Trigger(actie::Nieuw);
  EXPECT_EQ(std::vector<QString>{"Nieuw"}, getoond);
  EXPECT_EQ(3, Comp().Tabs[0]->InfoKlasse.aantaluitslagen);

  Comp().MarkeerGewijzigd(1);
  g.antwoorden.push_back(IGebruiker::Antwoord::Annuleren);
  Trigger(actie::Nieuw);
  EXPECT_EQ(1u, getoond.size());
  EXPECT_FALSE(Comp().Bestandsnaam.empty());
}

TEST_F(ClubCommandoTest, WhollyNewStartsFromTheDefaults) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  Comp().Club.Schrap = 7;
  antwoorden.push_back(Kies(TNewFile::GeheelNieuw));
  antwoorden.push_back([](QDialog& d) {
    EXPECT_EQ(0, static_cast<TClubData&>(d).ListBox1->count());
    return QDialog::Rejected;
  });
  Trigger(actie::Nieuw);
  EXPECT_EQ(0, Comp().AantalKlassen());
  EXPECT_EQ(2, Comp().Club.Schrap);
  EXPECT_FALSE(Aan(actie::Bewaren));
}

TEST_F(ClubCommandoTest, ClubSettingsFromALaterTabEndOnTheFirst) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  f->TabControl1()->setCurrentIndex(1);
  ASSERT_EQ(QStringLiteral("Jeugd"), Q(f->Grid().Klasse()->Naam()));
  antwoorden.push_back([this](QDialog& d) {
    EXPECT_EQ(0, f->TabControl1()->currentIndex());
    auto& c = static_cast<TClubData&>(d);
    c.ListBox1->setCurrentRow(0);
    c.Verwijderen();  // MX1, the class the grid showed
    c.OkKnop->click();
    return c.result();
  });
  Trigger(actie::ClubGegevens);
  ASSERT_EQ(1, Comp().AantalKlassen());
  EXPECT_EQ(QStringLiteral("Jeugd"), f->TabControl1()->tabText(0));
  EXPECT_EQ(1, f->TabControl1()->count());
  EXPECT_EQ(Comp().Tabs[0].get(), f->Grid().Klasse());
}

TEST_F(ClubCommandoTest, CancelledClubSettingsKeepTheTieBreakSequence) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TClubInfo& club = Comp().Club;
  club.RekMethode = 3;
  club.MethRek[0][0] = 7;
  club.MethRek[1][0] = 0;
  club.RekWarn = 1;
  antwoorden.push_back([&](QDialog& d) {
    static_cast<TClubData&>(d).RadioButton2->click();
    EXPECT_EQ(3, club.MethRek[0][0]);
    return QDialog::Rejected;
  });
  Trigger(actie::ClubGegevens);
  EXPECT_EQ(7, club.MethRek[0][0]);
  EXPECT_EQ(0, club.MethRek[1][0]);
  EXPECT_EQ(1, club.RekWarn);
  EXPECT_EQ(3, club.RekMethode);
  EXPECT_EQ(0, Comp().Gewijzigd());
}

}  // namespace
}  // namespace kzo::test
