// Points, working values, net and gross totals, keys, averages, day totals and
// the BM close-up of the finishing order.

#include <gtest/gtest.h>

#include "core/records/punten.h"
#include "core/scoring/netto.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

// ---- places and points ----

TEST(Punten, PlacesBeyondTheTableLoseThePointDeduction) {
  Wedstrijd w;
  const TClubInfo& club = w.comp.Club;
  EXPECT_EQ(PlaatsNaarPunten(club, 7), 39);
  EXPECT_EQ(PlaatsNaarPunten(club, 60), 0);
  w.comp.Club.RekOptie |= 0x20;  // "Gefinisht = minimaal 1 punt"
  EXPECT_EQ(PlaatsNaarPunten(club, 60), 1);
  EXPECT_EQ(PlaatsNaarPunten(club, 7), 39);
  EXPECT_EQ(PlaatsNaarPunten(club, 6), 40);
}

TEST(Punten, PointsBackToPlaces) {
  Wedstrijd w;
  const TClubInfo& club = w.comp.Club;
  EXPECT_EQ(PuntenNaarPlaats(club, 39), 7);
  EXPECT_EQ(PuntenNaarPlaats(club, 49), -1);
  EXPECT_EQ(PuntenNaarPlaats(club, 0), 0);
  EXPECT_EQ(PuntenNaarPlaats(club, 47), 2);
  EXPECT_EQ(PuntenNaarPlaats(club, -3), -3);
}

TEST(Punten, DeductionZeroFromADamagedFileDividesByNothing) {
  Wedstrijd w;
  w.comp.Club.PuntAftrek = 0;
  EXPECT_EQ(PlaatsNaarPunten(w.comp.Club, 9), 41);
  EXPECT_EQ(PuntenNaarPlaats(w.comp.Club, 30), 16);  // read as a deduction of 1
}

TEST(Punten, WorkingValues) {
  Wedstrijd w(true);
  TClubInfo& club = w.comp.Club;
  EXPECT_EQ(Werkwaarde(1, club), 50);
  EXPECT_EQ(Werkwaarde(0, club), 0);
  EXPECT_EQ(Werkwaarde(x, club), 507);
  EXPECT_EQ(Werkwaarde(DQ, club), 507);
  EXPECT_EQ(Werkwaarde(dnf, club), dnf);
  EXPECT_EQ(Werkwaarde(dns, club), dns);
  EXPECT_EQ(Werkwaarde(geen, club), geen);
  club.RekOptie |= 0x40;  // a DQ may be discarded
  EXPECT_EQ(Werkwaarde(DQ, club), DQ);
  club.AlgOptie = 0;  // points: stored as they are
  EXPECT_EQ(Werkwaarde(1, club), 1);
}

// Step 2 as the behaviour gives it, for comparison.
void ShellAflopend(int* v, int n) {
  for (int gap = n / 2; gap > 0; gap /= 2)
    for (int i = gap + 1; i <= n; ++i)
      for (int k = i - gap; k > 0 && v[k + gap] > v[k]; k -= gap) std::swap(v[k], v[k + gap]);
}

TEST(Punten, WorkingValuesSortExactlyAsTheShellSortLeavesThem) {
  std::uint32_t zaad = 7;
  auto willekeur = [&zaad](int n) {
    zaad = zaad * 1103515245u + 12345u;
    return static_cast<int>((zaad >> 16) % static_cast<std::uint32_t>(n));
  };
  const int bijzonder[] = {507, -1, -3, -4, -5, 0, 500, 600, -9, 32767, -32768};
  for (int proef = 0; proef < 3000; ++proef) {
    const int n = willekeur(100);
    int a[100], b[100];
    for (int i = 1; i <= n; ++i) {
      const int w = willekeur(10);
      a[i] = w < 6 ? willekeur(51) : bijzonder[willekeur(proef % 2 ? 11 : 7)];
      b[i] = a[i];
    }
    SorteerAflopend(a, n);
    ShellAflopend(b, n);
    for (int i = 1; i <= n; ++i) ASSERT_EQ(a[i], b[i]) << "proef " << proef << " i " << i;
  }
}

// ---- net and gross totals ----

class NettoTest : public ::testing::Test {
 protected:
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 5);
};

TEST_F(NettoTest, DiscardsTheWeakestResultsAndMarksThem) {
  TRijder& r = w.Rijder(k, "A", {50, 47, dnf, 45});
  NettoPunten(r, w.Ctx(), 2, 4, NetNetto);
  EXPECT_EQ(r.Bruto, 142);
  EXPECT_EQ(r.Netto, 97);
  EXPECT_EQ(r.SortStr,
            "1"
            "00097"
            "050047045.."
            "045");
  EXPECT_FALSE(r.Unused(3));  // no marks without "Toon geschrapte uitslagen met:"

  w.comp.Club.DisplayInfo |= 0x10;
  NettoPunten(r, w.Ctx(), 2, 4, NetNetto);
  EXPECT_FALSE(r.Unused(1));
  EXPECT_FALSE(r.Unused(2));
  EXPECT_EQ(r.Uitslag(3), dnf + 1000);
  EXPECT_EQ(r.Uitslag(4), 45 + 1000);
  r.ResetUitslagen();
  EXPECT_EQ(r.Uitslag(3), dnf);
  EXPECT_EQ(r.Uitslag(4), 45);
}

TEST_F(NettoTest, PlacesAreMarkedAsPlaces) {
  Wedstrijd p(true);
  TKlasse& kp = p.Klasse("MX1", 4);
  p.comp.Club.DisplayInfo |= 0x10;
  TRijder& r = p.Rijder(kp, "A", {1, 2, dnf, 3});
  NettoPunten(r, p.Ctx(), 2, 4, NetNetto);
  EXPECT_EQ(r.Bruto, 142);
  EXPECT_EQ(r.Netto, 97);
  EXPECT_EQ(r.Uitslag(4), 1003);
  EXPECT_EQ(r.Uitslag(3), 996);
  EXPECT_EQ(r.Uitslag(1), 1);
}

// A discarded 507 (more x's than the net count) has no place: the literal marking call
// with PuntenNaarPlaats(507) = -1 would mark an empty result as discarded.
TEST_F(NettoTest, ADiscardedSentinelMarksNoEmptyResult) {
  Wedstrijd p(true);
  TKlasse& kp = p.Klasse("MX1", 4);
  p.comp.Club.DisplayInfo |= 0x10;
  TRijder& r = p.Rijder(kp, "A", {x, x, 1, geen});
  NettoPunten(r, p.Ctx(), 1, 4, NetNetto);
  EXPECT_EQ(r.Netto, -1);
  EXPECT_EQ(r.Bruto, 50);
  EXPECT_EQ(r.Uitslag(3), 1001);
  EXPECT_EQ(r.Uitslag(4), geen);
  EXPECT_EQ(r.Uitslag(1), x);
}

TEST_F(NettoTest, ADisqualificationCountsUnlessItMayBeDiscarded) {
  w.comp.Club.DisplayInfo |= 0x10;
  TRijder& r = w.Rijder(k, "A", {50, DQ, 47});
  NettoPunten(r, w.Ctx(), 2, 3, NetNetto);
  EXPECT_EQ(r.Netto, 50);  // the DQ takes a counting slot with 0 points
  EXPECT_EQ(r.Bruto, 97);
  EXPECT_EQ(r.SortStr,
            "1"
            "00050"
            "++050047"
            "047");
  EXPECT_EQ(r.Uitslag(3), 1047);  // the 47 is discarded
  EXPECT_EQ(r.Uitslag(2), DQ);

  r.ResetUitslagen();
  w.comp.Club.RekOptie |= 0x40;
  NettoPunten(r, w.Ctx(), 2, 3, NetNetto);
  EXPECT_EQ(r.Netto, 97);
  EXPECT_EQ(r.SortStr,
            "1"
            "00097"
            "050047++"
            "047");
  EXPECT_EQ(r.Uitslag(2), DQ + 1000);
  EXPECT_EQ(r.Uitslag(3), 47);
}

TEST_F(NettoTest, AnXTakesASlotAndAddsNothing) {
  TRijder& r = w.Rijder(k, "A", {x, 20, 30});
  NettoPunten(r, w.Ctx(), 2, 3, NetNetto);
  EXPECT_EQ(r.Netto, 30);
  EXPECT_EQ(r.Bruto, 50);
}

TEST_F(NettoTest, ARiderWithoutResults) {
  TRijder& r = w.Rijder(k, "A", {});
  NettoPunten(r, w.Ctx(), 2, 3, NetNetto);
  EXPECT_EQ(r.Bruto, -1);
  EXPECT_EQ(r.Netto, -1);
  EXPECT_EQ(r.SortStr,
            "1-00001"
            "######"
            "-001");
}

TEST_F(NettoTest, NetCountBeyondTheResultsLeavesNoNetTotal) {
  TRijder& r = w.Rijder(k, "A", {10, 20});
  NettoPunten(r, w.Ctx(), 3, 2, NetNetto);
  EXPECT_EQ(r.Netto, -1);
  EXPECT_EQ(r.Bruto, 30);
  NettoPunten(r, w.Ctx(), 0, 2, NetNetto);
  EXPECT_EQ(r.Netto, -1);
}

TEST_F(NettoTest, ZeroResultsToConsiderTakesEveryCountingResult) {
  TRijder& r = w.Rijder(k, "A", {10, 20, 30});
  r.Uitslag(99) = 5;
  w.staat.Tellend[2] = 0;
  NettoPunten(r, w.Ctx(), 0, 0, NetBruto);
  EXPECT_EQ(r.Bruto, 45);  // 10 + 30 + 5, result 2 does not count
  NettoPunten(r, w.Ctx(), 0, 500, NetBruto);
  EXPECT_EQ(r.Bruto, 45);
  NettoPunten(r, w.Ctx(), 0, 2, NetBruto);
  EXPECT_EQ(r.Bruto, 40);  // results 1 and 3
}

TEST_F(NettoTest, EveryTieBreakKindInTheKey) {
  TRijder& r = w.Rijder(k, "A", {50, x, 0, dnf, 45});
  // working values 50, 507, 0, dnf, 45 -> sorted 507, 50, 45, 0, dnf
  w.Stappen({{1, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 0}}, 2);
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.Bruto, 95);
  EXPECT_EQ(r.Netto, 95);
  EXPECT_EQ(r.SortStr,
            "1"
            "00095"
            "++050045000.."  // 1 best results
            "++050////.."    // 2 places 1..1: only above the points of place 2
            "000.."          // 3 discarded, best first
            "045"            // 4 last result
            "045");          // 5 last obtained result

  w.Stappen({{6, 0}, {7, 0}, {8, 0}, {9, 0}}, 2);
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.SortStr,
            "1"
            "00095"
            "00095"   // 6 gross
            "0023,8"  // 7 average, GemidOptie 1: 95 over 4 results >= 0
            "004"     // 8 most results
            "496");   // 9 fewest results
  w.comp.Club.GemidOptie = 0;
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.SortStr.substr(11, 6), "0047,5");  // over the 2 results above 0
  w.comp.Club.GemidOptie = 2;
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.SortStr.substr(11, 6), "0031,7");  // net 95 over the net count 3
  w.comp.Club.GemidOptie = 3;
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.SortStr.substr(11, 6), "0019,0");
  w.comp.Club.GemidOptie = 9;
  NettoPunten(r, w.Ctx(), 3, 5, NetNetto);
  EXPECT_EQ(r.SortStr,
            "1"
            "00095"
            "00095"
            "004"
            "496");
}

TEST_F(NettoTest, GrossModeIgnoresDiscardedAndGrossSteps) {
  TRijder& r = w.Rijder(k, "A", {50, x, 0, dnf, 45});
  w.Stappen({{3, 0}, {6, 0}, {5, 0}}, 2);
  NettoPunten(r, w.Ctx(), 2, 5, NetNetto);
  EXPECT_EQ(r.Netto, 50);
  EXPECT_EQ(r.SortStr,
            "1"
            "00050"
            "045000.."
            "00095"
            "045");
  NettoPunten(r, w.Ctx(), 2, 5, NetBruto);
  EXPECT_EQ(r.SortStr,
            "1"
            "00095"
            "045");
}

TEST_F(NettoTest, DayModeKeepsColumnOrderAndAppendsTheLastResult) {
  TRijder& r = w.Rijder(k, "A", {10, 40, 20});
  NettoPunten(r, w.Ctx(), 2, 3, NetDag);
  EXPECT_EQ(r.Bruto, 70);
  EXPECT_EQ(r.Netto, 50);  // the first two in column order, unsorted
  EXPECT_EQ(r.SortStr,
            "1"
            "00070"
            "020");
  TRijder& s = w.Rijder(k, "B", {10, 40, dns});
  NettoPunten(s, w.Ctx(), 2, 3, NetDag);
  EXPECT_EQ(s.SortStr,
            "1"
            "00050"
            "//");
}

TEST_F(NettoTest, NoCountingResultLeavesNoLastResult) {
  TRijder& r = w.Rijder(k, "A", {10, 20});
  w.staat.Tellend.fill(0);
  w.Stappen({{4, 0}}, 1);
  NettoPunten(r, w.Ctx(), 1, 2, NetNetto);
  EXPECT_EQ(r.Bruto, -1);
  EXPECT_EQ(r.SortStr,
            "1-00001"
            "//");
}

TEST_F(NettoTest, InvalidRiderGetsDigitZero) {
  TRijder& r = w.Rijder(k, "A", {10});
  r.SaveUitslagen();
  r.SetOnGeldigeRijder(true, 0x10);
  NettoPunten(r, w.Ctx(), 1, 1, NetNetto);
  EXPECT_EQ(r.SortStr.substr(0, 6), "000010");
}

TEST_F(NettoTest, BMRiderWithoutTotalsKeepsItsResults) {
  TRijder& r = w.Rijder(k, "A", {10, 20}, true);
  w.staat.EindOptie = 0x20 | 7;  // "Geen bruto / netto punten"
  NettoPunten(r, w.Ctx(), 2, 2, NetNetto);
  EXPECT_EQ(r.Bruto, -1);
  EXPECT_EQ(r.Netto, -1);
  EXPECT_EQ(r.Uitslag(1), 10);
  EXPECT_EQ(r.SortStr.substr(0, 7), "1-00001");
  w.staat.EindOptie = 0x10 | 7;  // "Geen eindklassing": totals as usual
  NettoPunten(r, w.Ctx(), 2, 2, NetNetto);
  EXPECT_EQ(r.Netto, 30);
}

// ---- key pieces ----

TEST(SortValue, MarkersAndNumbers) {
  struct {
    int waarde, min;
    const char* uit;
  } gevallen[] = {{507, -1, "++"},  {DQ, -1, "++"},  {0, -1, "000"},  {500, -1, "500"},
                  {501, -1, "//"},  {dnf, -1, ".."}, {dns, -1, "**"}, {x, -1, "--"},
                  {geen, -1, "##"}, {-9, -1, "//"},  {43, 43, "//"},  {44, 43, "044"},
                  {dnf, 43, ".."},  {1500, -1, "//"}};
  for (const auto& g : gevallen) {
    std::string s = "k";
    SortValue(s, g.waarde, g.min);
    EXPECT_EQ(s, std::string("k") + g.uit) << g.waarde << " min " << g.min;
  }
}

TEST(SortValue, LastResultKey) {
  Wedstrijd w(true);
  TKlasse& k = w.Klasse("MX1", 3);
  TRijder& r = w.Rijder(k, "A", {2, dns, 0});
  SortStrLaatsteUitslag(r, w.comp.Club, 1);
  SortStrLaatsteUitslag(r, w.comp.Club, 2);
  SortStrLaatsteUitslag(r, w.comp.Club, 3);
  SortStrLaatsteUitslag(r, w.comp.Club, 0);
  EXPECT_EQ(r.SortStr,
            "047"
            "//"
            "000"
            "//");
}

TEST(GemiddeldeStr, SixCharactersHalvesToEven) {
  struct {
    int a, b;
    char dec;
    const char* uit;
  } gevallen[] = {{125, 10, ',', "0012,5"},  {125, 10, '.', "0012.5"}, {5, 0, '.', "0000.0"},
                  {5, 0, ',', "0000,0"},     {-1, 4, '.', "0000.0"},   {7, 4, '.', "0001.8"},
                  {5, 4, '.', "0001.2"},     {1, 20, '.', "0000.0"},   {3, 20, '.', "0000.2"},
                  {49500, 1, '.', "49500.0"}};
  for (const auto& g : gevallen)
    EXPECT_EQ(GemiddeldeStr(g.a, g.b, g.dec), g.uit) << g.a << "/" << g.b;
}

// ---- average standing ----

TEST(Gemiddelde, EachAveragingRule) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 5);
  TRijder& r = w.Rijder(k, "A", {50, 0, dnf, 45, geen});
  struct {
    int optie;
    int bruto, netto;
    const char* key;
  } gevallen[] = {{0, 95, 2, "0047,5002"},
                  {1, 95, 3, "0031,7003"},
                  {2, 95, 2, "0047,5002"},
                  {3, 95, 5, "0019,0005"}};
  for (const auto& g : gevallen) {
    w.comp.Club.GemidOptie = g.optie;
    Gemiddelde(r, w.Ctx(), 2, 5);
    EXPECT_EQ(r.Bruto, g.bruto) << g.optie;
    EXPECT_EQ(r.Netto, g.netto) << g.optie;
    EXPECT_EQ(r.SortStr, g.key) << g.optie;
  }
  // Only the first results with a value count towards the limit.
  w.comp.Club.GemidOptie = 1;
  Gemiddelde(r, w.Ctx(), 2, 2);
  EXPECT_EQ(r.SortStr, "0025,0002");
  TRijder& leeg = w.Rijder(k, "B", {});
  Gemiddelde(leeg, w.Ctx(), 2, 5);
  EXPECT_EQ(leeg.Bruto, -1);
  EXPECT_EQ(leeg.SortStr, "0000,0000");
  EXPECT_EQ(leeg.VeldStr(VeldGemiddelde, 0, w.comp.Club, ','), "");
}

TEST(Gemiddelde, NetAverageMarksDiscards) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 3);
  w.comp.Club.GemidOptie = 2;
  w.comp.Club.DisplayInfo |= 0x10;
  TRijder& r = w.Rijder(k, "A", {10, 30, 20});
  Gemiddelde(r, w.Ctx(), 2, 3);
  EXPECT_EQ(r.Bruto, 50);
  EXPECT_EQ(r.Netto, 2);
  EXPECT_EQ(r.VeldStr(VeldGemiddelde, 0, w.comp.Club, ','), "25,0");
  EXPECT_TRUE(r.Unused(1));
}

// ---- day totals ----

TEST(DagKlassement, TotalThenLastResultOfTheRange) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 4);
  TRijder& r = w.Rijder(k, "A", {10, dns, 20, 30});
  w.staat.Tellend.fill(0);  // no Tellend filter
  DagKlassement(r, w.comp.Club, 2, 3);
  EXPECT_EQ(r.Netto, 20);
  EXPECT_EQ(r.Bruto, -1);
  EXPECT_EQ(r.SortStr,
            "00020"
            "020");
  DagKlassement(r, w.comp.Club, 1, 2);
  EXPECT_EQ(r.SortStr,
            "00010"
            "-003");
  DagKlassement(r, w.comp.Club, 0, 500);  // outside 1..99 is ignored
  EXPECT_EQ(r.Netto, 60);

  Wedstrijd p(true);
  TKlasse& kp = p.Klasse("MX1", 2);
  TRijder& q = p.Rijder(kp, "A", {1, 2});
  DagKlassement(q, p.comp.Club, 1, 2);
  EXPECT_EQ(q.SortStr,
            "00097"
            "047");
  TRijder& niets = p.Rijder(kp, "B", {dns, dns});
  DagKlassement(niets, p.comp.Club, 1, 2);
  EXPECT_EQ(niets.Netto, -1);
  EXPECT_EQ(niets.SortStr,
            "-00001"
            "-003");
}

// ---- BM riders out of the finishing order ----

TEST(BMPlaatsenAanpassen, PlacesBehindTheBMRiderMoveUp) {
  Wedstrijd w(true);
  TKlasse& k = w.Klasse("MX1", 4);
  TRijder& a = w.Rijder(k, "A", {1, 6, 3, 2});
  TRijder& bm = w.Rijder(k, "BM", {2, 5, dnf, 1}, true);
  TRijder& b = w.Rijder(k, "B", {3, 4, 2, dns});
  TRijder& weg = w.Rijder(k, "C", {4, 7, 4, 4});
  for (TRijder* r : {&a, &bm, &b, &weg}) r->SaveUitslagen();
  weg.SetOnGeldigeRijder(true, 0x10);  // already taken out: left alone
  BMPlaatsenAanpassen(k.SG, 2, w.comp.Club, 0x30);
  EXPECT_EQ(a.Uitslag(1), 1);
  EXPECT_EQ(a.Uitslag(2), 5);
  EXPECT_EQ(a.Uitslag(3), 3);
  EXPECT_EQ(a.Uitslag(4), 1);
  EXPECT_EQ(b.Uitslag(1), 2);
  EXPECT_EQ(b.Uitslag(2), 4);
  EXPECT_EQ(b.Uitslag(3), 2);
  EXPECT_EQ(b.Uitslag(4), dns);
  EXPECT_EQ(weg.Uitslag(1), 4);
  EXPECT_FALSE(bm.GeldigeRijder());
  EXPECT_EQ(bm.Uitslag(1), geen);  // cleared under treatment 3
  bm.RestoreUitslagen();
  EXPECT_EQ(bm.Uitslag(2), 5);
}

TEST(BMPlaatsenAanpassen, PointsFollowThePlaceOneBetter) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 3);
  TRijder& bm = w.Rijder(k, "BM", {47, 41, 50}, true);
  TRijder& a = w.Rijder(k, "A", {50, 39, 49});
  TRijder& b = w.Rijder(k, "B", {45, 43, 0});
  BMPlaatsenAanpassen(k.SG, 1, w.comp.Club, 0x30);
  EXPECT_EQ(a.Uitslag(1), 50);
  EXPECT_EQ(b.Uitslag(1), 47);  // place 3 -> 2
  EXPECT_EQ(a.Uitslag(2), 40);  // place 7 -> 6
  EXPECT_EQ(b.Uitslag(2), 43);
  EXPECT_EQ(a.Uitslag(3), 49);  // no place scores 49: stays (not an "x")
  EXPECT_EQ(b.Uitslag(3), 0);
  EXPECT_TRUE(bm.GeldigeRijder());  // no saved copy: stays valid (rider deletion)
  EXPECT_EQ(bm.Uitslag(1), 47);
}

// Behind a BM rider with more points than place 1 scores, the winner keeps its points
// instead of falling to the 0 of "place 0".
TEST(BMPlaatsenAanpassen, PointsOfPlaceOneStay) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 2);
  w.Rijder(k, "BM", {55, 50}, true);
  TRijder& a = w.Rijder(k, "A", {50, 47});
  BMPlaatsenAanpassen(k.SG, 1, w.comp.Club, 0x30);
  EXPECT_EQ(a.Uitslag(1), 50);
  EXPECT_EQ(a.Uitslag(2), 50);  // behind the BM rider's 50: one place up
}

TEST(BMPlaatsenAanpassen, NeverBeyondResult99) {
  Wedstrijd w(true);
  w.comp.Club.DisplayInfo = 0x7;  // three extra-field columns
  TKlasse& k = w.Klasse("MX1", 99);
  k.SG.SetColCount(k.SG.ColCount() + 2);  // and two computed columns
  ASSERT_GT(k.SG.ColCount() - 3, 99);
  TRijder& bm = w.Rijder(k, "BM", {}, true);
  TRijder& a = w.Rijder(k, "A", {});
  bm.Uitslag(99) = 1;
  a.Uitslag(99) = 2;
  BMPlaatsenAanpassen(k.SG, 1, w.comp.Club, 0);
  EXPECT_EQ(a.Uitslag(99), 1);
}

TEST(BMPlaatsenAanpassen, DamagedDeductionDoesNotDivideByZero) {
  Wedstrijd w;
  w.comp.Club.PuntAftrek = 0;
  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "BM", {41}, true);
  TRijder& a = w.Rijder(k, "A", {30});
  BMPlaatsenAanpassen(k.SG, 1, w.comp.Club, 0);
  EXPECT_EQ(a.Uitslag(1), 41);  // place 16 -> 15, which scores 41 without deduction
}

}  // namespace
}  // namespace kzo
