#include <gtest/gtest.h>

#include "core/model/competitie.h"
#include "core/records/punten.h"

namespace kzo {
namespace {

// Two classes of two riders with results, a keyed text and an open file.
struct Voorbeeld {
  Voorbeeld() {
    comp.StandaardInstellingen(0);
    comp.Tabs.clear();
    for (const char* naam : {"MX1", "Jeugd"}) {
      auto k = std::make_unique<TKlasse>(naam, comp.Club);
      k->InfoKlasse.aantaluitslagen = 3;
      k->SetupSG(comp.Club);
      k->SG.SetRowCount(3);
      for (int r = 1; r <= 2; ++r) {
        auto rd = std::make_unique<TRijder>();
        rd->Rijder.IDnum = comp.NieuwID();
        rd->Rijder.Naam.Set("Rijder " + std::to_string(r));
        for (int u = 1; u <= 3; ++u) rd->Uitslag(u) = static_cast<std::int16_t>(r + u);
        k->SG.Rij(r).rijder = std::move(rd);
        k->SG.Rij(r).positie = std::to_string(r);
      }
      comp.Tabs.push_back(std::move(k));
    }
    comp.MynData.SetData(comp.Tabs[0]->Rijder(1)->Sleutel(), 1,
                         "-1\x04"
                         "0\x04"
                         "val");
    comp.Bestandsnaam = "seizoen.kzo";
    comp.Club.AlgOptie |= AlgVasteKolommen;
    comp.WisGewijzigd();
  }

  TCompetitie comp;
};

class CompetitieTest : public ::testing::Test {
 protected:
  Voorbeeld v;
  TCompetitie& comp = v.comp;
};

TEST(Competitie, NewWithSettingsKeepsClassesButNoResults) {
  for (const bool namen : {false, true}) {
    SCOPED_TRACE(namen ? "with names" : "without names");
    Voorbeeld t;
    TCompetitie& c = t.comp;
    NieuwMetInstellingen(c, namen, 4242);
    ASSERT_EQ(2, c.AantalKlassen());
    for (const auto& k : c.Tabs) {
      EXPECT_EQ(0, k->InfoKlasse.aantaluitslagen);
      EXPECT_EQ(k->UitslPos, k->SG.ColCount()) << "no result columns";
      EXPECT_EQ(namen ? 3 : 2, k->SG.RowCount());
      for (int r = 1; r < k->SG.RowCount(); ++r) {
        const TRijder* rd = k->Rijder(r);
        ASSERT_TRUE(rd);
        for (int u = 1; u <= MaxUitslagen; ++u) EXPECT_EQ(UitGeen, rd->Uitslag(u));
        EXPECT_EQ(namen ? "Rijder " + std::to_string(r) : "", rd->Rijder.Naam.Get());
      }
    }
    // Without names the identities start again: the one rider per class gets 0 and 1.
    EXPECT_EQ(namen ? 4u : 2u, c.Club.IDCounter);
    EXPECT_EQ(namen ? 2u : 1u, c.Tabs[1]->Rijder(1)->Rijder.IDnum);
    EXPECT_FALSE(c.MynData.HeeftTekst());
    EXPECT_EQ(4242, c.Club.Created);
    EXPECT_EQ(4242, c.Club.IDnummer);
    EXPECT_EQ(0, c.Club.UpDate);
    EXPECT_FALSE(VasteKolommen(c.Club));
    EXPECT_TRUE(c.Bestandsnaam.empty());
    EXPECT_EQ(GewijzigdData, c.Gewijzigd());
  }
}

TEST_F(CompetitieTest, StorageMethodConvertsEveryResultBothWays) {
  TRijder& rd = *comp.Tabs[1]->Rijder(2);
  rd.Uitslag(4) = UitDnf;
  rd.Uitslag(5) = 0;
  const int punten = PlaatsNaarPunten(comp.Club, 3);

  ZetOpslagMethode(comp, true);  // points 3, 4, 5 are no places the table gives
  EXPECT_TRUE(SlaatPlaatsenOp(comp.Club));
  EXPECT_TRUE(ToontPunten(comp.Club));
  EXPECT_EQ(UitDnf, rd.Uitslag(4)) << "markers stay";
  EXPECT_EQ(0, rd.Uitslag(5)) << "zero stays";

  rd.Uitslag(1) = 3;  // place 3
  ZetOpslagMethode(comp, false);
  EXPECT_FALSE(SlaatPlaatsenOp(comp.Club));
  EXPECT_FALSE(ToontPunten(comp.Club));
  EXPECT_EQ(punten, rd.Uitslag(1));
  EXPECT_EQ(UitDnf, rd.Uitslag(4));
}

TEST_F(CompetitieTest, StandingsAreRemovedFromEveryClass) {
  EXPECT_FALSE(HeeftEindstanden(comp));
  comp.Tabs[1]->BN = 1;
  EXPECT_TRUE(HeeftEindstanden(comp));
  EXPECT_TRUE(VerwijderEindstanden(comp));
  EXPECT_FALSE(HeeftEindstanden(comp));
  EXPECT_FALSE(VerwijderEindstanden(comp));
}

}  // namespace
}  // namespace kzo
