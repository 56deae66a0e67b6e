// The computation of the final standings: EindOptie, the net count, the
// computed columns and the standing of one or all classes, BM riders under each of the
// four treatments.

#include <gtest/gtest.h>

#include "core/scoring/eindstand.h"
#include "core/scoring/sorteren.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

TEST(EindOptie, StartWordAndRebuild) {
  const TEindKeuze k = EindKeuzeVan(EindOptieStart);
  EXPECT_TRUE(k.BrutoNetto);
  EXPECT_TRUE(k.Netto);
  EXPECT_TRUE(k.Bruto);
  EXPECT_FALSE(k.Dag);
  EXPECT_EQ(k.BM, 1);
  EXPECT_STREQ(BMKeuzeTekst(k.BM), "Geen eindklassing");
  EXPECT_TRUE(k.AlleKlassen);
  EXPECT_EQ(EindOptieWoord(k), 87);
  EXPECT_EQ(EindOptieWoord(TEindKeuze{false, false, true, true, 3, false}), 4 | 8 | 0x30);
  EXPECT_EQ(EindKeuzeVan(0x30).BM, 3);
  EXPECT_EQ(TRekenStaat{}.EindOptie, 87);
}

TEST(NettoAantal, ByThePercentageRule) {
  Wedstrijd w;
  TClubInfo& c = w.comp.Club;
  struct {
    int uitslagen, procent, plus;
    bool omlaag;
    int netto;
  } gevallen[] = {
      {7, 50, 1, false, 5},  {10, 33, 0, false, 4}, {10, 33, 0, true, 3}, {1, 10, 0, true, 1},
      {12, 50, 1, false, 7}, {3, 67, 0, false, 2},  // 2.01: a fraction of 0.01 is not above it
      {3, 68, 0, false, 3},  {0, 50, 1, false, 1},  {4, 0, 0, false, 4},
  };
  for (const auto& g : gevallen) {
    Wedstrijd v;
    TKlasse& k = v.Klasse("K", g.uitslagen);
    c.RekPercentage = g.procent;
    c.RekPlus1 = g.plus;
    c.RekOptie = g.omlaag ? 1 : 0;
    EXPECT_EQ(NettoAantal(&k, c), g.netto) << g.uitslagen << " " << g.procent << "%";
  }
  EXPECT_EQ(NettoAantal(nullptr, c), 0);
}

TEST(NettoAantal, ByDiscardedResults) {
  Wedstrijd w;
  w.comp.Club.RekOptie = 0x10;
  w.comp.Club.Schrap = 2;
  TKlasse& twee = w.Klasse("K", 2);
  TKlasse& vijf = w.Klasse("L", 5);
  EXPECT_EQ(NettoAantal(&twee, w.comp.Club), 2);  // no more results than Schrap: all
  EXPECT_EQ(NettoAantal(&vijf, w.comp.Club), 3);
  vijf.SG.Kolom(vijf.UitslKolom(1))->SetInfo(Reeks(1, 1, true));
  EXPECT_EQ(NettoAantal(&vijf, w.comp.Club), 2);  // counting results only
}

class EindstandTest : public ::testing::Test {
 protected:
  EindstandTest() : w(true) {}
  TKlasse& Vul(const std::string& naam, int uitslagen) {
    TKlasse& k = w.Klasse(naam, uitslagen);
    w.Rijder(k, "A", {1, 3, 2, 1, 1, 1, 1, 1, 1, 1});
    w.Rijder(k, "B", {2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    w.Rijder(k, "C", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    return k;
  }
  void Bereken(const TEindKeuze& keuze, int netSpin = 1) {
    BerekenEindstanden(w.comp, w.staat, keuze, netSpin, ',', &w.meld);
  }
  Wedstrijd w;
};

TEST_F(EindstandTest, GrossAndNetColumns) {
  TKlasse& k = Vul("MX1", 4);
  const int kolommen = k.SG.ColCount();
  Bereken(EindKeuzeVan(87));
  EXPECT_EQ(w.staat.EindOptie, 87);
  ASSERT_EQ(k.BN, 2);
  ASSERT_EQ(k.SG.ColCount(), kolommen + 2);
  EXPECT_EQ(k.SG.Kop(kolommen), "Bruto");
  EXPECT_EQ(k.SG.Kolom(kolommen)->mode, VeldBruto);
  EXPECT_EQ(k.SG.Kop(kolommen + 1), "Netto");
  EXPECT_EQ(k.SG.Kolom(kolommen + 1)->mode, VeldNetto);
  EXPECT_EQ(k.SG.Kolom(kolommen + 1)->Data, 3);  // 4 results at 50 % + 1
  EXPECT_EQ(k.SG.Kop(1), "PL");
  EXPECT_EQ(k.NettoTekst, "Netto totaal berekend over de 3 beste uitslagen.");
  EXPECT_EQ(Volgorde(k), "A B C");
  EXPECT_EQ(Posities(k), "1 2 3");
  EXPECT_EQ(k.Rijder(1)->Netto, 50 + 50 + 47);
  EXPECT_EQ(k.Rijder(1)->Bruto, 50 + 50 + 47 + 45);
  EXPECT_EQ(k.Rijder(1)->VeldStr(VeldNetto, 0, w.comp.Club, ','), "147");

  Bereken(EindKeuzeVan(87));  // twice: still one set of columns
  EXPECT_EQ(k.SG.ColCount(), kolommen + 2);
  VerwijderEindstand(k);
  EXPECT_EQ(k.SG.ColCount(), kolommen);
  EXPECT_EQ(k.BN, 0);
  EXPECT_EQ(k.SG.Kop(1), " ");
  EXPECT_EQ(k.NettoTekst, "");
}

TEST_F(EindstandTest, OneTotalOrTheDayBox) {
  TKlasse& k = Vul("MX1", 4);
  const int kolommen = k.SG.ColCount();
  TEindKeuze keuze = EindKeuzeVan(87);
  keuze.Bruto = false;
  Bereken(keuze);
  EXPECT_EQ(k.BN, 1);
  EXPECT_EQ(k.SG.Kop(kolommen), "Netto");
  EXPECT_EQ(k.SG.Kolom(kolommen)->mode, VeldNetto);

  keuze.Bruto = true;
  keuze.Netto = false;
  Bereken(keuze);
  EXPECT_EQ(k.BN, 1);
  EXPECT_EQ(k.SG.Kop(kolommen), "Bruto");
  EXPECT_EQ(k.SG.Kolom(kolommen)->mode, VeldBruto);
  EXPECT_EQ(k.NettoTekst, "");

  keuze.Dag = true;
  Bereken(keuze);
  EXPECT_EQ(k.SG.ColCount(), kolommen + 1);
  EXPECT_EQ(k.SG.Kop(kolommen), "Bruto");
  EXPECT_EQ(k.SG.Kolom(kolommen)->mode, VeldDag);
  EXPECT_EQ(k.NettoTekst, "Berekend als dagklassement.");
  EXPECT_EQ(w.staat.EindOptie & 8, 8);

  keuze.Netto = true;  // with both totals the day box has no effect
  Bereken(keuze);
  EXPECT_EQ(k.SG.Kolom(kolommen)->mode, VeldBruto);
  EXPECT_EQ(k.SG.Kolom(kolommen + 1)->mode, VeldNetto);
}

TEST_F(EindstandTest, AverageColumns) {
  TKlasse& k = Vul("MX1", 4);
  const int kolommen = k.SG.ColCount();
  TEindKeuze keuze = EindKeuzeVan(87);
  keuze.BrutoNetto = false;
  Bereken(keuze);
  ASSERT_EQ(k.BN, 3);
  const char* kop[3] = {"Totaal", "Uitslagen", "Gemiddeld"};
  const int mode[3] = {VeldBruto, VeldNetto, VeldGemiddelde};
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(k.SG.Kop(kolommen + j), kop[j]);
    EXPECT_EQ(k.SG.Kolom(kolommen + j)->mode, mode[j]);
    EXPECT_EQ(k.SG.Kolom(kolommen + j)->Data, 4);  // all results (GemidOptie 1)
  }
  EXPECT_EQ(k.SG.Kop(1), "PL");
  EXPECT_EQ(Volgorde(k), "A B C");
  EXPECT_EQ(k.Rijder(1)->VeldStr(VeldGemiddelde, 0, w.comp.Club, ','), "48,0");
  EXPECT_EQ(k.NettoTekst, "");

  w.comp.Club.GemidOptie = 2;
  Bereken(keuze);
  EXPECT_EQ(k.SG.Kolom(kolommen)->Data, 3);  // the net count
  EXPECT_EQ(k.Rijder(1)->Bruto, 147);
  EXPECT_EQ(k.Rijder(1)->Netto, 3);
  EXPECT_EQ(k.NettoTekst, "Netto totaal berekend over de 3 beste uitslagen.");
}

TEST_F(EindstandTest, AllClassesEachWithItsOwnNetCount) {
  TKlasse& a = Vul("MX1", 7);
  w.comp.Tabs.emplace_back();  // a tab without a class is skipped
  TKlasse& b = Vul("MX2", 10);
  Bereken(EindKeuzeVan(87), 1);
  EXPECT_EQ(a.SG.Kolom(a.SG.ColCount() - 1)->Data, 5);
  EXPECT_EQ(b.SG.Kolom(b.SG.ColCount() - 1)->Data, 6);
  EXPECT_EQ(a.indexnr, 0);
  EXPECT_EQ(b.indexnr, 2);
}

TEST_F(EindstandTest, CurrentClassWithTheSpin) {
  TKlasse& a = Vul("MX1", 7);
  TKlasse& b = Vul("MX2", 10);
  w.comp.ActieveTab = 1;
  TEindKeuze keuze = EindKeuzeVan(87);
  keuze.AlleKlassen = false;
  Bereken(keuze, 8);
  EXPECT_EQ(a.BN, 0);
  EXPECT_EQ(b.BN, 2);
  EXPECT_EQ(b.SG.Kolom(b.SG.ColCount() - 1)->Data, 8);
  EXPECT_EQ(w.staat.EindOptie, 87 & ~0x40);
}

// The columns carry the count the sort used: never more than the counting results, so
// "#N" stays within "#T" and "#G" is never negative. The totals do not change.
TEST_F(EindstandTest, ColumnsCarryTheCountActuallyUsed) {
  TKlasse& k = Vul("MX1", 1);  // one result at 50 % + 1: the rule asks for 2
  ASSERT_EQ(NettoAantal(&k, w.comp.Club), 2);
  const int kolommen = k.SG.ColCount();
  Bereken(EindKeuzeVan(87));
  EXPECT_EQ(k.SG.Kolom(kolommen)->Data, 1);
  EXPECT_EQ(k.SG.Kolom(kolommen + 1)->Data, 1);
  EXPECT_EQ(k.Rijder(1)->Netto, 50);
  EXPECT_EQ(k.Rijder(1)->Bruto, 50);
  EXPECT_EQ(k.NettoTekst, "Netto totaal berekend over alle uitslagen.");
  EXPECT_EQ(VulTekstIn(NettoMethodeTekst(w.comp, 0), w.comp, 0),
            "Er zijn 1 uitslagen. Hiervan zijn de 1 beste uitslagen tellend voor de eindstand");
  EXPECT_EQ(VulTekstIn("#T/#N/#G", w.comp, 0), "1/1/0");

  // Averages over the net results.
  w.comp.Club.GemidOptie = 2;
  TEindKeuze gemiddeld = EindKeuzeVan(87);
  gemiddeld.BrutoNetto = false;
  Bereken(gemiddeld);
  for (int j = 0; j < 3; ++j) EXPECT_EQ(k.SG.Kolom(kolommen + j)->Data, 1) << j;
  EXPECT_EQ(VulTekstIn("#T/#N/#G", w.comp, 0), "1/1/0");

  // The current class with a net count above its results.
  TKlasse& b = Vul("MX2", 7);
  w.comp.ActieveTab = 1;
  TEindKeuze huidig = EindKeuzeVan(87);
  huidig.AlleKlassen = false;
  Bereken(huidig, 9);
  EXPECT_EQ(b.SG.Kolom(b.SG.ColCount() - 1)->Data, 7);
  EXPECT_EQ(b.Rijder(1)->Netto, b.Rijder(1)->Bruto);
  EXPECT_EQ(VulTekstIn("#T/#N/#G", w.comp, 1), "7/7/0");
}

TEST_F(EindstandTest, TieLinesCarryTheClassIndex) {
  Vul("MX1", 2);
  TKlasse& b = w.Klasse("MX2", 2);
  w.Rijder(b, "P", {1, 2});
  w.Rijder(b, "Q", {1, 2});
  Bereken(EindKeuzeVan(87));
  ASSERT_EQ(w.meld.Count(), 1);
  EXPECT_EQ(w.meld.Regel(0).Tekst, "MX2\tPlaats 1 t/m 2 <!>");
  EXPECT_EQ(w.meld.Regel(0).Data, 1);
}

// A BM rider between others, under each of the four treatments. Places stored:
// A 1,3  BM 2,1  B 3,2  C 4,4 over two results, net count 2.
class BMTest : public ::testing::TestWithParam<int> {
 protected:
  BMTest() : w(true) {
    k = &w.Klasse("MX1", 2);
    w.Rijder(*k, "A", {1, 3});
    w.Rijder(*k, "BM", {2, 1}, true);
    w.Rijder(*k, "B", {3, 2});
    w.Rijder(*k, "C", {4, 4});
  }
  Wedstrijd w;
  TKlasse* k;
};

TEST_P(BMTest, FourTreatments) {
  TEindKeuze keuze = EindKeuzeVan(87);
  keuze.BM = GetParam();
  BerekenEindstanden(w.comp, w.staat, keuze, 1, ',', &w.meld);
  const TRijder* bm = nullptr;
  for (int r = 1; r <= 4; ++r)
    if (k->Rijder(r)->BM()) bm = k->Rijder(r);
  ASSERT_NE(bm, nullptr);
  switch (GetParam()) {
    case 0:  // "Normaal klasseren"
      EXPECT_EQ(Volgorde(*k), "BM A B C");
      EXPECT_EQ(Posities(*k), "1 2 3 4");
      EXPECT_EQ(bm->Netto, 97);
      break;
    case 1:  // "Geen eindklassing": keeps its place in the order, takes no position
      EXPECT_EQ(Volgorde(*k), "BM A B C");
      EXPECT_EQ(Posities(*k), "BM 1 2 3");
      EXPECT_EQ(bm->Netto, 97);
      break;
    case 2:  // "Geen bruto / netto punten": no totals, results kept
      EXPECT_EQ(Volgorde(*k), "A B C BM");
      EXPECT_EQ(Posities(*k), "1 2 3 BM");
      EXPECT_EQ(bm->Netto, -1);
      EXPECT_EQ(bm->Bruto, -1);
      EXPECT_EQ(bm->Uitslag(1), 2);
      break;
    case 3: {  // results out, the others move up
      EXPECT_EQ(Volgorde(*k), "B A C BM");
      EXPECT_EQ(Posities(*k), "1 2 3 BM");
      EXPECT_EQ(bm->Uitslag(1), geen);
      EXPECT_FALSE(bm->GeldigeRijder());
      const TRijder& a = *k->Rijder(2);
      const TRijder& b = *k->Rijder(1);
      const TRijder& c = *k->Rijder(3);
      EXPECT_EQ(a.Uitslag(2), 2);
      EXPECT_EQ(b.Uitslag(1), 2);
      EXPECT_EQ(b.Uitslag(2), 1);
      EXPECT_EQ(c.Uitslag(1), 3);
      EXPECT_EQ(c.Uitslag(2), 3);
      EXPECT_EQ(a.Netto, 97);
      EXPECT_EQ(b.Netto, 97);
      ASSERT_EQ(w.meld.Count(), 1);
      EXPECT_EQ(w.meld.Regel(0).Tekst, "MX1\tPlaats 1 t/m 2");
      break;
    }
  }
  // Removing the standing restores every rider.
  k->VerwijderBN();
  for (int r = 1; r <= 4; ++r) {
    const TRijder& rd = *k->Rijder(r);
    EXPECT_TRUE(rd.GeldigeRijder());
    EXPECT_EQ(rd.SaveUitOptie, 0);
    const std::string n = rd.Rijder.Naam.Get();
    const int verwacht[4][2] = {{1, 3}, {2, 1}, {3, 2}, {4, 4}};
    const int i = n == "A" ? 0 : n == "BM" ? 1 : n == "B" ? 2 : 3;
    EXPECT_EQ(rd.Uitslag(1), verwacht[i][0]) << n;
    EXPECT_EQ(rd.Uitslag(2), verwacht[i][1]) << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Behandeling, BMTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace kzo
