// Sort keys of every mode, the Shell sort, the finishing-place sort, the texts
// that describe a standing.

#include <gtest/gtest.h>

#include "core/records/getal.h"
#include "core/scoring/getaltekst.h"
#include "core/scoring/sorteren.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

const std::string kLeegOp(LeegOplopend), kLeegAf(LeegAflopend);

TEST(SortKeys, PaddingByNumberEqualsPaddingByText) {
  for (int w : {3, 5, 10})
    for (long long v = -120000; v <= 120000; v += (v > -1100 && v < 1100) ? 1 : 997)
      ASSERT_EQ(VulNullenGetal(v, w), VulNullen(std::to_string(v), w)) << v << " " << w;
  for (long long v : {2147483647LL, -2147483647LL - 1})
    EXPECT_EQ(VulNullenGetal(v, 5), VulNullen(std::to_string(v), 5));
}

class SleutelTest : public ::testing::Test {
 protected:
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 3);
  std::string Key(TRijder& r, int nr, int un = 0, int max = 0, bool op = true) {
    SetSortString(r, w.Ctx(), nr, un, max, op);
    return r.SortStr;
  }
};

TEST_F(SleutelTest, FieldModes) {
  TRijder& r = w.Rijder(k, "de Vries, jan", {});
  r.Rijder.IDnum = 42;
  r.Rijder.RijNr.Set("7");
  r.Rijder.Extra[0].Set("Zwolle");
  r.Rijder.Extra[2].Set("ééN");
  EXPECT_EQ(Key(r, 0), "0000000042");
  EXPECT_EQ(Key(r, 1), "JAN DE VRIES");  // as displayed, ASCII letters upper-cased
  EXPECT_EQ(Key(r, 2), "00007");
  EXPECT_EQ(Key(r, 4), "ZWOLLE");
  EXPECT_EQ(Key(r, 6), "ééN");
  EXPECT_EQ(Key(r, 5), kLeegOp);               // empty field: last when ascending ...
  EXPECT_EQ(Key(r, 5, 0, 0, false), kLeegAf);  // ... and when descending
  EXPECT_EQ(Key(r, 11), kLeegOp);
  r.Rijder.IDnum = 0xFFFFFFFF;
  EXPECT_EQ(Key(r, 0), "4294967295");
  r.Rijder.RijNr.Set("A12");
  EXPECT_EQ(Key(r, 2), "A12");
}

TEST_F(SleutelTest, ModesOfAnAverageStandingUseTheTotalsAsTheyAre) {
  TRijder& r = w.Rijder(k, "A", {7});
  r.Bruto = 125;
  r.Netto = 10;
  r.Uitslag(1) = 1007;  // a discard mark is removed first (mode above 6)
  EXPECT_EQ(Key(r, 17),
            "00010"
            "00012,5");
  EXPECT_EQ(r.Uitslag(1), 7);
  EXPECT_EQ(Key(r, 18), "00125");
  EXPECT_EQ(Key(r, 19), "00012,5");
  r.Bruto = -1;
  EXPECT_EQ(Key(r, 19, 0, 0, false), kLeegAf);
}

TEST_F(SleutelTest, ResultKeysWithSpecialValues) {
  TRijder& r = w.Rijder(k, "A", {0});
  struct {
    int waarde;
    const char* key;
  } gevallen[] = {{45, "045"},  {0, "501"},  {x, "902"},    {dns, "903"},
                  {dnf, "904"}, {DQ, "905"}, {1003, "003"}, {-9, "-009"}};
  for (const auto& g : gevallen) {
    r.Uitslag(1) = static_cast<std::int16_t>(g.waarde);
    EXPECT_EQ(Key(r, 3, 1), g.key) << g.waarde;
  }
  r.Uitslag(1) = geen;
  EXPECT_EQ(Key(r, 3, 1), kLeegOp);
  EXPECT_EQ(Key(r, 3, 1, 0, false), kLeegAf);
  r.Uitslag(1) = 12;
  EXPECT_EQ(Key(r, 3, 0), kLeegOp);  // result numbers outside 1..99
  EXPECT_EQ(Key(r, 3, 100), kLeegOp);
  w.comp.Club.AlgOptie |= 0x80;  // zero shown empty
  r.Uitslag(1) = 0;
  EXPECT_EQ(Key(r, 3, 1), kLeegOp);
}

TEST_F(SleutelTest, ResultKeysOfPlacesShownAsPoints) {
  w.comp.Club.AlgOptie = 0x61;
  TRijder& r = w.Rijder(k, "A", {2});
  EXPECT_EQ(Key(r, 3, 1), "047");
  struct {
    int waarde;
    const char* key;
  } gevallen[] = {{x, "-7"}, {dns, "-6"}, {dnf, "-5"}, {DQ, "-4"}};
  for (const auto& g : gevallen) {
    r.Uitslag(1) = static_cast<std::int16_t>(g.waarde);
    EXPECT_EQ(Key(r, 3, 1), g.key) << g.waarde;
  }
  r.Uitslag(1) = 0;  // place 0 shows 0: stays "000", except for the quick entry (Max 999)
  EXPECT_EQ(Key(r, 3, 1), "000");
  EXPECT_EQ(Key(r, 3, 1, 999), "501");
}

// Column sort ascending: numbers, then 0, then specials, then empty results.
TEST(Sorteren, ResultColumnAscendingPutsZeroSpecialsAndEmptyLast) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "leeg", {geen});
  w.Rijder(k, "dq", {DQ});
  w.Rijder(k, "nul", {0});
  w.Rijder(k, "x", {x});
  w.Rijder(k, "vijf", {5});
  w.Rijder(k, "dns", {dns});
  w.Rijder(k, "twintig", {20});
  Sorteren(k, w.Ctx(), 3, 1, 0, 0);
  EXPECT_EQ(Volgorde(k), "vijf twintig nul x dns dq leeg");
  EXPECT_EQ(Posities(k), "1 2 3 4 5 6 7");     // without standing columns: row numbers stay
  EXPECT_FALSE(k.Rijder(1)->SortStr.empty());  // and keys stay until the next sort
  Sorteren(k, w.Ctx(), 3, 1, 0, 1);
  EXPECT_EQ(Volgorde(k), "dq dns x nul twintig vijf leeg");
}

TEST(Sorteren, DQOfPlacesShownAsPoints) {
  Wedstrijd w;
  w.comp.Club.AlgOptie = 0x61;
  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "twee", {2});
  w.Rijder(k, "dq", {DQ});
  w.Rijder(k, "een", {1});
  Sorteren(k, w.Ctx(), 3, 1, 0, 0);
  EXPECT_EQ(Volgorde(k), "dq twee een");  // "-4" before "047" and "050"
  Sorteren(k, w.Ctx(), 3, 1, 0, -1);      // -1 chooses descending with bit 6
  EXPECT_EQ(Volgorde(k), "een twee dq");
  Sorteren(k, w.Ctx(), 1, 1, 0, -1);  // names: -1 chooses ascending below mode 3
  EXPECT_EQ(Volgorde(k), "dq een twee");
}

// Equal keys stay where this Shell sort leaves them; a stable sort would keep P before Q.
TEST(Sorteren, EqualKeysKeepTheShellSortOrder) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "B", {20});
  w.Rijder(k, "P", {10});
  w.Rijder(k, "Q", {10});
  w.Rijder(k, "D", {30});
  Sorteren(k, w.Ctx(), 3, 1, 0, 0);
  EXPECT_EQ(Volgorde(k), "Q P B D");

  Wedstrijd s;
  TKlasse& ks = s.Klasse("MX1", 1);
  s.Rijder(ks, "A", {40});
  s.Rijder(ks, "P", {47});
  s.Rijder(ks, "Q", {47});
  s.Rijder(ks, "D", {30});
  ks.BN = 1;
  Sorteren(ks, s.Ctx(), 8, 1, 1, 1);
  EXPECT_EQ(Volgorde(ks), "Q P A D");
  EXPECT_EQ(Posities(ks), "1 2 3 4");
}

TEST(Sorteren, RowsWithoutRiderGoLast) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "A", {10});
  k.SG.SetRowCount(3);  // row 2 without a rider
  w.Rijder(k, "C", {30});
  Sorteren(k, w.Ctx(), 3, 1, 0, 0);
  EXPECT_EQ(Volgorde(k), "A C -");
  Sorteren(k, w.Ctx(), 8, 1, 1, 1);
  EXPECT_EQ(Volgorde(k), "C A -");
}

// The quick result entry sorts on the finishing places kept in the keyed text store.
TEST(Sorteren, FinishingPlacesFromTheKeyedTextStore) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 2);
  TRijder& a = w.Rijder(k, "A", {0, 45});
  TRijder& b = w.Rijder(k, "B", {0, 50});
  w.Rijder(k, "C", {0, 47});
  TRijder& d = w.Rijder(k, "D", {0, 12});
  w.comp.MynData.SetData(a.Sleutel(), 2,
                         "3\x04"
                         "1\x04"
                         "opmerking");
  w.comp.MynData.SetData(b.Sleutel(), 2, "1");
  w.comp.MynData.SetData(d.Sleutel(), 2,
                         "vijf\x04"
                         "0");                  // not a number
  w.comp.MynData.SetData(b.Sleutel(), 1, "9");  // another result
  Sorteren(k, w.Ctx(), 3, 2, 999, 0);
  EXPECT_EQ(Volgorde(k), "B A D C");
  EXPECT_EQ(k.Rijder(1)->SortStr, "001001");
  EXPECT_EQ(k.Rijder(3)->SortStr, "012???");
  EXPECT_EQ(k.Rijder(4)->SortStr, "047???");
  // With places stored in the results there is nothing to look up.
  w.comp.Club.AlgOptie = 0x21;
  Sorteren(k, w.Ctx(), 3, 2, 999, 0);
  EXPECT_EQ(k.Rijder(1)->SortStr.find('?'), std::string::npos);
}

TEST(Sorteren, DamagedSeriesOnlyTouchCountingResultsInside1To99) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 6);
  k.SG.Kolom(k.UitslKolom(1))->SetInfo(Reeks(5, 2, true));   // backwards
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(-3, 1, true));  // before result 1
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(98, 2000000000, true));
  k.SG.Kolom(k.UitslKolom(4))->SetInfo(Reeks(4, 4, false));  // counting
  w.Rijder(k, "A", {10, 20, 30, 40});
  Sorteren(k, w.Ctx(), 8, 0, 6, 1);
  EXPECT_EQ(w.staat.Tellend[1], 0);
  EXPECT_EQ(w.staat.Tellend[2], 1);
  EXPECT_EQ(w.staat.Tellend[4], 1);
  EXPECT_EQ(w.staat.Tellend[97], 1);
  EXPECT_EQ(w.staat.Tellend[98], 0);
  EXPECT_EQ(w.staat.Tellend[99], 0);
  EXPECT_EQ(k.Rijder(1)->Bruto, 90);
}

TEST(Sorteren, NotCountingSeriesLeaveTheTotals) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 4);
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(2, 3, true));
  w.Rijder(k, "A", {10, 20, 30, 40});
  const int max = k.AantalUitslagen();
  ASSERT_EQ(max, 2);
  Sorteren(k, w.Ctx(), 8, max, max, 1);
  EXPECT_EQ(k.Rijder(1)->Bruto, 50);
}

// ---- NettoTekst ----

TEST(NettoTekst, HowTheNetTotalWasComputed) {
  Wedstrijd w;
  const TClubInfo& c = w.comp.Club;
  EXPECT_EQ(NettoTekstVoor(c, 7, 5, 5), "Netto totaal berekend over alle uitslagen.");
  EXPECT_EQ(NettoTekstVoor(c, 7, 5, 8), "Netto totaal berekend over de 5 beste uitslagen.");
  EXPECT_EQ(NettoTekstVoor(c, 9, 5, 8), "");  // GemidOptie 1
  EXPECT_EQ(NettoTekstVoor(c, 8, 5, 8), "");
  EXPECT_EQ(NettoTekstVoor(c, 10, 5, 8), "Berekend als dagklassement.");
  w.comp.Club.RekOptie |= 0x10;
  w.comp.Club.GemidOptie = 2;
  EXPECT_EQ(NettoTekstVoor(c, 7, 8, 8), "Netto totaal berekend zonder uitslagen te schrappen.");
  EXPECT_EQ(NettoTekstVoor(c, 9, 6, 8), "Netto totaal berekend met 2 schrapresultaten.");

  TKlasse& k = w.Klasse("MX1", 1);
  w.Rijder(k, "A", {1});
  k.NettoTekst = "oud";
  Sorteren(k, w.Ctx(), 1, 0, 0, 0);
  EXPECT_EQ(k.NettoTekst, "");
  Sorteren(k, w.Ctx(), 7, 3, 1, 1);  // Un limited to Max first
  EXPECT_EQ(k.NettoTekst, "Netto totaal berekend zonder uitslagen te schrappen.");
}

// ---- NettoMethodeTekst and VulTekstIn ----

TEST(NettoMethodeTekst, ByTheComputedColumns) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 2);
  auto maak = [&](std::initializer_list<int> modes) {
    k.VerwijderBN();
    for (int m : modes) {
      const int c = k.SG.ColCount();
      k.SG.SetColCount(c + 1);
      k.MakeColData(c, c, m, 2);
    }
    k.BN = static_cast<std::uint8_t>(modes.size());
  };
  maak({});
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0), "");
  maak({7});
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0),
            "Er zijn #T uitslagen. Hiervan zijn de #N beste uitslagen tellend voor de eindstand");
  maak({8});
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0),
            "Er zijn #T uitslagen. Er zijn geen uitslagen geschrapt.");
  maak({8, 7});
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0),
            "Er zijn #T uitslagen. Hiervan zijn de #N beste uitslagen tellend voor de eindstand");
  maak({8, 7, 9});
  const char* gemiddeld[4] = {"Gemiddelde berekend van uitslagen met meer dan nul punten.",
                              "Gemiddelde berekend van uitslagen met nul of meer punten.",
                              "Gemiddelde berekend van de #N beste uitslagen.",
                              "Gemiddelde berekend van #T uitslagen (incl. nul en geen punten)."};
  for (int g = 0; g < 4; ++g) {
    w.comp.Club.GemidOptie = g;
    EXPECT_EQ(NettoMethodeTekst(w.comp, 0), gemiddeld[g]);
  }
  w.comp.Club.RekOptie |= 0x10;  // discard mode
  w.comp.Club.GemidOptie = 2;
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0),
            "Gemiddelde berekend waarbij #G uitslagen zijn geschrapt.");
  maak({7});
  EXPECT_EQ(NettoMethodeTekst(w.comp, 0),
            "Er zijn #T uitslagen. De eindstand is berekend met #G schrapresultaten.");
  EXPECT_EQ(NettoMethodeTekst(w.comp, 1), "");
  EXPECT_EQ(NettoMethodeTekst(w.comp, -1), "");
}

TEST(VulTekstIn, FirstOccurrenceOfEachPlaceholder) {
  Wedstrijd w;
  w.comp.Club.Clubnaam.Set("MC De Zandhaas");
  TKlasse& k = w.Klasse("MX1", 8);
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 5, true));
  EXPECT_EQ(VulTekstIn("#T van #A (#T)", w.comp, 0), "5 van 8 (#T)");
  EXPECT_EQ(VulTekstIn("#K bij #C: #N/#G.", w.comp, 0), "MX1 bij MC De Zandhaas: /.");
  const int c = k.SG.ColCount();
  k.SG.SetColCount(c + 2);
  k.MakeColData(c, c, 8, 4);
  k.MakeColData(c + 1, c + 1, 7, 4);
  k.BN = 2;
  EXPECT_EQ(VulTekstIn("#N beste, #G geschrapt", w.comp, 0), "4 beste, 1 geschrapt");
  EXPECT_EQ(VulTekstIn(NettoMethodeTekst(w.comp, 0), w.comp, 0),
            "Er zijn 5 uitslagen. Hiervan zijn de 4 beste uitslagen tellend voor de eindstand");
}

}  // namespace
}  // namespace kzo
