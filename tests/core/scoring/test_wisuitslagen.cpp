// The core of WisUitslagen used by the day classification: erasing and
// deleting results with their remarks and series information.

#include <gtest/gtest.h>

#include "core/scoring/wisuitslagen.h"
#include "hulp.h"

namespace kzo {
namespace {

using namespace kzo::test;

class WisTest : public ::testing::Test {
 protected:
  WisTest() {
    k = &w.Klasse("MX1", 5);
    r = &w.Rijder(*k, "A", {1, 2, 3, 4, 5});
    md.SetData(r->Sleutel(), 2, "opm 2");
    md.SetData(r->Sleutel(), 4, "opm 4");
  }
  Wedstrijd w;
  TMynData& md = w.comp.MynData;
  TKlasse* k;
  TRijder* r;
};

TEST_F(WisTest, EraseKeepsTheColumns) {
  EXPECT_TRUE(WisUitslagen(w.comp, 0, 2, 3, false, false));
  EXPECT_EQ(k->NR_Uit(), 5);
  EXPECT_EQ(r->Uitslag(2), geen);
  EXPECT_EQ(r->Uitslag(3), geen);
  EXPECT_EQ(r->Uitslag(4), 4);
  EXPECT_EQ(md.GetData(r->Sleutel(), 2), "");
  EXPECT_EQ(md.GetData(r->Sleutel(), 4), "opm 4");
  EXPECT_EQ(w.comp.Gewijzigd() & 1, 1);
}

TEST_F(WisTest, DeleteMovesLaterResultsAndRemarksLeft) {
  EXPECT_TRUE(WisUitslagen(w.comp, 0, 2, 3, false, true));
  EXPECT_EQ(k->NR_Uit(), 3);
  EXPECT_EQ(r->Uitslag(1), 1);
  EXPECT_EQ(r->Uitslag(2), 4);
  EXPECT_EQ(r->Uitslag(3), 5);
  EXPECT_EQ(r->Uitslag(4), geen);
  EXPECT_EQ(md.GetData(r->Sleutel(), 2), "opm 4");
  EXPECT_EQ(md.GetData(r->Sleutel(), 4), "");
}

TEST_F(WisTest, BeyondTheResultsNothingChanges) {
  EXPECT_FALSE(WisUitslagen(w.comp, 0, 8, 9, false, true));
  EXPECT_EQ(k->NR_Uit(), 5);
  EXPECT_EQ(w.comp.Gewijzigd(), 0);
  EXPECT_FALSE(WisUitslagen(w.comp, 3, 1, 1, false, true));  // no such tab
}

TEST_F(WisTest, DeleteAll) {
  EXPECT_TRUE(WisUitslagen(w.comp, 0, 0, 0, true, true));
  EXPECT_EQ(k->NR_Uit(), 0);
  EXPECT_EQ(md.Count(), 0);
  EXPECT_EQ(r->Uitslag(1), geen);
}

TEST(WisReeks, SeriesAreCutOrRemoved) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 12);
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(2, 9));
  k.SG.Kolom(k.UitslKolom(10))->SetInfo(Reeks(10, 12));
  WisUitslagen(w.comp, 0, 4, 9, false, true);  // inside [2..9] up to its end
  ASSERT_NE(k.SG.Kolom(k.UitslKolom(2))->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(2))->info->Uitsl[1], 3);
  ASSERT_NE(k.SG.Kolom(k.UitslKolom(4))->info, nullptr);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(4))->info->Uitsl[0], 4);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(4))->info->Uitsl[1], 6);

  // A range holding the first result of a series removes the series.
  WisUitslagen(w.comp, 0, 4, 4, false, true);
  EXPECT_EQ(k.AantalUitslagen(), 5);
  k.SetAantalUitslagen();
  EXPECT_EQ(k.InfoKlasse.aantalUitslInfo, 1);
}

TEST(WisReeks, SeriesEndingInsideTheRangeEndsBeforeIt) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 9);
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(2, 5));
  WisUitslagen(w.comp, 0, 4, 7, false, true);
  EXPECT_EQ(k.SG.Kolom(k.UitslKolom(2))->info->Uitsl[1], 3);
}

TEST(WisLaatste, The99thResultDoesNotComeBack) {
  Wedstrijd w;
  TKlasse& k = w.Klasse("MX1", 99);
  TRijder& r = w.Rijder(k, "A", {});
  for (int u = 1; u <= 99; ++u) r.Uitslag(u) = static_cast<std::int16_t>(u);
  WisUitslagen(w.comp, 0, 1, 1, false, true);
  EXPECT_EQ(k.NR_Uit(), 98);
  EXPECT_EQ(r.Uitslag(98), 99);
  EXPECT_EQ(r.Uitslag(99), geen);
}

}  // namespace
}  // namespace kzo
