#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/mijndata.h"

namespace kzo {
namespace {

const std::string M = "\xC3\xBF\xC3\xBE";  // U+00FF U+00FE
using Regels = std::vector<std::string>;

std::vector<std::uint8_t> Sectie(std::int32_t telling, std::string_view inhoud) {
  TByteSchrijver s;
  s.SchrijfInt32(telling);
  s.Schrijf(inhoud.data(), inhoud.size());
  return s.Neem();
}

void Laad(TMynData& md, std::string_view tekst) {
  auto bytes = Sectie(static_cast<std::int32_t>(tekst.size()), tekst);
  TByteLezer l(bytes);
  md.LoadData(l);
}

TEST(MynData, StoresReplacesAndDeletesOnBlankText) {
  for (std::string leeg : {"", "\t", "\t\t\t"}) {
    TMynData md;
    md.SetData("R00000001", 3,
               "12\x04"
               "1");
    md.SetData("R00000001", 3, std::string("7\0x", 3));  // NUL is dropped
    EXPECT_EQ(md.Regels(), Regels{"R000000013#7x"});
    EXPECT_EQ(md.GetData("R00000001", 3), "7x");
    EXPECT_TRUE(md.DataRead);
    md.SetData("R00000001", 3, leeg);
    EXPECT_FALSE(md.HeeftTekst()) << "blank text " << leeg.size();
    EXPECT_EQ(md.GetData("R00000001", 3), "");
    EXPECT_FALSE(md.DataRead);
  }
  TMynData md;
  md.SetData("R00000001", -1, "x");  // open numbers store nothing
  md.SetData("R00000001", 2, "");
  EXPECT_EQ(md.Count(), 0);
}

TEST(MynData, KeyIncludesSeparatorSoOneIsNotTen) {
  TMynData md;
  md.SetData("R00000001", 10, "tien");
  EXPECT_EQ(md.GetData("R00000001", 1), "");
  EXPECT_FALSE(md.DataRead);
  md.SetData("R00000001", 1, "een");
  EXPECT_EQ(md.Regels(), (Regels{"R000000011#een", "R0000000110#tien"}));
  EXPECT_EQ(md.GetData("R00000001", 1), "een");
  EXPECT_EQ(md.GetData("R00000001", 10), "tien");
  EXPECT_EQ(md.GetData("r00000001", 10), "tien");  // keyed search ignores ASCII case
  EXPECT_EQ(md.Cache, "r0000000110#");
  EXPECT_EQ(md.CHC, 1);
}

TEST(MynData, LoadLeavesUnsortedFirstSearchSortsDirectLinesInOrder) {
  TMynData md;
  Laad(md, "R00000003 1#c\r\nr00000001 1#a\r\nR00000002 1#b\r\n");
  EXPECT_FALSE(md.IsGesorteerd());
  EXPECT_EQ(md.Regels()[0], "R00000003 1#c");

  md.VoegRegelToe("R00000000 1#z");  // unsorted: appended
  EXPECT_EQ(md.Regels().back(), "R00000000 1#z");

  EXPECT_EQ(md.GetData("R00000002 ", 1), "b");
  EXPECT_TRUE(md.IsGesorteerd());
  EXPECT_EQ(md.Regels(),
            (Regels{"R00000000 1#z", "r00000001 1#a", "R00000002 1#b", "R00000003 1#c"}));

  // A direct line lands in order and must not leave a stale cached index behind.
  EXPECT_EQ(md.GetData("R00000003 ", 1), "c");
  md.VoegRegelToe("R00000001 5#d");
  EXPECT_EQ(md.Cache, "");
  EXPECT_EQ(md.Regels()[2], "R00000001 5#d");
  EXPECT_EQ(md.GetData("R00000003 ", 1), "c");
  EXPECT_EQ(md.GetData("R00000001 ", 5), "d");
}

TEST(MynData, OpenScanWalksAnIdentifierAndDeletesAll) {
  TMynData md;
  EXPECT_EQ(md.VindID("R1", -1), -2);  // empty list
  for (int nr : {5, 1, 2}) md.SetData("R00000001", nr, "x" + std::to_string(nr));
  md.SetData("R00000002", 1, "y");
  md.SetData("TmPR00000001", 1, "t");
  md.VoegRegelToe("R00000001zonder");  // a line without a key
  // R000000011#, R000000012#, R000000015#, R00000001zonder, R000000021#, TmP...
  md.Teller = 0;
  std::vector<int> gevonden;
  for (int i; (i = md.VindID("R00000001", -1)) >= 0;) gevonden.push_back(i);
  EXPECT_EQ(gevonden, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(md.Cache, "");

  md.Teller = 0;
  gevonden.clear();
  for (int i; (i = md.VindID("R00000001", -2)) >= 0;) gevonden.push_back(i);
  EXPECT_EQ(gevonden, (std::vector<int>{0, 1, 2}));  // -2 wants a "#" after the ID's start

  md.Teller = 0;
  EXPECT_EQ(md.VindID("r00000001", -1), -1);  // open scans are case-sensitive

  EXPECT_TRUE(md.DelData("R00000001", -1));
  EXPECT_EQ(md.Regels(), (Regels{"R000000021#y", "TmPR000000011#t"}));
  EXPECT_FALSE(md.DelData("R00000001", -1));
  EXPECT_EQ(md.GetData("R00000002", 1), "y");
}

TEST(MynData, WholeLineReplacementKeepsOrderAndCache) {
  TMynData md;
  for (int nr = 1; nr <= 4; ++nr) md.SetData("R0000000" + std::to_string(nr), 1, "a");
  EXPECT_EQ(md.GetData("R00000004", 1), "a");            // caches index 3
  md.SetData("R00000002", -2, "R00000009 vervangen#q");  // found line must move to the end
  EXPECT_EQ(md.Regels(),
            (Regels{"R000000011#a", "R000000031#a", "R000000041#a", "R00000009 vervangen#q"}));
  EXPECT_EQ(md.GetData("R00000004", 1), "a");
  EXPECT_EQ(md.GetData("R00000003", 1), "a");
  md.SetData("R00000001", -2, "R00000000#w");  // not found: added in order
  EXPECT_EQ(md.Regels().front(), "R00000000#w");
}

TEST(MynData, RenameMovesTemporaryEntryUnlessTargetExists) {
  TMynData md;
  md.SetData("R00000005", 2, "eigen");
  md.SetData("TmPR00000001", 2, "3");
  md.SetData("TmPR00000005", 2, "4");
  md.Rename("TmPR00000001", "R00000001", 2);
  EXPECT_EQ(md.Regels(), (Regels{"R000000012#3", "R000000052#eigen", "TmPR000000052#4"}));
  md.Rename("TmPR00000005", "R00000005", 2);  // target exists: nothing changes
  EXPECT_EQ(md.GetData("R00000005", 2), "eigen");
  EXPECT_EQ(md.GetData("TmPR00000005", 2), "4");
  md.Rename("TmPR00000007", "R00000007", 2);
  EXPECT_EQ(md.Count(), 3);
}

TEST(MynData, SaveWritesCountAndCrLfLines) {
  TMynData md;
  TByteSchrijver leeg;
  md.SaveData(leeg);
  EXPECT_EQ(leeg.Bytes(), Sectie(0, ""));

  md.SetData("R00000002", 1, "b\xC3\xA9");
  md.SetData("R00000001", 1, "a");
  TByteSchrijver s;
  md.SaveData(s);
  EXPECT_EQ(s.Bytes(), Sectie(30, "R000000011#a\r\nR000000021#b\xC3\xA9\r\n"));

  TMynData terug;
  TByteLezer l(s.Bytes());
  terug.LoadData(l);
  EXPECT_EQ(l.Rest(), 0u);
  EXPECT_EQ(terug.Regels(), md.Regels());
}

TEST(MynData, LoadSplitsAtEveryLineEnd) {
  struct Geval {
    std::string tekst;
    Regels regels;
  };
  const Geval gevallen[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\n\rb\r\n", {"a", "", "b"}},  // LF CR is two breaks
      {"a\r\n\r\nb\r", {"a", "", "b"}},
      {"a\xFF"
       "b",
       {"a\xEF\xBF\xBD"
        "b"}},  // malformed UTF-8
  };
  for (const auto& g : gevallen) {
    TMynData md;
    md.SetData("X", 1, "weg");  // loading replaces the old lines
    Laad(md, g.tekst);
    EXPECT_EQ(md.Regels(), g.regels) << g.tekst;
    EXPECT_EQ(md.Teller, 0);
    EXPECT_EQ(md.Cache, "");
  }
}

TEST(LeesTekst, CountsAreCheckedAgainstTheBytes) {
  auto leeg = Sectie(0, "rest");
  TByteLezer l0(leeg);
  EXPECT_EQ(LeesTekst(l0), "");
  EXPECT_EQ(l0.Positie(), 4u);
  // Larger than 0xFFFFF and really present: read, not dropped.
  std::string groot(0x00100000, 'k');
  auto bytes = Sectie(0x00100000, groot + "na");
  TByteLezer l(bytes);
  EXPECT_EQ(LeesTekst(l), groot);
  EXPECT_EQ(l.Rest(), 2u);

  // Negative (only damage makes one) or beyond the bytes.
  for (std::int32_t telling : {-1, INT32_MIN, 5, 0x00100000, INT32_MAX}) {
    auto kort = Sectie(telling, "vier");
    TByteLezer k(kort);
    EXPECT_THROW(LeesTekst(k), TLeesFout) << telling;
  }
  std::vector<std::uint8_t> afgekapt{1, 0};
  TByteLezer a(afgekapt);
  EXPECT_THROW(LeesTekst(a), TLeesFout);

  TMynData md;
  auto kapot = Sectie(100, "R1#x");
  TByteLezer k(kapot);
  EXPECT_THROW(md.LoadData(k), TLeesFout);
}

TEST(RegelTekst, EnkeleRegelAndMeerdereRegels) {
  struct Geval {
    std::string in, uit;
  };
  const Geval gevallen[] = {
      {"a\r\nb", "a" + M + "b"}, {"a\n\rb", "a" + M + "b"}, {"a\rb", "a" + M + "b"},
      {"a\nb", "a" + M + "b"},   {"a\fb", "a" + M + "b"},   {"\r\n\n", M + M},
      {"\n\r\n\r", M + M + M},  // CR LF goes first, then LF CR
      {"geen", "geen"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(EnkeleRegel(g.in), g.uit) << g.in;
  EXPECT_EQ(MeerdereRegels("a" + M + "b" + M), "a\r\nb\r\n");
  EXPECT_EQ(MeerdereRegels("\xC3\xBF"
                           "a\xC3\xBE"),
            "\xC3\xBF"
            "a\xC3\xBE");  // only the pair
  EXPECT_EQ(MeerdereRegels(EnkeleRegel("x\r\ny\r\n")), "x\r\ny\r\n");
}

TEST(RegelTekst, DeelTekstFields) {
  struct Geval {
    std::string s;
    int n;
    std::string veld;
  };
  const Geval gevallen[] = {
      {"12\x04"
       "1\x04",
       1, "12"},
      {"12\x04"
       "1\x04",
       2, "1"},
      {"12\x04"
       "1\x04",
       3, ""},
      {"12\x04"
       "1\x04"
       "opm",
       3, "opm"},
      {"12\x04"
       "1\x04"
       "opm",
       4, ""},
      {"12", 1, "12"},
      {"12", 3, "12"},  // no separator: whole text for every n
      {"a\x04 b\x04"
       "c",
       1, "a\x04 b"},  // code 4 before a space stays in the field
      {"a\x04 b\x04"
       "c",
       2, "c"},
      {"a\x04 b", 2, "a\x04 b"},
      {"\x04"
       "x",
       1, ""},
  };
  for (const auto& g : gevallen) EXPECT_EQ(DeelTekst(g.s, g.n), g.veld) << g.s << " veld " << g.n;
}

}  // namespace
}  // namespace kzo
