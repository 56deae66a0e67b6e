#include <gtest/gtest.h>

#include <filesystem>

#include "core/file/gebruikersinstellingen.h"

namespace kzo {
namespace {

TEST(Gebruikersinstellingen, MissingValuesReadAsNothing) {
  TGeheugenInstellingen s;
  s.Teksten["KzoOptie"] = "2";  // the wrong type counts as missing
  TVenster v{1, 2, 3, 4, 5};
  EXPECT_EQ(LeesGetal(s, "KzoOptie"), 0);
  EXPECT_EQ(LeesTekst2(s, "KzoWork"), "");
  EXPECT_FALSE(LeesVenster(s, v));
  EXPECT_EQ(v.Width, 4);
  EXPECT_EQ(StartActie(s), 0);
  EXPECT_EQ(LaatsteBestand(s), "");
  EXPECT_TRUE(KnoppenbalkZichtbaar(s));
  EXPECT_TRUE(VensterBewaren(s));
}

TEST(Gebruikersinstellingen, StartUpOptionBits) {
  struct Geval {
    std::int32_t optie;
    int actie;
    bool laatste, knoppenbalk, venster;
  };
  const Geval gevallen[] = {
      {0x21, 1, false, true, false},  // open dialog, tool bar, no placement
      {0x12, 2, true, false, true},   // last file, no tool bar
      {0x03, 3, false, true, true},   // 3 acts as nothing
  };
  for (const auto& g : gevallen) {
    TGeheugenInstellingen s;
    SchrijfGetal(s, kKzoOptie, g.optie);
    BewaarLaatsteBestand(s, "/d/x.kzo");
    EXPECT_EQ(StartActie(s), g.actie) << g.optie;
    EXPECT_EQ(LaatsteBestand(s), g.laatste ? "/d/x.kzo" : "") << g.optie;
    EXPECT_EQ(KnoppenbalkZichtbaar(s), g.knoppenbalk) << g.optie;
    EXPECT_EQ(VensterBewaren(s), g.venster) << g.optie;
  }
}

TEST(Gebruikersinstellingen, WindowPlacementIsTwentyLittleEndianBytes) {
  TGeheugenInstellingen s;
  SchrijfVenster(s, TVenster{10, 20, 300, 400, 2});
  const TBinair20 b = s.Binair.at("FormSet");
  EXPECT_EQ(b[0], 10);
  EXPECT_EQ(b[8], 300 & 0xFF);
  EXPECT_EQ(b[9], 300 >> 8);
  EXPECT_EQ(b[16], 2);
  TVenster v;
  ASSERT_TRUE(LeesVenster(s, v));
  EXPECT_EQ(v.Left, 20);
  EXPECT_EQ(v.Width, 400);
}

TEST(Gebruikersinstellingen, WritesFailWithTheSettingsText) {
  TGeheugenInstellingen s;
  s.SchrijvenFaalt = true;
  try {
    SchrijfTekst2(s, kKzoWork, "/d");
    FAIL() << "no failure";
  } catch (const TInstellingenFout& e) {
    EXPECT_STREQ(e.what(), "Kan de instellingen niet bewaren in registry");
  }
  EXPECT_THROW(SchrijfGetal(s, kKzoOptie, 1), TInstellingenFout);
  EXPECT_THROW(SchrijfVenster(s, TVenster{}), TInstellingenFout);
  EXPECT_THROW(BewaarLaatsteBestand(s, "/d/x.kzo"), TInstellingenFout);
}

// The separator added is the platform's ("\\" on Windows); one already there stays.
TEST(Gebruikersinstellingen, ProgramFolderEndsInOneSeparator) {
  const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
  TGeheugenInstellingen s;
  EXPECT_EQ(ProgrammaMap(s, "/home/club"), "/home/club" + sep);
  SchrijfTekst2(s, kKzoMap, "/opt/kzo");
  EXPECT_EQ(ProgrammaMap(s, "/home/club"), "/opt/kzo" + sep);
  EXPECT_EQ(ProgrammaMap(s) + "KZO.CHM", "/opt/kzo" + sep + "KZO.CHM");
  SchrijfTekst2(s, kKzoMap, "/opt/kzo/");
  EXPECT_EQ(ProgrammaMap(s, "/home/club"), "/opt/kzo/");
  SchrijfTekst2(s, kKzoMap, "C:\\kzo" + sep);
  EXPECT_EQ(ProgrammaMap(s, "/home/club"), "C:\\kzo" + sep);
}

}  // namespace
}  // namespace kzo
