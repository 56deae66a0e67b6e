#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/file/bestand.h"
#include "core/file/instellingenopslag.h"
#include "nepopslag.h"
#include "testbestanden.h"

namespace kzo {
namespace {

using namespace kzo::test;
using Bytes = std::vector<std::uint8_t>;

Bytes Stuk(const Bytes& b, std::size_t pos, std::size_t n) {
  return Bytes(b.begin() + static_cast<long>(pos), b.begin() + static_cast<long>(pos + n));
}

// One class "MX1" with rider "Piet", start number 12, result 1 = place 3 of one result.
TCompetitie KleineCompetitie() {
  TCompetitie c;
  c.StandaardInstellingen(0);
  auto k = std::make_unique<TKlasse>("MX1", c.Club);
  k->InfoKlasse.aantaluitslagen = 1;
  k->SetupSG(c.Club);
  auto rd = std::make_unique<TRijder>();
  rd->Rijder.Naam.Set("Piet");
  rd->Rijder.RijNr.Set("12");
  rd->Uitslag(1) = 3;
  rd->Rijder.Extra[1].Set("KTM");
  rd->Rijder.IDnum = 0x0102;
  rd->Rijder.Optie = 1;
  k->SG.Rij(1).rijder = std::move(rd);
  c.Tabs[0] = std::move(k);
  return c;
}

TEST(BestandSchrijven, HeaderAndRiderRecordByHand) {
  TCompetitie c = KleineCompetitie();
  auto font = NulRecord<Tletter>();
  font.Name.Set("Arial");
  font.Size = 9;
  font.Color = 0x123456;
  font.Style = 1;
  TVasteKlok klok(kMaakMoment);  // 2024-03-15 10:20:30
  Bytes b = BestandBytes(c, font, klok);

  ASSERT_EQ(b.size(), 1084u + 44 + 368);
  EXPECT_EQ(Stuk(b, 4, 4), (Bytes{0x02, 0x00, 0x01, 0x00}));  // versie 0x10002
  // Date (44 << 9 | 3 << 5 | 15) = 0x586F, time (10 << 11 | 20 << 5 | 15) = 0x528F.
  EXPECT_EQ(Stuk(b, 16, 4), (Bytes{0x8F, 0x52, 0x6F, 0x58}));
  EXPECT_EQ(Stuk(b, 52, 4), (Bytes{1, 0, 0, 0}));                           // aantalklasse
  EXPECT_EQ(Stuk(b, 92, 6), (Bytes{5, 'A', 'r', 'i', 'a', 'l'}));           // Lettertype.Name
  EXPECT_EQ(Stuk(b, 124, 9), (Bytes{9, 0, 0, 0, 0x56, 0x34, 0x12, 0, 1}));  // size, colour, style
  EXPECT_EQ(Stuk(b, 216, 4), (Bytes{0, 0, 0, 0}));                          // no keyed text
  EXPECT_EQ(Stuk(b, 220, 68), Bytes(68, 0));
  EXPECT_EQ(Stuk(b, 288, 2), (Bytes{0x3C, 0x41}));  // print options A
  // Class header at 1084: name, counts of riders, information records and results.
  EXPECT_EQ(Stuk(b, 1084, 4), (Bytes{3, 'M', 'X', '1'}));
  EXPECT_EQ(Stuk(b, 1084 + 32, 12), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
  // Rider record at 1128.
  const std::size_t r = 1128;
  EXPECT_EQ(Stuk(b, r, 5), (Bytes{4, 'P', 'i', 'e', 't'}));
  EXPECT_EQ(Stuk(b, r + 31, 3), (Bytes{2, '1', '2'}));
  EXPECT_EQ(Stuk(b, r + 38, 6), (Bytes{3, 0, 0xFF, 0xFF, 0xFF, 0xFF}));   // 3, none, none
  EXPECT_EQ(Stuk(b, r + 38 + 98 * 2, 2), (Bytes{0xFF, 0xFF}));            // result 99
  EXPECT_EQ(Stuk(b, r + 236 + 41, 4), (Bytes{3, 'K', 'T', 'M'}));         // extra field 2
  EXPECT_EQ(Stuk(b, r + 360, 8), (Bytes{0x02, 0x01, 0, 0, 1, 0, 0, 0}));  // IDnum, BM

  // Keyed text: version 5 and the section's offset in the rewritten header.
  c.MynData.SetData("R00000102", 1, "3");
  b = BestandBytes(c, font, klok);
  EXPECT_EQ(Stuk(b, 4, 4), (Bytes{0x05, 0x00, 0x01, 0x00}));
  EXPECT_EQ(LeesOp<std::uint32_t>(b, 216), 1496u);
  EXPECT_EQ(Stuk(b, 1496, 4), (Bytes{14, 0, 0, 0}));
  EXPECT_EQ(std::string(b.begin() + 1500, b.end()), "R000001021#3\r\n");
}

TEST(BestandSchrijven, VersionWord) {
  struct Geval {
    int puntAftrek, rekMethode;
    bool tekst;
    std::int32_t versie;
  };
  const Geval gevallen[] = {
      {1, 0, false, 0x10002}, {1, 1, false, 0x10002}, {1, 2, false, 0x10003},
      {2, 0, false, 0x10003}, {1, 3, false, 0x10004}, {2, 3, false, 0x10004},
      {1, 0, true, 0x10005},  {2, 3, true, 0x10005},
  };
  for (const auto& g : gevallen) {
    TCompetitie c = KleineCompetitie();
    c.Club.PuntAftrek = static_cast<std::uint16_t>(g.puntAftrek);
    c.Club.RekMethode = static_cast<std::uint8_t>(g.rekMethode);
    if (g.tekst) c.MynData.SetData("R00000102", 1, "x");
    Bytes b = Bewaar(c);
    EXPECT_EQ(LeesOp<std::int32_t>(b, 4), g.versie) << g.puntAftrek << " " << g.rekMethode;
    EXPECT_EQ(c.Club.versie, g.versie);
  }
}

TEST(BestandSchrijven, TabsWithoutClassAreSkippedAndTheCountRewritten) {
  TCompetitie c;
  VulCompetitie(c, false);
  c.Tabs.insert(c.Tabs.begin() + 1, nullptr);
  c.Tabs.push_back(nullptr);
  Bytes b = Bewaar(c);
  EXPECT_EQ(LeesOp<std::int32_t>(b, 52), 2);
  EXPECT_EQ(c.Club.aantalklasse, 2);
  TCompetitie terug;
  ASSERT_TRUE(BestandLaden(terug, b).ok);
  ASSERT_EQ(terug.Tabs.size(), 2u);
  EXPECT_EQ(terug.Tabs[1]->Naam(), "Jeugd");
}

void VergelijkCompetities(const TCompetitie& a, const TCompetitie& b) {
  EXPECT_EQ(std::memcmp(&a.Club, &b.Club, sizeof a.Club), 0);
  EXPECT_EQ(std::memcmp(&a.Instellingen, &b.Instellingen, sizeof a.Instellingen), 0);
  ASSERT_EQ(a.Tabs.size(), b.Tabs.size());
  for (std::size_t t = 0; t < a.Tabs.size(); ++t) {
    const TKlasse& ka = *a.Tabs[t];
    const TKlasse& kb = *b.Tabs[t];
    EXPECT_EQ(std::memcmp(&ka.InfoKlasse, &kb.InfoKlasse, sizeof ka.InfoKlasse), 0);
    ASSERT_EQ(ka.SG.RowCount(), kb.SG.RowCount());
    ASSERT_EQ(ka.SG.ColCount(), kb.SG.ColCount());
    for (int r = 1; r < ka.SG.RowCount(); ++r) {
      EXPECT_EQ(std::memcmp(&ka.Rijder(r)->Rijder, &kb.Rijder(r)->Rijder, sizeof(TRijderInfo)), 0);
      EXPECT_EQ(ka.SG.Rij(r).positie, kb.SG.Rij(r).positie);
    }
    for (int k = 0; k < ka.SG.ColCount(); ++k) {
      EXPECT_EQ(ka.SG.Kop(k), kb.SG.Kop(k));
      EXPECT_EQ(ka.SG.Kolom(k)->mode, kb.SG.Kolom(k)->mode);
      ASSERT_EQ(!ka.SG.Kolom(k)->info, !kb.SG.Kolom(k)->info);
      if (ka.SG.Kolom(k)->info) {
        EXPECT_EQ(std::memcmp(ka.SG.Kolom(k)->info.get(), kb.SG.Kolom(k)->info.get(),
                              sizeof(TUitslagInfo)),
                  0);
      }
    }
  }
  EXPECT_EQ(a.MynData.Regels(), b.MynData.Regels());
}

TEST(BestandLezen, RoundTripIsEqualAndSavesTheSameBytes) {
  for (bool tekst : {false, true}) {
    TCompetitie c;
    VulCompetitie(c, tekst);
    c.Club.AlgOptie |= 0x100;  // three fixed columns after reading
    c.Instellingen.Koptekst.Set("Seizoen 2024");
    c.MarkeerGewijzigd(1);
    Bytes b = Bewaar(c);

    TCompetitie terug;
    terug.WisGewijzigd();
    terug.MarkeerGewijzigd(3);
    TLaadUitslag u = BestandLaden(terug, b);
    ASSERT_TRUE(u.ok);
    EXPECT_EQ(u.melding, 0u);
    EXPECT_EQ(terug.Gewijzigd(), 0);
    VergelijkCompetities(c, terug);
    EXPECT_EQ(terug.Tabs[0]->SG.FixedCols, 3);

    // Saved again at another moment: only the UpDate stamp differs.
    Bytes opnieuw = Bewaar(terug, {2025, 1, 2, 3, 4, 6});
    ASSERT_EQ(opnieuw.size(), b.size());
    EXPECT_NE(Stuk(opnieuw, 16, 4), Stuk(b, 16, 4));
    std::memcpy(opnieuw.data() + 16, b.data() + 16, 4);
    EXPECT_EQ(opnieuw, b) << "keyed text " << tekst;
  }
}

TEST(BestandLezen, OlderVersionsByHand) {
  // A file with one class of one 272-byte rider, built byte by byte.
  auto maak = [](std::int32_t versie) {
    Bytes b(1084, 0);
    SchrijfOp<std::int32_t>(b, 4, versie);
    SchrijfOp<std::int32_t>(b, 52, 1);            // aantalklasse
    SchrijfOp<std::int32_t>(b, 88, 0x61);         // AlgOptie
    b[67] = 1;                                    // RekMethode: preset 1
    b[200] = 7;                                   // PuntAftrek
    for (int i = 0; i < 10; ++i) b[202 + i] = 9;  // a sequence no preset has
    b[212] = 5;                                   // RekWarn
    Bytes klasse(44, 0);
    klasse[0] = 2, klasse[1] = 'M', klasse[2] = 'X';
    SchrijfOp<std::int32_t>(klasse, 32, 1);
    SchrijfOp<std::int32_t>(klasse, 40, 50);
    Bytes rijder(272, 0);
    std::memcpy(rijder.data(), "\x04Piet", 5);
    std::memcpy(rijder.data() + 31,
                "\x02"
                "77",
                3);
    SchrijfOp<std::int16_t>(rijder, 38, 5);                   // result 1
    SchrijfOp<std::int16_t>(rijder, 38 + 49 * 2, -5);         // result 50: DQ
    std::memcpy(rijder.data() + 138 + 2 * 41, "\x03Nat", 4);  // extra field 3
    SchrijfOp<std::uint32_t>(rijder, 264, 0x2A);
    rijder[268] = 1;
    b.insert(b.end(), klasse.begin(), klasse.end());
    b.insert(b.end(), rijder.begin(), rijder.end());
    return b;
  };
  struct Geval {
    std::int32_t versie;
    int puntAftrek;
    bool preset;  // sequence and RekWarn rebuilt from RekMethode
  };
  for (const Geval g : {Geval{2, 1, true}, Geval{3, 7, true}, Geval{4, 7, false},
                        Geval{5, 7, false}, Geval{0x7F000003, 7, true}}) {
    TCompetitie c;
    ASSERT_TRUE(BestandLaden(c, maak(g.versie)).ok) << g.versie;
    EXPECT_EQ(c.Club.PuntAftrek, g.puntAftrek) << g.versie;
    if (g.preset) {
      EXPECT_EQ(c.Club.MethRek[0][0], 3);
      EXPECT_EQ(c.Club.MethRek[3][0], 0);
      EXPECT_EQ(c.Club.RekWarn, 3);
    } else {
      EXPECT_EQ(c.Club.MethRek[3][0], 9);
      EXPECT_EQ(c.Club.RekWarn, 5);
    }
    // Version 5 with nothing after the last class: no section, no failure.
    EXPECT_FALSE(c.MynData.HeeftTekst());
    const TRijder* r = c.Tabs[0]->Rijder(1);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Rijder.Naam.Get(), "Piet");
    EXPECT_EQ(r->Rijder.RijNr.Get(), "77");
    EXPECT_EQ(r->Uitslag(1), 5);
    EXPECT_EQ(r->Uitslag(50), UitDQ);
    EXPECT_EQ(r->Uitslag(51), UitGeen);
    EXPECT_EQ(r->Rijder.Extra[2].Get(), "Nat");
    EXPECT_EQ(r->Rijder.IDnum, 0x2Au);
    EXPECT_TRUE(r->BM());
  }
}

TEST(BestandLezen, KeyedSectionOnlyInVersionFive) {
  TCompetitie c;
  VulCompetitie(c, true);
  Bytes v5 = Bewaar(c);
  for (int versie : {2, 3, 4}) {
    TCompetitie terug;
    ASSERT_TRUE(BestandLaden(terug, MetVersie(v5, versie)).ok);
    EXPECT_FALSE(terug.MynData.HeeftTekst()) << versie;
  }
  // The old form reads the same riders and the section after them.
  TCompetitie oud;
  ASSERT_TRUE(BestandLaden(oud, NaarOudFormaat(v5)).ok);
  EXPECT_EQ(oud.MynData.Regels(), c.MynData.Regels());
  EXPECT_EQ(oud.Tabs[0]->Rijder(3)->Rijder.Naam.Get(), "MX1 rijder 3");
}

TEST(BestandLezen, KeyedSectionBeyondTheOldLimitIsRead) {
  TCompetitie c;
  VulCompetitie(c, true);
  const std::string lang(0x100000, 'o');  // the section is larger than 0xFFFFF bytes
  c.MynData.SetData(c.Tabs[1]->Rijder(1)->Sleutel(), 3,
                    "1\x04"
                    "0\x04" +
                        lang);
  Bytes b = Bewaar(c);
  TCompetitie terug;
  ASSERT_TRUE(BestandLaden(terug, b).ok);
  EXPECT_EQ(terug.MynData.GetData(c.Tabs[1]->Rijder(1)->Sleutel(), 3).size(), lang.size() + 4);
  EXPECT_EQ(terug.MynData.Count(), 5);

  // A count beyond the remaining bytes is damage.
  SchrijfOp<std::int32_t>(b, c.Club.MynDpos, static_cast<std::int32_t>(b.size()));
  EXPECT_EQ(BestandLaden(terug, b).melding, 3u);
}

// A count of 0 is an empty section, not damage (a negative one is: see below).
TEST(BestandLezen, KeyedTextCountZeroIsAnEmptySection) {
  TCompetitie c;
  VulCompetitie(c, true);
  Bytes b = Bewaar(c);
  b.resize(c.Club.MynDpos + 4);
  SchrijfOp<std::int32_t>(b, c.Club.MynDpos, 0);
  TCompetitie terug;
  const TLaadUitslag u = BestandLaden(terug, b);
  EXPECT_TRUE(u.ok);
  EXPECT_EQ(u.melding, 0u);
  EXPECT_EQ(terug.AantalKlassen(), 2);
  EXPECT_FALSE(terug.MynData.HeeftTekst());
}

TEST(BestandLezen, WrongVersionGivesMessage2) {
  TCompetitie c;
  VulCompetitie(c, false);
  Bytes b = Bewaar(c);
  for (int laag : {0, 1, 6, 0xFF}) {
    TCompetitie terug;
    VulCompetitie(terug, true);
    terug.Bestandsnaam = "/oud.kzo";
    terug.WisGewijzigd();
    terug.MarkeerGewijzigd(1);
    TLaadUitslag u = BestandLaden(terug, MetVersie(b, laag));
    EXPECT_FALSE(u.ok);
    EXPECT_EQ(u.melding, 2u) << laag;
    EXPECT_EQ(terug.Club.Clubnaam.Get(), "MC Testbaan");  // the file's header
    ASSERT_EQ(terug.Tabs.size(), 1u);
    EXPECT_EQ(terug.Tabs[0], nullptr);
    EXPECT_FALSE(terug.MynData.HeeftTekst());
    EXPECT_EQ(terug.Bestandsnaam, "");
    EXPECT_EQ(terug.Gewijzigd(), 0);
  }
}

TEST(BestandLezen, DamageGivesMessage3AndKeepsTheClassesReadSoFar) {
  TCompetitie c;
  VulCompetitie(c, true);
  Bytes goed = Bewaar(c);
  const std::size_t tweedeKlasse = 1084 + 44 + 3 * 368 + 84;

  struct Geval {
    const char* wat;
    Bytes bytes;
    std::size_t klassen;
  };
  Bytes teVeel = goed;
  SchrijfOp<std::int32_t>(teVeel, 52, 21);
  Bytes negatief = goed;
  SchrijfOp<std::int32_t>(negatief, tweedeKlasse + 32, -1);
  Bytes negatieveTekst = goed;
  SchrijfOp<std::int32_t>(negatieveTekst, c.Club.MynDpos, -1);
  const Geval gevallen[] = {
      {"cut inside the second class", Stuk(goed, 0, tweedeKlasse + 100), 1},
      {"cut inside the settings", Stuk(goed, 0, 600), 0},
      {"cut inside the section count", Stuk(goed, 0, c.Club.MynDpos + 2), 2},
      {"more classes than a competition holds", teVeel, 0},
      {"negative rider count", negatief, 1},
      {"negative keyed-text count", negatieveTekst, 2},
  };
  for (const auto& g : gevallen) {
    TCompetitie terug;
    terug.Bestandsnaam = "/d/x.kzo";
    terug.WisGewijzigd();
    terug.MarkeerGewijzigd(1);
    TLaadUitslag u = BestandLaden(terug, g.bytes);
    EXPECT_FALSE(u.ok) << g.wat;
    EXPECT_EQ(u.melding, 3u) << g.wat;
    EXPECT_EQ(terug.AantalKlassen(), static_cast<int>(g.klassen)) << g.wat;
    EXPECT_EQ(terug.Bestandsnaam, "") << g.wat;
    EXPECT_EQ(terug.Gewijzigd(), 0) << g.wat;
  }
  // A header cut short leaves the header as it was.
  TCompetitie terug;
  terug.Club.Clubnaam.Set("blijft");
  EXPECT_EQ(BestandLaden(terug, Stuk(goed, 0, 100)).melding, 3u);
  EXPECT_EQ(terug.Club.Clubnaam.Get(), "blijft");
}

TEST(BestandSluiten, KeepsHeaderAndSettings) {
  TCompetitie c;
  VulCompetitie(c, true);
  c.Bestandsnaam = "/d/x.kzo";
  c.ActieveTab = 1;
  BestandSluiten(c);
  ASSERT_EQ(c.Tabs.size(), 1u);
  EXPECT_EQ(c.Tabs[0], nullptr);
  EXPECT_EQ(c.TabTekst(0), "?");
  EXPECT_EQ(c.ActieveTab, 0);
  EXPECT_EQ(c.Bestandsnaam, "");
  EXPECT_FALSE(c.MynData.HeeftTekst());
  EXPECT_EQ(c.Club.Clubnaam.Get(), "MC Testbaan");
  EXPECT_EQ(c.Instellingen.OptieA, 0x413C);
}

TEST(BestandsNamen, OpenBakAndSaveAs) {
  for (auto [naam, ok] : std::initializer_list<std::pair<const char*, bool>>{{"/d/x.kzo", true},
                                                                             {"X.KZO", true},
                                                                             {"a.Kzo.txt", true},
                                                                             {".kzo", false},
                                                                             {"/d/x.kz", false},
                                                                             {"", false},
                                                                             {"kzo", false}})
    EXPECT_EQ(IsKzoNaam(naam), ok) << naam;

  EXPECT_EQ(BakNaam("/d/x.kzo"), "/d/x.BAK");
  EXPECT_EQ(BakNaam("/d/x.y.KZO"), "/d/x.y.BAK");
  EXPECT_EQ(BakNaam("/d.v/x"), "/d.v/x.BAK");

  struct Geval {
    const char* naam;
    std::optional<std::string> wordt;
  };
  const Geval gevallen[] = {
      {"/d/uitslag.txt", std::nullopt},
      {"/d/uitslag", "/d/uitslag.kzo"},
      {"/d/x.kzo", "/d/x.kzo"},
      {"/d/X.KZO", "/d/X.KZO"},
      {"/d.v/uitslag", "/d.v/uitslag.kzo"},
      {"/d/uitslag.kzo.txt", std::nullopt},
  };
  for (const auto& g : gevallen) EXPECT_EQ(BewaarAlsNaam(g.naam), g.wordt) << g.naam;
}

// ---- opening and saving through the disk steps ----

class SchijfTest : public ::testing::Test {
 protected:
  SchijfTest() { Begin(); }

  // A saved competition under naam, an older backup beside it, and unsaved changes.
  void Begin() {
    comp = TCompetitie();
    VulCompetitie(comp, true);
    oud = Bewaar(comp, {2023, 1, 1, 0, 0, 0});
    comp.Bestandsnaam = naam;
    comp.MarkeerGewijzigd(1);
    opslag = TNepOpslag();
    opslag.Bestanden = {{naam, oud}, {bak, ouder}};
    instellingen = TGeheugenInstellingen();
  }

  TFout Bewaren(const std::string& als) {
    return BestandBewaren(comp, als, comp.Club.Lettertype, klok, opslag, instellingen);
  }

  const std::string naam = "/d/x.kzo";
  const std::string bak = "/d/x.BAK";
  const Bytes ouder{1, 2, 3};
  TCompetitie comp;
  Bytes oud;
  TNepOpslag opslag;
  TGeheugenInstellingen instellingen;
  TVasteKlok klok{kMaakMoment};
};

TEST_F(SchijfTest, SaveKeepsTheOldFileAsBakAndTrashesTheOlderOne) {
  EXPECT_EQ(Bewaren(naam), std::nullopt);
  ASSERT_EQ(opslag.Bestanden.size(), 2u);  // no temporary file left
  EXPECT_EQ(opslag.Bestanden[bak], oud);
  ASSERT_EQ(opslag.Prullenbak.size(), 1u);
  EXPECT_EQ(opslag.Prullenbak[0], ouder);
  TCompetitie terug;
  ASSERT_TRUE(BestandLaden(terug, opslag.Bestanden[naam]).ok);
  VergelijkCompetities(comp, terug);
  EXPECT_EQ(comp.Gewijzigd(), 0);
  EXPECT_EQ(comp.Bestandsnaam, naam);
  EXPECT_EQ(instellingen.Teksten["LastFile"], naam);

  // Under a new name: nothing to keep, nothing to trash.
  EXPECT_EQ(Bewaren("/d/nieuw.kzo"), std::nullopt);
  EXPECT_EQ(opslag.Bestanden.size(), 3u);
  EXPECT_EQ(opslag.Bestanden.count("/d/nieuw.BAK"), 0u);
  EXPECT_EQ(opslag.Prullenbak.size(), 1u);
  EXPECT_EQ(comp.Bestandsnaam, "/d/nieuw.kzo");
}

TEST_F(SchijfTest, AFailedStepLeavesTheFileAsItWas) {
  const std::string ander = "/d/ander.kzo";  // "Bewaar als" to a new name
  const std::pair<TStap, std::string> gevallen[] = {
      {TStap::Schrijf, naam}, {TStap::Schrijf, ander},   {TStap::Sync, naam},
      {TStap::Sync, ander},   {TStap::Prullenbak, naam}, {TStap::Kopie, naam},
      {TStap::Hernoem, naam}, {TStap::Hernoem, ander},
  };
  for (const auto& [stap, als] : gevallen) {
    Begin();
    opslag.Faal = stap;
    const TClubInfo kop = comp.Club;
    const auto wat = TNepOpslag::Tekst(stap) + " " + als;
    EXPECT_EQ(Bewaren(als), TNepOpslag::Tekst(stap)) << wat;
    EXPECT_EQ(opslag.Bestanden[naam], oud) << wat;
    for (const auto& [n, inhoud] : opslag.Bestanden)
      EXPECT_TRUE(n == naam || n == bak) << wat << " left behind " << n;
    EXPECT_EQ(comp.Gewijzigd(), 1) << wat;
    EXPECT_EQ(comp.Bestandsnaam, naam) << wat;
    EXPECT_EQ(std::memcmp(&comp.Club, &kop, sizeof kop), 0) << wat;
    EXPECT_TRUE(instellingen.Teksten.empty()) << wat;
  }
}

// Refused before anything is written, and told apart from other failures so that the
// program can offer "Bewaar als".
TEST_F(SchijfTest, AWriteProtectedFileIsRefused) {
  opslag.AlleenLezen = {naam};
  const TClubInfo kop = comp.Club;
  const TFout f = Bewaren(naam);
  ASSERT_TRUE(f.has_value());
  EXPECT_TRUE(f.SchrijfBeveiligd());
  EXPECT_EQ(opslag.Bestanden, (std::map<std::string, Bytes>{{naam, oud}, {bak, ouder}}));
  EXPECT_TRUE(opslag.Prullenbak.empty());
  EXPECT_EQ(comp.Gewijzigd(), 1);
  EXPECT_EQ(std::memcmp(&comp.Club, &kop, sizeof kop), 0);
  EXPECT_TRUE(instellingen.Teksten.empty());

  // Other failures are no refusal; a new name is no protected file.
  opslag.Faal = TStap::Schrijf;
  EXPECT_FALSE(Bewaren("/d/ander.kzo").SchrijfBeveiligd());
  opslag.Faal.reset();
  EXPECT_EQ(Bewaren("/d/ander.kzo"), std::nullopt);
}

// A link (here a chain of two) stays a link: the file it points to gets the new bytes and
// the backup beside it. The program keeps the name the user chose.
TEST_F(SchijfTest, SavingThroughALinkWritesTheFileItPointsTo) {
  opslag.Bestanden = {{"/e/echt.kzo", oud}};
  opslag.Koppelingen = {{"/d/link.kzo", "/d/tussen.kzo"}, {"/d/tussen.kzo", "/e/echt.kzo"}};
  EXPECT_EQ(Bewaren("/d/link.kzo"), std::nullopt);
  EXPECT_EQ(opslag.Bestanden.size(), 2u);
  EXPECT_EQ(opslag.Bestanden["/e/echt.BAK"], oud);
  TCompetitie terug;
  ASSERT_TRUE(BestandLaden(terug, opslag.Bestanden["/e/echt.kzo"]).ok);
  VergelijkCompetities(comp, terug);
  EXPECT_EQ(comp.Bestandsnaam, "/d/link.kzo");
  EXPECT_EQ(instellingen.Teksten["LastFile"], "/d/link.kzo");

  // The file behind the link is write-protected: refused as well.
  opslag.AlleenLezen = {"/e/echt.kzo"};
  EXPECT_TRUE(Bewaren("/d/link.kzo").SchrijfBeveiligd());
}

// "LastFile" must find the file from any folder: a relative name is stored in full. The
// program keeps the name as it was given.
TEST_F(SchijfTest, LastFileHoldsTheFullPath) {
  EXPECT_EQ(Bewaren("x.kzo"), std::nullopt);
  EXPECT_EQ(opslag.Bestanden.count("x.kzo"), 1u);
  EXPECT_EQ(comp.Bestandsnaam, "x.kzo");
  EXPECT_EQ(instellingen.Teksten["LastFile"], "/werk/x.kzo");

  instellingen = TGeheugenInstellingen();
  TCompetitie open;
  ASSERT_TRUE(BestandLaden(open, "x.kzo", opslag, instellingen).ok);
  EXPECT_EQ(open.Bestandsnaam, "x.kzo");
  EXPECT_EQ(instellingen.Teksten["LastFile"], "/werk/x.kzo");
}

TEST_F(SchijfTest, FailuresAfterTheFileIsInPlaceKeepTheCompetitionModified) {
  opslag.Faal = TStap::SyncMap;
  EXPECT_EQ(Bewaren(naam), TNepOpslag::Tekst(TStap::SyncMap));
  EXPECT_NE(opslag.Bestanden[naam], oud);
  EXPECT_EQ(comp.Bestandsnaam, naam);
  EXPECT_EQ(comp.Gewijzigd(), 1);

  opslag.Faal.reset();
  instellingen.SchrijvenFaalt = true;
  EXPECT_EQ(Bewaren("/d/y.kzo"), std::string("Kan de instellingen niet bewaren in registry"));
  EXPECT_EQ(opslag.Bestanden.count("/d/y.kzo"), 1u);
  EXPECT_EQ(comp.Bestandsnaam, "/d/y.kzo");
  EXPECT_EQ(comp.Gewijzigd(), 1);
}

TEST_F(SchijfTest, OpenChecksNameAndFileFirst) {
  for (const std::string& n : {std::string("/d/x.txt"), std::string("/d/weg.kzo")}) {
    TLaadUitslag u = BestandLaden(comp, n, opslag, instellingen);
    EXPECT_FALSE(u.ok);
    EXPECT_EQ(u.melding, 0u);
    EXPECT_EQ(comp.AantalKlassen(), 2) << "nothing happens for " << n;
    EXPECT_EQ(comp.Bestandsnaam, naam);
  }

  TCompetitie open;
  TLaadUitslag u = BestandLaden(open, naam, opslag, instellingen);
  EXPECT_TRUE(u.ok);
  EXPECT_EQ(open.Bestandsnaam, naam);
  EXPECT_EQ(open.AantalKlassen(), 2);
  EXPECT_EQ(instellingen.Teksten["LastFile"], naam);

  opslag.Faal = TStap::Lees;
  EXPECT_EQ(BestandLaden(open, naam, opslag, instellingen).melding, 3u);
  EXPECT_EQ(open.AantalKlassen(), 0);
  EXPECT_EQ(open.Bestandsnaam, "");

  // A settings failure after a whole read: message 3, the competition stays with its name.
  opslag.Faal.reset();
  instellingen.SchrijvenFaalt = true;
  u = BestandLaden(open, naam, opslag, instellingen);
  EXPECT_FALSE(u.ok);
  EXPECT_EQ(u.melding, 3u);
  EXPECT_EQ(open.AantalKlassen(), 2);
  EXPECT_EQ(open.Bestandsnaam, naam);
  EXPECT_EQ(open.Gewijzigd(), 0);
}

}  // namespace
}  // namespace kzo
