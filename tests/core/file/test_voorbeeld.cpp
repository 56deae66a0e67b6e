#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "core/file/bestand.h"

namespace kzo {
namespace {

// The example competition that "make run" opens must stay readable.
TEST(Voorbeeld, OpensWithFourClassesAndKeyedText) {
  std::ifstream f(KZO_VOORBEELD, std::ios::binary);
  ASSERT_TRUE(f) << KZO_VOORBEELD;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), {});
  TCompetitie c;
  ASSERT_TRUE(BestandLaden(c, bytes).ok);
  EXPECT_EQ(c.Club.versie, 0x10005);
  EXPECT_TRUE(c.Club.AlgOptie & 0x20);
  ASSERT_EQ(c.AantalKlassen(), 4);
  EXPECT_EQ(c.Tabs[0]->Naam(), "MX1");
  EXPECT_EQ(c.Tabs[3]->Naam(), "Veteranen");
  for (const auto& k : c.Tabs) {
    EXPECT_GE(k->InfoKlasse.aantalrijders, 15);
    EXPECT_LE(k->InfoKlasse.aantalrijders, 40);
    EXPECT_GE(k->InfoKlasse.aantaluitslagen, 10);
    EXPECT_LE(k->InfoKlasse.aantaluitslagen, 12);
  }
  EXPECT_TRUE(c.MynData.HeeftTekst());
}

}  // namespace
}  // namespace kzo
