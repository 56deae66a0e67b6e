#include <gtest/gtest.h>

#include "core/file/meldingen.h"

namespace kzo {
namespace {

TEST(Meldingen, TextsAndPositions) {
  struct Geval {
    std::uint32_t code;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {PakPositie(250, 12), "Deze naam komt al voor op positie: 12"},
      {PakPositie(251, 65535), "Dit startnummer komt al voor op positie: 65535"},
      {250, "Deze naam komt al voor op positie: 0"},
      {510, "Geen fouten gevonden."},
      {525,
       "Minder dan een derde van de rijders heeft een startnummer.\n"
       "Voor deze functie zijn startnummers nodig!"},
      {52, "Een lagere uitslag moet minder punten\nkrijgen als een hogere uitslag!"},
      {99, "Opslag methode uitslagen niet als \"Finish volgorde\" ingesteld!"},
      {PakPositie(3, 7), "Kan bestand niet openen!"},  // only 250/251 use the high bits
      {4, "Fout nr.: 4"},
      {PakPositie(4, 1), "Fout nr.: 65540"},  // the whole code
  };
  for (const auto& g : gevallen) EXPECT_EQ(MeldingTekst(g.code), g.tekst) << g.code;
}

TEST(Meldingen, IconFollowsLowBits) {
  EXPECT_EQ(PakPositie(250, 12), 250u + 12u * 65536u);
  EXPECT_TRUE(IsWaarschuwing(PakPositie(250, 12)));
  EXPECT_TRUE(IsWaarschuwing(4));
  EXPECT_TRUE(IsWaarschuwing(500));
  EXPECT_FALSE(IsWaarschuwing(501));
  EXPECT_FALSE(IsWaarschuwing(510));
  EXPECT_FALSE(IsWaarschuwing(525));
}

}  // namespace
}  // namespace kzo
