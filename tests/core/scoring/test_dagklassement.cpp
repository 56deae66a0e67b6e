// The computation of a day classification: day range, ranking with the day
// grid's own Shell sort, replacement points with and without the BM box, row moves,
// Apply, and the temporary "TmP" remarks.

#include <gtest/gtest.h>

#include "core/scoring/dagklassement.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

// The names of the riders in day-grid order, and one column's texts.
std::string DagVolgorde(const TDagKlassement& d) {
  std::string s;
  for (int r = 1; r < d.RowCount(); ++r) {
    if (!s.empty()) s += ' ';
    s += d.Rijder(r) ? d.Rijder(r)->Rijder.Naam.Get() : "-";
  }
  return s;
}

std::string Kolom(const TDagKlassement& d, int c) {
  std::string s;
  for (int r = 1; r < d.RowCount(); ++r) s += d.CelTekst(c, r, ',') + "|";
  return s;
}

TEST(DagBereik, CurrentResultOrItsWholeSeries) {
  Wedstrijd w(true);
  TKlasse& k = w.Klasse("MX1", 8);
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 5));
  k.SG.Col = k.UitslKolom(4);
  TDagBereik b = DagBereikVoorstel(k);
  EXPECT_EQ(b.Max, 8);
  EXPECT_EQ(b.Eerste, 3);
  EXPECT_EQ(b.Laatste, 5);
  k.SG.Col = k.UitslKolom(7);
  b = DagBereikVoorstel(k);
  EXPECT_EQ(b.Eerste, 7);
  EXPECT_EQ(b.Laatste, 7);
  k.SG.Col = 2;  // not a result column
  b = DagBereikVoorstel(k);
  EXPECT_EQ(b.Eerste, 1);
  EXPECT_EQ(b.Laatste, 1);
  // The spins keep the range in order.
  b.ZetEerste(6);
  EXPECT_EQ(b.Laatste, 6);
  b.ZetLaatste(2);
  EXPECT_EQ(b.Eerste, 2);
  b.ZetLaatste(50);
  EXPECT_EQ(b.Laatste, 8);
}

class DagTest : public ::testing::Test {
 protected:
  DagTest() : w(true) {
    k = &w.Klasse("MX1", 3);
    w.Rijder(*k, "A", {1, 3, 9});
    w.Rijder(*k, "B", {3, 1, 9});  // same day total as A, better last result
    w.Rijder(*k, "C", {2, 2, 9});
    w.Rijder(*k, "D", {dns, dns, 9});
    w.Rijder(*k, "E", {4, 4, 9}, true);
    w.Rijder(*k, "F", {5, 5, 9});
  }
  Wedstrijd w;
  TKlasse* k;
};

TEST_F(DagTest, GridLayoutAndRanking) {
  TDagKlassement d(w.comp, 1, 2, true);
  ASSERT_TRUE(d.Geldig());
  ASSERT_EQ(d.ColCount(), 2 + 5);
  ASSERT_EQ(d.RowCount(), 7);
  EXPECT_EQ(d.Kolom(0).Kop, "PL");
  EXPECT_FALSE(d.Kolom(0).HeeftColData);
  EXPECT_EQ(d.Kolom(1).Kop, "Naam");
  EXPECT_EQ(d.Kolom(1).mode, VeldNaam);
  EXPECT_EQ(d.Kolom(2).Kop, "Startnr");
  EXPECT_EQ(d.Kolom(3).Kop, "1");
  EXPECT_EQ(d.Kolom(4).mode, VeldUitslag);
  EXPECT_EQ(d.Kolom(4).Data, 2);
  EXPECT_EQ(d.Kolom(5).Kop, "Totaa");
  EXPECT_EQ(d.Kolom(5).mode, VeldNetto);
  EXPECT_EQ(d.Kolom(6).Kop, "Vervang");
  EXPECT_EQ(d.Kolom(6).mode, VeldBruto);

  EXPECT_EQ(DagVolgorde(d), "B A C E F D");
  EXPECT_EQ(d.KlasseRij(1), 2);
  EXPECT_EQ(Kolom(d, 0), "1|2|3|4|5|6|");
  EXPECT_EQ(Kolom(d, 1), "B|A|C|E|F|D|");
  EXPECT_EQ(Kolom(d, 3), "3|1|2|4|5|dns|");
  EXPECT_EQ(Kolom(d, 5), "95|95|94|86|82||");
  // The BM rider gets no replacement points; the next rider gets those of its place.
  EXPECT_EQ(Kolom(d, 6), "50|47|45||43|dns|");
  EXPECT_EQ(d.CelTekst(6, 0, ','), "Vervang");
}

TEST_F(DagTest, WithoutTheBMBoxEveryoneScores) {
  TDagKlassement d(w.comp, 2, 1, false);  // the range is put in order: 1..1
  EXPECT_EQ(d.Uit1(), 1);
  EXPECT_EQ(d.Uit2(), 1);
  EXPECT_EQ(DagVolgorde(d), "A C B E F D");
  EXPECT_EQ(Kolom(d, d.ColCount() - 1), "50|47|45|43|41|dns|");
}

TEST(DagPunten, DnsInEveryHeatShowsNothingWithPoints) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 2);
  w.Rijder(k, "A", {20, 30});
  w.Rijder(k, "D", {dns, dns});
  w.comp.MynData.SetData(k.Rijder(2)->Sleutel(), 1,
                         "3\x04"
                         "0\x04"
                         "weg");
  TDagKlassement d(w.comp, 1, 2, false);
  EXPECT_EQ(Kolom(d, d.ColCount() - 1), "50||");
  EXPECT_EQ(w.comp.MynData.VindID("TmP" + k.Rijder(2)->Sleutel(), 1), -1);
}

// Five riders with equal keys but one: the day grid's gaps (3, 1 for six rows) leave the
// equal ones as P0 P2 P3 P1; a stable sort would keep P0 P1 P2 P3 and the class sort's
// gaps (2, 1) would give P1 P0 P3 P2.
TEST(DagSorteer, EqualKeysKeepTheDayGridsShellOrder) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 1);
  for (int i = 0; i < 4; ++i) w.Rijder(k, "P" + std::to_string(i), {10});
  w.Rijder(k, "P4", {20});
  TDagKlassement d(w.comp, 1, 1, false);
  EXPECT_EQ(DagVolgorde(d), "P4 P0 P2 P3 P1");
  EXPECT_EQ(Kolom(d, d.ColCount() - 1), "50|47|45|43|41|");

  // Dragging a row renumbers: the replacement points follow the new order.
  d.VerplaatsRij(1, 3);
  EXPECT_EQ(DagVolgorde(d), "P0 P2 P4 P3 P1");
  EXPECT_EQ(Kolom(d, d.ColCount() - 1), "50|47|45|43|41|");
  EXPECT_EQ(d.Rijder(3)->Bruto, 45);
  EXPECT_EQ(Kolom(d, 0), "1|2|3|4|5|");
  d.VerplaatsRij(0, 2);  // the header row does not move
  d.VerplaatsRij(5, 9);
  EXPECT_EQ(DagVolgorde(d), "P0 P2 P4 P3 P1");
}

TEST(DagToepassen, RangeBecomesOneResultColumn) {
  Wedstrijd w(true);
  TKlasse& k = w.Klasse("MX1", 8);
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 5));
  k.SG.Kolom(k.UitslKolom(6))->SetInfo(Reeks(6, 8));
  TRijder& a = w.Rijder(k, "A", {1, 1, 1, 2, 3, 4, 5, 6});
  TRijder& b = w.Rijder(k, "B", {2, 2, 2, 1, 1, 1, 7, 8});
  {
    TDagKlassement d(w.comp, 3, 5, false);
    EXPECT_EQ(d.Vraag(), "Uitslagen van de kolommen 3 t/m 5 vervangen met Dagklassement ?");
    EXPECT_EQ(DagVolgorde(d), "B A");
    d.Toepassen();
    d.Sluiten();
  }
  EXPECT_EQ(k.NR_Uit(), 6);
  EXPECT_EQ(k.SG.ColCount(), 4 + 6);
  const int verwachtA[6] = {1, 1, 2, 4, 5, 6}, verwachtB[6] = {2, 2, 1, 1, 7, 8};
  for (int u = 1; u <= 6; ++u) {
    EXPECT_EQ(a.Uitslag(u), verwachtA[u - 1]) << u;
    EXPECT_EQ(b.Uitslag(u), verwachtB[u - 1]) << u;
  }
  EXPECT_EQ(a.Uitslag(7), geen);
  ASSERT_NE(k.SG.Kolom(k.UitslKolom(3))->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(3))->info->Uitsl[1], 3);  // cut back to end at U1
  ASSERT_NE(k.SG.Kolom(k.UitslKolom(4))->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(4))->info->Uitsl[0], 4);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(4))->info->Uitsl[1], 6);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(4))->kleur, w.comp.Club.KolKleur2);
  EXPECT_EQ(w.comp.Gewijzigd() & 1, 1);
  EXPECT_TRUE(a.SortStr.empty());
}

TEST(DagToepassen, OneResultDeletesNoColumn) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 3);
  TRijder& a = w.Rijder(k, "A", {10, 20, 30});
  TRijder& b = w.Rijder(k, "B", {10, 40, 30});
  TRijder& c = w.Rijder(k, "C", {10, geen, 30});
  TDagKlassement d(w.comp, 2, 2, false);
  EXPECT_EQ(d.Vraag(), "De uitslagen van kolom 2 vervangen met Dagklassement ?");
  d.Toepassen();
  EXPECT_EQ(k.NR_Uit(), 3);
  EXPECT_EQ(b.Uitslag(2), 50);
  EXPECT_EQ(a.Uitslag(2), 47);
  EXPECT_EQ(c.Uitslag(2), geen);  // points storage: no replacement, no result
  EXPECT_EQ(a.Uitslag(3), 30);
}

class DagOpmerkingTest : public ::testing::Test {
 protected:
  DagOpmerkingTest() : w(true) {
    k = &w.Klasse("MX1", 3);
    a = &w.Rijder(*k, "A", {1, 1, 1});
    d = &w.Rijder(*k, "D", {dns, dnf, DQ});
    md.SetData(d->Sleutel(), 1,
               "0\x04"
               "0\x04"
               "kort");
    md.SetData(d->Sleutel(), 2, "ééééé");  // 5 characters, 10 bytes
    md.SetData(d->Sleutel(), 3,
               "4\x04"
               "1\x04"
               "langer");
    md.SetData(a->Sleutel(), 2,
               "2\x04"
               "0\x04"
               "val");
  }
  int TmPRegels() const {
    int n = 0;
    for (const auto& r : md.Regels()) n += r.starts_with("TmP") ? 1 : 0;
    return n;
  }
  Wedstrijd w;
  TMynData& md = w.comp.MynData;
  TKlasse* k;
  TRijder* a;
  TRijder* d;
};

TEST_F(DagOpmerkingTest, ApplyCarriesTheLongestRemarkOver) {
  TDagKlassement dag(w.comp, 1, 3, false);
  EXPECT_EQ(d->Bruto, dns);
  EXPECT_EQ(dag.CelTekst(dag.ColCount() - 1, 2, ','), "dns");
  // The first of the longest, counted in characters as the user sees them.
  EXPECT_EQ(md.GetData("TmP" + d->Sleutel(), 1),
            "4\x04"
            "1\x04"
            "langer");
  EXPECT_EQ(TmPRegels(), 1);
  dag.Toepassen();
  dag.Sluiten();
  EXPECT_EQ(k->NR_Uit(), 1);
  EXPECT_EQ(d->Uitslag(1), dns);
  EXPECT_EQ(a->Uitslag(1), 1);
  EXPECT_EQ(md.GetData(d->Sleutel(), 1),
            "4\x04"
            "1\x04"
            "langer");
  EXPECT_EQ(md.GetData(d->Sleutel(), 2), "");
  EXPECT_EQ(md.GetData(a->Sleutel(), 2), "");
  EXPECT_EQ(TmPRegels(), 0);
}

TEST_F(DagOpmerkingTest, CancelLeavesEverythingAndRemovesTheTemporaryRemarks) {
  {
    TDagKlassement dag(w.comp, 1, 3, false);
    EXPECT_EQ(TmPRegels(), 1);
  }  // closed without Apply
  EXPECT_EQ(TmPRegels(), 0);
  EXPECT_EQ(k->NR_Uit(), 3);
  EXPECT_EQ(d->Uitslag(3), DQ);
  EXPECT_EQ(md.GetData(d->Sleutel(), 1),
            "0\x04"
            "0\x04"
            "kort");
  EXPECT_EQ(md.GetData(a->Sleutel(), 2),
            "2\x04"
            "0\x04"
            "val");
  EXPECT_EQ(w.comp.Gewijzigd(), 0);
  EXPECT_TRUE(d->SortStr.empty());
}

TEST(DagZonderKlasse, NothingToDo) {
  Wedstrijd w;
  TDagKlassement d(w.comp, 1, 2, false);
  EXPECT_FALSE(d.Geldig());
  d.Toepassen();
  EXPECT_EQ(d.RowCount(), 1);
}

}  // namespace
}  // namespace kzo
