#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file/aanvul.h"
#include "core/file/bestand.h"
#include "nepopslag.h"
#include "testbestanden.h"

namespace kzo {
namespace {

using namespace kzo::test;
using Bytes = std::vector<std::uint8_t>;
using Namen = std::vector<std::string>;

class AanvulTest : public ::testing::Test {
 protected:
  AanvulTest() {
    ander.StandaardInstellingen(0);
    ander.Club.Clubnaam.Set("MC Elders");
    VoegKlasseToe(ander, "A", 2, 3);
    TKlasse& b = VoegKlasseToe(ander, "B", 3, 4);
    VoegKlasseToe(ander, "C", 1, 2);
    for (int u = 1; u <= 3; ++u) ander.MynData.SetData(b.Rijder(1)->Sleutel(), u, Dq(u));
    ander.MynData.SetData(b.Rijder(3)->Sleutel(), 2, Dq(9));
    ander.MynData.SetData("TmP" + b.Rijder(3)->Sleutel(), 2, "tijdelijk");
    bestand = Bewaar(ander);
    oudB = {b.Rijder(1)->Rijder.IDnum, b.Rijder(2)->Rijder.IDnum, b.Rijder(3)->Rijder.IDnum};

    open.StandaardInstellingen(0);
    VoegKlasseToe(open, "Eigen", 1, 1);
    open.Club.IDCounter = 100;
  }

  static std::string Dq(int plaats) {
    return std::to_string(plaats) +
           "\x04"
           "1\x04"
           "opm";
  }

  // The offset of class B's first rider record.
  std::size_t RijderVanB(bool oud) const {
    const std::size_t r = oud ? 272 : 368;
    return 1084 + 44 + 2 * r + 84 + 44;
  }

  TCompetitie ander, open;
  Bytes bestand;
  std::vector<std::uint32_t> oudB;
};

TEST_F(AanvulTest, ListModeShowsEveryClassNameForBothRiderSizes) {
  for (bool oud : {false, true}) {
    TAanvulUitslag u = Lees(oud ? NaarOudFormaat(bestand) : bestand);
    EXPECT_EQ(u.Melding(), 0u);
    EXPECT_EQ(u.Klassen, (Namen{"A", "B", "C"}));
    EXPECT_EQ(u.Hoofd.Clubnaam.Get(), "MC Elders");
    EXPECT_EQ(u.Toegevoegd, 0);
  }
}

TEST_F(AanvulTest, AddModeCopiesACheckedClassFromTheMiddleWithFreshIdentities) {
  for (bool oud : {false, true}) {
    TCompetitie doel;
    doel.StandaardInstellingen(0);
    VoegKlasseToe(doel, "Eigen", 1, 1);
    doel.Club.IDCounter = 100;
    TAanvulUitslag u = Lees(oud ? NaarOudFormaat(bestand) : bestand, doel, {false, true, false});
    EXPECT_EQ(u.Melding(), 0u);
    EXPECT_EQ(u.Toegevoegd, 1);
    ASSERT_EQ(doel.Tabs.size(), 2u);
    const TKlasse& b = *doel.Tabs[1];
    EXPECT_EQ(b.Naam(), "B");
    ASSERT_EQ(b.SG.RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
      EXPECT_EQ(b.Rijder(r)->Rijder.Naam.Get(), "B rijder " + std::to_string(r));
      EXPECT_EQ(b.Rijder(r)->Rijder.IDnum, 99u + r) << "identities follow the rows";
      EXPECT_EQ(b.Rijder(r)->Uitslag(4), ander.Tabs[1]->Rijder(r)->Uitslag(4));
    }
    EXPECT_NE(b.SG.Kolom(b.UitslKolom(2))->info, nullptr);
    EXPECT_EQ(doel.Club.IDCounter, 103u);
    // Every line of a rider moves to the new key; temporary lines and old keys do not.
    EXPECT_EQ(doel.MynData.Count(), 4);
    for (int u2 = 1; u2 <= 3; ++u2) EXPECT_EQ(doel.MynData.GetData("R00000064", u2), Dq(u2));
    EXPECT_EQ(doel.MynData.GetData("R00000066", 2), Dq(9));
    EXPECT_EQ(doel.MynData.GetData(RijderSleutel(oudB[0]), 1), "");
    EXPECT_EQ(doel.Gewijzigd() & 1, 1);
  }
}

TEST_F(AanvulTest, TabsFillTheClosedTabTwiceOverAndStopAtTwenty) {
  TCompetitie leeg;
  leeg.StandaardInstellingen(0);
  leeg.Club.IDCounter = 7;
  EXPECT_EQ(Lees(bestand, leeg, {true}).Toegevoegd, 1);
  EXPECT_EQ(Lees(bestand, leeg, {true}).Toegevoegd, 1);
  ASSERT_EQ(leeg.Tabs.size(), 2u);  // the "?" tab took the first
  EXPECT_EQ(leeg.Tabs[0]->Naam(), "A");
  EXPECT_EQ(leeg.Tabs[1]->Naam(), "A");
  EXPECT_EQ(leeg.Tabs[0]->Rijder(2)->Rijder.IDnum, 8u);
  EXPECT_EQ(leeg.Tabs[1]->Rijder(1)->Rijder.IDnum, 9u);

  while (open.Tabs.size() < 19) VoegKlasseToe(open, "K", 0, 0);
  TAanvulUitslag u = Lees(bestand, open, {true, true, true});
  EXPECT_EQ(u.Toegevoegd, 1);
  EXPECT_EQ(u.Melding(), 0u);
  EXPECT_EQ(open.Tabs.size(), 20u);
  EXPECT_EQ(open.Tabs[19]->Naam(), "A");

  // "Ok" marks the competition modified even when no class could be added.
  open.WisGewijzigd();
  EXPECT_EQ(Lees(bestand, open, {true}).Toegevoegd, 0);
  EXPECT_EQ(open.Gewijzigd() & 1, 1);
}

TEST_F(AanvulTest, MessagesForMissingUnsuitableAndDamagedFiles) {
  TNepOpslag opslag;
  EXPECT_EQ(Lees("/d/weg.kzo", opslag).Melding(), 80u);
  EXPECT_EQ(Lees("/d/weg.kzo", opslag, open, {true}).Melding(), 80u);
  EXPECT_EQ(open.Gewijzigd() & 1, 1);  // "Ok" was pressed: modified whatever the outcome

  Bytes punten = bestand;
  SchrijfOp<std::int32_t>(punten, 88, 0x41);  // results stored as points
  EXPECT_EQ(Lees(punten).Melding(), 99u);
  EXPECT_EQ(Lees(MetVersie(bestand, 6)).Melding(), 99u);
  EXPECT_EQ(Lees(MetVersie(bestand, 6), open, {true}).Toegevoegd, 0);

  // Cut inside B's riders: the names read so far, and in add mode A stays added.
  for (bool oud : {false, true}) {
    Bytes b = oud ? NaarOudFormaat(bestand) : bestand;
    b.resize(RijderVanB(oud) + 10);
    TAanvulUitslag lijst = Lees(b);
    EXPECT_TRUE(lijst.leesFout);
    EXPECT_EQ(lijst.gelukt, 0u);
    EXPECT_EQ(lijst.Melding(), 3u);
    EXPECT_EQ(lijst.Klassen, (Namen{"A", "B"}));
    TAanvulUitslag toe = Lees(b, open, {true, true, true});
    EXPECT_EQ(toe.Melding(), 3u);
    EXPECT_EQ(toe.Toegevoegd, 1);
    open.WisGewijzigd();
    EXPECT_EQ(Lees(b, open, {false, true}).Toegevoegd, 0);
    EXPECT_EQ(open.Gewijzigd() & 1, 1) << "damaged before anything was added";
  }
  // The last class is not skipped, so a cut inside it still lists every name.
  Bytes kort = bestand;
  kort.resize(ander.Club.MynDpos - 100);
  EXPECT_EQ(Lees(kort).Klassen, (Namen{"A", "B", "C"}));
  EXPECT_EQ(Lees(kort).Melding(), 0u);
}

TEST_F(AanvulTest, AMissingOrStaleSectionAddsTheClassesWithoutKeyedText) {
  const std::uint32_t einde = static_cast<std::uint32_t>(bestand.size());
  const std::uint32_t inRijder = static_cast<std::uint32_t>(RijderVanB(false) + 38);
  for (std::uint32_t pos : {0u, einde, einde + 100, inRijder}) {
    Bytes b = bestand;
    SchrijfOp<std::uint32_t>(b, 216, pos);
    TCompetitie doel;
    doel.StandaardInstellingen(0);
    TAanvulUitslag u = Lees(b, doel, {true, true, true});
    EXPECT_EQ(u.Melding(), 0u) << pos;
    EXPECT_EQ(u.Toegevoegd, 3) << pos;
    EXPECT_FALSE(doel.MynData.HeeftTekst()) << pos;
  }
  // A section is used wherever MynDpos points, whatever the version says.
  TCompetitie doel;
  doel.StandaardInstellingen(0);
  EXPECT_EQ(Lees(MetVersie(bestand, 4), doel, {false, true}).Toegevoegd, 1);
  EXPECT_EQ(doel.MynData.Count(), 4);
}

}  // namespace
}  // namespace kzo
