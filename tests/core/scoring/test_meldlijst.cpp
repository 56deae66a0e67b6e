// The data side of the message list window.

#include <gtest/gtest.h>

#include "core/scoring/meldlijst.h"

namespace kzo {
namespace {

TEST(MeldLijst, LinesWithDataNumbers) {
  TMeldLijst m;
  m.Toevoegen("", 3);
  EXPECT_FALSE(m.HebTekst());
  EXPECT_EQ(m.Count(), 0);
  m.Toevoegen("MX1\tPlaats 3 t/m 5", 1);
  m.Toevoegen("Kolom: 2\tPlaats 4 niet gevonden", 2);
  EXPECT_TRUE(m.HebTekst());
  ASSERT_EQ(m.Count(), 2);
  EXPECT_EQ(m.Regel(0).Tekst, "MX1\tPlaats 3 t/m 5");
  EXPECT_EQ(m.Regel(0).Data, 1);
  EXPECT_EQ(m.Regel(1).Data, 2);
  m.Wissen();
  EXPECT_FALSE(m.HebTekst());
}

}  // namespace
}  // namespace kzo
