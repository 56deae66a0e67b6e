// Positions and the tie lines of a standing (SortWarning's fixed counts, groups,
// full ties), RekWarn 0, 1 and 2, and the day classification in the class (mode 10).

#include <gtest/gtest.h>

#include "core/scoring/sorteren.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

TEST(SortWarning, FixedCountsAsTheyStand) {
  Wedstrijd w;
  const TClubInfo& c = w.comp.Club;
  w.Stappen({{1, 0}, {5, 0}}, 2);
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 3);
  EXPECT_EQ(SortWarning(c, 10, 2, 4), 2);
  w.Stappen({{1, 0}, {5, 0}}, 1);
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 11);  // 2 per value, though a value takes 3
  w.Stappen({{1, 0}, {5, 0}}, 0);
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 0);
  w.Stappen({{3, 0}, {6, 0}, {4, 0}, {7, 0}, {8, 0}}, 1);
  EXPECT_EQ(SortWarning(c, 7, 3, 8), 8 + 5 + 2 + 6 + 2);
  EXPECT_EQ(SortWarning(c, 8, 3, 8), 0 + 0 + 2 + 6 + 2);
  w.Stappen({{2, 3}, {9, 0}}, 1);
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 8 + 2);
  w.Stappen({{1, 0}, {0, 0}, {5, 0}}, 1);  // up to the first step without a kind
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 8);
  w.Stappen({{1, 0}}, 3);  // RekWarn beyond the sequence
  EXPECT_EQ(SortWarning(c, 7, 2, 4), 0);
}

// Net standing over 4 results, net count 2, steps (1, 5): best results, last obtained.
class BandenTest : public ::testing::Test {
 protected:
  BandenTest() {
    k.BN = 1;
    k.indexnr = 3;
  }
  void Bereken(int rekWarn) {
    w.Stappen({{1, 0}, {5, 0}}, rekWarn);
    w.meld.Wissen();
    Sorteren(k, w.Ctx(&w.meld), 7, 2, 4, 1);
  }
  std::string Regels() const {
    std::string s;
    for (const auto& r : w.meld.Regels()) {
      EXPECT_EQ(r.Data, 3);
      s += r.Tekst + "|";
    }
    return s;
  }
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 4);
};

TEST_F(BandenTest, RekWarn2EqualUpToTheLastObtainedResult) {
  w.Rijder(k, "A", {50, 47, 45, 43});
  w.Rijder(k, "B", {47, 50, 43, 45});  // same values, last obtained 45 instead of 43
  w.Rijder(k, "C", {40, 40, 40, 40});
  Bereken(2);
  EXPECT_EQ(Volgorde(k), "B A C");
  EXPECT_EQ(Regels(), "MX1\tPlaats 1 t/m 2|");
  EXPECT_EQ(Posities(k), "1 2 3");
  EXPECT_TRUE(k.Rijder(1)->SortStr.empty());  // keys are emptied with standing columns
}

TEST_F(BandenTest, RekWarn2FullTie) {
  w.Rijder(k, "X", {50, 50, 50, 50});
  w.Rijder(k, "A", {50, 47, 43, 45});
  w.Rijder(k, "B", {50, 47, 43, 45});
  w.Rijder(k, "C", {50, 47, 45, 43});  // equal up to step 2 with A and B, then lower
  w.Rijder(k, "D", {10, 10, 10, 10});
  Bereken(2);
  EXPECT_EQ(Regels(), "MX1\tPlaats 2 t/m 4 <!>|");
}

// Equal totals with different best results: the compared part of the key still holds
// step 1 (only step 2 on is cut off), so no line.
TEST_F(BandenTest, RekWarn2DifferentBestResultsGiveNoLine) {
  w.Rijder(k, "A", {60, 37, 10, 5});
  w.Rijder(k, "B", {50, 47, 10, 5});
  Bereken(2);
  EXPECT_EQ(k.Rijder(1)->Netto, 97);
  EXPECT_EQ(k.Rijder(2)->Netto, 97);
  EXPECT_EQ(Volgorde(k), "A B");
  EXPECT_EQ(Regels(), "");
}

// RekWarn 1 with the fixed counts: 2 characters per value are cut where a value takes 3,
// so the first values of step 1 are still compared. Equal totals alone are not enough.
TEST_F(BandenTest, RekWarn1StillComparesPartOfStep1) {
  w.Rijder(k, "A", {60, 37, 10, 5});
  w.Rijder(k, "B", {50, 47, 10, 5});
  Bereken(1);
  EXPECT_EQ(Regels(), "");

  Wedstrijd v;
  TKlasse& kv = v.Klasse("MX1", 4);
  kv.BN = 1;
  v.Stappen({{1, 0}, {5, 0}}, 1);
  v.Rijder(kv, "A", {50, 47, 45, 43});
  v.Rijder(kv, "B", {50, 47, 41, 40});  // same first best value: within the compared part
  Sorteren(kv, v.Ctx(&v.meld), 7, 2, 4, 1);
  ASSERT_EQ(v.meld.Count(), 1);
  EXPECT_EQ(v.meld.Regel(0).Tekst, "MX1\tPlaats 1 t/m 2");
}

TEST_F(BandenTest, RekWarn0OnlyWholeKeys) {
  w.Rijder(k, "A", {50, 47, 45, 43});
  w.Rijder(k, "B", {47, 50, 43, 45});
  Bereken(0);
  EXPECT_EQ(Regels(), "");
  w.Rijder(k, "C", {50, 47, 45, 43});
  Bereken(0);
  EXPECT_EQ(Regels(), "MX1\tPlaats 2 t/m 3 <!>|");
}

// A dnf takes 2 characters of a key where a value takes 3, so keys differ in length. A
// group compares its own key and each row's over the group key's compared length; the
// length of row 1's key decides nothing.
TEST(Banden, KeysOfDifferentLengthStillFormGroups) {
  struct Geval {
    const char* wat;
    std::vector<std::vector<int>> rijders;
    std::string regels;
  } gevallen[] = {
      {"the leader has a dnf, a full tie below",
       {{50, 50, 50, dnf}, {47, 47, 45, 45}, {47, 47, 45, 45}, {10, 10, 10, 10}},
       "MX1\tPlaats 2 t/m 3 <!>|"},
      {"the tied riders have a dnf, the leader none",
       {{50, 50, 50, 50}, {47, 47, dnf, 45}, {47, 47, dnf, 45}, {10, 10, 10, 10}},
       "MX1\tPlaats 2 t/m 3 <!>|"},
      {"the leader has a dnf, a tie up to the last obtained result",
       {{50, 50, 50, dnf}, {47, 45, 47, 43}, {47, 47, 43, 45}},
       "MX1\tPlaats 2 t/m 3|"},
      {"a dnf against a value is no tie",
       {{50, 50, 50, 50}, {47, 47, 45, dnf}, {47, 47, 45, 0}},
       ""},
  };
  for (const auto& g : gevallen) {
    Wedstrijd v;
    TKlasse& kv = v.Klasse("MX1", 4);
    kv.BN = 1;
    kv.indexnr = 3;
    char naam = 'A';
    for (const auto& u : g.rijders) {
      TRijder& rd = v.Rijder(kv, std::string(1, naam++), {});
      for (std::size_t i = 0; i < u.size(); ++i)
        rd.Uitslag(static_cast<int>(i) + 1) = static_cast<std::int16_t>(u[i]);
    }
    v.Stappen({{1, 0}, {5, 0}}, 2);
    Sorteren(kv, v.Ctx(&v.meld), 7, 2, 4, 1);
    std::string s;
    for (const auto& r : v.meld.Regels()) s += r.Tekst + "|";
    EXPECT_EQ(s, g.regels) << g.wat;
    EXPECT_EQ(Posities(kv), g.rijders.size() == 4 ? "1 2 3 4" : "1 2 3") << g.wat;
  }
}

TEST_F(BandenTest, RidersWithoutPointsOpenNoGroup) {
  w.Rijder(k, "A", {10, 10, 0, 0});
  w.Rijder(k, "B", {});
  w.Rijder(k, "C", {});
  w.Rijder(k, "D", {0, 0});
  w.Rijder(k, "E", {0, 0});
  Bereken(0);
  EXPECT_EQ(Regels(), "");
  EXPECT_EQ(Posities(k), "1 2 3 4 5");
}

TEST_F(BandenTest, NoMessageListNoLines) {
  w.Rijder(k, "A", {50, 47, 45, 43});
  w.Rijder(k, "B", {50, 47, 45, 43});
  w.Stappen({{1, 0}, {5, 0}}, 2);
  Sorteren(k, w.Ctx(nullptr), 7, 2, 4, 1);
  EXPECT_EQ(Posities(k), "1 2");
  EXPECT_FALSE(w.meld.HebTekst());
}

TEST_F(BandenTest, GrossStandingReportsToo) {
  w.Rijder(k, "A", {50, 47, 45, 43});
  w.Rijder(k, "B", {50, 47, 45, 43});
  w.Stappen({{1, 0}, {5, 0}}, 2);
  Sorteren(k, w.Ctx(&w.meld), 8, 2, 4, 1);
  EXPECT_EQ(Regels(), "MX1\tPlaats 1 t/m 2 <!>|");
  w.meld.Wissen();
  Sorteren(k, w.Ctx(&w.meld), 9, 2, 4, 1);  // averages report nothing
  EXPECT_FALSE(w.meld.HebTekst());
}

// Mode 10: only full ties, and none for a group that reaches the last row.
TEST(BandenDag, OnlyFullTiesAndNotAtTheEnd) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 2);
  k.BN = 1;
  w.Rijder(k, "A", {10, 20});
  w.Rijder(k, "B", {20, 10});  // equal total, last result differs
  w.Rijder(k, "C", {5, 20});
  w.Rijder(k, "D", {5, 20});
  w.Rijder(k, "E", {1, 1});
  Sorteren(k, w.Ctx(&w.meld), 10, 2, 2, 1);
  EXPECT_EQ(k.NettoTekst, "Berekend als dagklassement.");
  ASSERT_EQ(w.meld.Count(), 1);
  EXPECT_EQ(w.meld.Regel(0).Tekst, "MX1\tPlaats 3 t/m 4 <!>");

  Wedstrijd z;
  TKlasse& kz = z.Klasse("MX1", 2);
  kz.BN = 1;
  z.Rijder(kz, "A", {10, 20});
  z.Rijder(kz, "C", {5, 20});
  z.Rijder(kz, "D", {5, 20});
  Sorteren(kz, z.Ctx(&z.meld), 10, 2, 2, 1);
  EXPECT_FALSE(z.meld.HebTekst());
}

}  // namespace
}  // namespace kzo
