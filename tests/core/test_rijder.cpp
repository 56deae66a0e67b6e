#include <gtest/gtest.h>

#include "core/model/rijder.h"
#include "core/records/instellingen.h"

namespace kzo {
namespace {

class RijderTest : public ::testing::Test {
 protected:
  RijderTest() : club(NulRecord<TClubInfo>()) { StandaardClubInfo(club, 0); }
  TClubInfo club;
  TRijder r;
};

TEST_F(RijderTest, NewRiderIsEmptyUntilAResult) {
  EXPECT_TRUE(r.IsLeeg());
  EXPECT_EQ(r.Uitslag(1), -1);
  EXPECT_EQ(r.Uitslag(99), -1);
  r.SetVeld("0", VeldUitslag, 4, club);
  EXPECT_FALSE(r.IsLeeg());
  r.Uitslag(4) = 999;  // a marked "none" is still none
  EXPECT_TRUE(r.IsLeeg());
}

TEST_F(RijderTest, FieldTextsOfResults) {
  club.AlgOptie = 0;  // points, names swapped, zero shown
  r.SetVeld("X", VeldUitslag, 1, club);
  EXPECT_EQ(r.Uitslag(1), -2);
  EXPECT_EQ(r.VeldStr(VeldUitslag, 1, club, ','), "x");
  struct {
    const char* typed;
    int stored;
    const char* shown;
  } gevallen[] = {{"dns", -3, "dns"}, {"DNF", -4, "dnf"}, {"dq", -5, "DQ"},
                  {"", -1, ""},       {"12a", 12, "12"},  {"0", 0, "0"}};
  for (const auto& g : gevallen) {
    r.SetVeld(g.typed, VeldUitslag, 2, club);
    EXPECT_EQ(r.Uitslag(2), g.stored) << g.typed;
    EXPECT_EQ(r.VeldStr(VeldUitslag, 2, club, ','), g.shown) << g.typed;
  }
  club.AlgOptie |= 0x80;
  EXPECT_EQ(r.VeldStr(VeldUitslag, 2, club, ','), "");
  r.Netto = 0;
  EXPECT_EQ(r.VeldStr(VeldNetto, 0, club, ','), "");
  // Out-of-range result numbers are ignored.
  r.SetVeld("5", VeldUitslag, 100, club);
  EXPECT_EQ(r.VeldStr(VeldUitslag, 0, club, ','), "");
  EXPECT_EQ(r.VeldStr(11, 0, club, ','), "");
}

TEST_F(RijderTest, PlacesTypedAsPoints) {
  club.AlgOptie = 0x20 | 0x40;
  r.SetVeld("47", VeldUitslag, 1, club);
  EXPECT_EQ(r.Uitslag(1), 2);
  EXPECT_EQ(r.VeldStr(VeldUitslag, 1, club, ','), "47");
  r.SetVeld("49", VeldUitslag, 1, club);
  EXPECT_EQ(r.Uitslag(1), -1);
  r.Uitslag(3) = 1001;  // a marked place 1 still shows its points
  EXPECT_EQ(r.VeldStr(VeldUitslag, 3, club, ','), "50");
}

TEST_F(RijderTest, NamesAndCuts) {
  r.SetVeld("Jansen, Piet", VeldNaam, 0, club);
  club.AlgOptie = 0;
  EXPECT_EQ(r.VeldStr(VeldNaam, 0, club, ','), "Piet Jansen");
  club.AlgOptie = 0x10;
  EXPECT_EQ(r.VeldStr(VeldNaam, 0, club, ','), "Jansen, Piet");
  EXPECT_EQ(WisselNaam("de Vries ,;: Jan"), "Jan de Vries ");
  EXPECT_EQ(WisselNaam("Zonder komma"), "Zonder komma");
  r.SetVeld("123456", VeldStartnr, 0, club);
  EXPECT_EQ(r.VeldStr(VeldStartnr, 0, club, ','), "12345");
  r.SetVeld("Eindhoven", VeldExtra1 + 2, 0, club);
  EXPECT_EQ(r.VeldStr(VeldExtra3, 0, club, ','), "Eindhoven");
}

TEST_F(RijderTest, AverageRoundsHalvesToEven) {
  struct {
    int bruto, netto;
    char dec;
    const char* uit;
  } gevallen[] = {{125, 10, '.', "12.5"}, {125, 10, ',', "12,5"}, {7, 4, '.', "1.8"},
                  {5, 4, '.', "1.2"},     {3, 0, '.', "0.0"},     {-1, 4, '.', ""},
                  {1, 20, '.', "0.0"},    {3, 20, '.', "0.2"}};
  for (const auto& g : gevallen) {
    r.Bruto = g.bruto;
    r.Netto = g.netto;
    EXPECT_EQ(r.VeldStr(VeldGemiddelde, 0, club, g.dec), g.uit) << g.bruto << "/" << g.netto;
  }
}

TEST_F(RijderTest, SetUnusedMarksOneCountingResultPerCall) {
  TTellend tellend{};
  for (int u = 1; u <= 99; ++u) tellend[u] = 1;
  tellend[1] = 0;
  r.Uitslag(1) = 0;
  r.Uitslag(2) = 0;
  r.Uitslag(3) = 0;
  r.SetUnused(0, tellend);
  EXPECT_EQ(r.Uitslag(1), 0);  // not counting
  EXPECT_EQ(r.Uitslag(2), 1000);
  EXPECT_EQ(r.Uitslag(3), 0);
  EXPECT_TRUE(r.Unused(2));
  EXPECT_EQ(r.Uwaarde(2), 0);
  r.SetUnused(0, tellend);
  EXPECT_EQ(r.Uitslag(3), 1000);
  r.SetUnused(7, tellend);  // nothing has 7
  r.ResetUitslagen();
  EXPECT_EQ(r.Uitslag(2), 0);
  EXPECT_EQ(r.Uitslag(3), 0);
}

TEST_F(RijderTest, SavedCopyAndValidity) {
  r.Uitslag(1) = 5;
  r.SetOnGeldigeRijder(true, 0x30);  // no copy yet: stays valid
  EXPECT_TRUE(r.GeldigeRijder());
  r.SaveUitslagen();
  r.Uitslag(1) = 9;
  r.SaveUitslagen();  // keeps the first copy
  EXPECT_EQ(r.SaveUitOptie, 1);
  r.SetOnGeldigeRijder(true, 0x10);
  EXPECT_FALSE(r.GeldigeRijder());
  EXPECT_EQ(r.Uitslag(1), 9);
  r.SetOnGeldigeRijder(true, 0x30);  // both bits: results wiped
  EXPECT_EQ(r.Uitslag(1), -1);
  r.RestoreUitslagen();
  EXPECT_EQ(r.Uitslag(1), 5);
  EXPECT_EQ(r.SaveUitOptie, 0);
  EXPECT_TRUE(r.GeldigeRijder());
}

TEST(RijderHelpers, KeysAndResults) {
  EXPECT_EQ(RijderSleutel(0xABC), "R00000ABC");
  EXPECT_EQ(RijderSleutel(0xFFFFFFFF), "RFFFFFFFF");
  TRijder r;
  EXPECT_FALSE(HeeftUitslag(r.Rijder));
  r.Uitslag(50) = -4;
  EXPECT_FALSE(HeeftUitslag(r.Rijder));
  r.Uitslag(50) = 1003;
  EXPECT_TRUE(HeeftUitslag(r.Rijder));
  EXPECT_EQ(StrNaarUitslag("Dns"), -3);
  EXPECT_EQ(StrNaarUitslag("d1q"), 1);
}

}  // namespace
}  // namespace kzo
