#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/records/instellingen.h"
#include "output/tekstuitvoer.h"

namespace kzo {
namespace {

TUitslagInfo Reeks(int van, int tot, const char* datum = "", const char* opmerking = "") {
  auto i = NulRecord<TUitslagInfo>();
  i.Uitsl[0] = van;
  i.Uitsl[1] = tot;
  i.Datum.Set(datum);
  i.Opmerking.Set(opmerking);
  return i;
}

// Splits CR LF lines; a bare LF or CR fails the test.
std::vector<std::string> Regels(const std::string& bytes) {
  std::vector<std::string> regels;
  std::size_t begin = 0;
  for (std::size_t p; (p = bytes.find("\r\n", begin)) != std::string::npos; begin = p + 2)
    regels.push_back(bytes.substr(begin, p - begin));
  EXPECT_EQ(begin, bytes.size()) << "the last line must end with CR LF";
  for (const auto& r : regels) EXPECT_EQ(r.find_first_of("\r\n"), std::string::npos) << r;
  return regels;
}

class TekstUitTest : public ::testing::Test {
 protected:
  TekstUitTest() {
    comp.StandaardInstellingen(0);
    comp.Club.Clubnaam.Set("MC Duinrand");
    comp.Club.AlgOptie = 0;  // points, names swapped, zeros shown
    comp.Tabs.clear();
    // MX1: Jansen 5, -, 12; Bakker 0, 3, DQ.
    TKlasse& k = Klasse("MX1", 3);
    Rijder(k, 1, "Jansen, Piet", "12", {5, -1, 12});
    Rijder(k, 2, "Bakker, Kees", "7", {0, 3, UitDQ});
    o = OptiesBijOpenen(comp, TTekstUitOpties{});
  }

  TKlasse& Klasse(const char* naam, int uitslagen) {
    auto k = std::make_unique<TKlasse>(naam, comp.Club);
    k->InfoKlasse.aantaluitslagen = uitslagen;
    k->SetupSG(comp.Club);
    comp.Tabs.push_back(std::move(k));
    return *comp.Tabs.back();
  }

  TRijder& Rijder(TKlasse& k, int r, const char* naam, const char* nr,
                  std::initializer_list<int> uitslagen) {
    if (k.SG.RowCount() <= r) k.SG.SetRowCount(r + 1);
    k.SG.Rij(r).rijder = std::make_unique<TRijder>();
    k.SG.Rij(r).positie = std::to_string(r);
    TRijder& rd = *k.Rijder(r);
    rd.Rijder.IDnum = comp.NieuwID();
    rd.Rijder.Naam.Set(naam);
    rd.Rijder.RijNr.Set(nr);
    int u = 1;
    for (int v : uitslagen) rd.Uitslag(u++) = static_cast<std::int16_t>(v);
    return rd;
  }

  // Computed columns as a standing leaves them: modes left to right, totals per rider.
  void Stand(TKlasse& k, std::initializer_list<std::pair<const char*, int>> kolommen) {
    for (const auto& [kop, mode] : kolommen) {
      const int c = k.SG.ColCount();
      k.SG.SetColCount(c + 1);
      k.MakeColData(c, c, mode, 2);
      k.SG.Kop(c) = kop;
    }
    k.BN = static_cast<std::uint8_t>(kolommen.size());
    k.SG.Kop(1) = "PL";
  }

  std::vector<std::string> Export() { return Regels(TekstUitvoer(comp, o, '.')); }

  TCompetitie comp;
  TTekstUitOpties o;
};

TEST_F(TekstUitTest, TextFileWithTabs) {
  comp.Tabs[0]->SG.Rij(2).positie = "";  // an empty position adds no separator in front
  comp.Tabs[0]->Rijder(1)->Rijder.Naam.Set("Jansen, Piët");
  const std::string bytes = TekstUitvoer(comp, o, '.');
  EXPECT_NE(bytes.find("Pi\xEBt Jansen"), std::string::npos) << "Windows-1252";
  EXPECT_EQ(Regels(bytes), (std::vector<std::string>{
                               "MC Duinrand - MX1",
                               " \tNaam\tStartnr\t1\t2\t3",
                               "1\tPi\xEBt Jansen\t12\t5\t\t12",
                               "Kees Bakker\t7\t0\t3\tDQ",
                               "",
                           }));
}

TEST_F(TekstUitTest, SeparatorsAndColumnChoices) {
  struct Geval {
    std::uint16_t a, bUit, bAan;
    const char* karakter;
    std::vector<std::string> regels;
  } gevallen[] = {
      {UitAPuntkomma, 0, 0, "", {" ;Naam;Startnr;1;2;3", "1;Piet Jansen;12;5;;12"}},
      {UitAKarakter,
       UitBStartnummer,
       0,
       " | ",
       {"  | Naam | 1 | 2 | 3", "1 | Piet Jansen | 5 |  | 12"}},
      {UitAKarakter, UitBUitslagen | UitBWisselNaam, 0, "", {" NaamStartnr", "1Jansen, Piet12"}},
      {UitATabteken,
       0,
       UitBLeegPrint | UitBNulLeeg,
       "",
       {" \tNaam\tStartnr\t1\t2\t3", "1\tPiet Jansen\t12\t5\t--\t12",
        "2\tKees Bakker\t7\t--\t3\tDQ"}},
  };
  for (const auto& g : gevallen) {
    o.WoordA = g.a;
    o.WoordB = static_cast<std::uint16_t>((o.WoordB & ~g.bUit) | g.bAan);
    o.KarakterTekst = g.karakter;
    o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
    const auto regels = Export();
    for (std::size_t i = 0; i < g.regels.size(); ++i) {
      ASSERT_LT(i, regels.size());
      EXPECT_EQ(regels[i], g.regels[i]) << "A=" << g.a << " B=" << o.WoordB;
    }
    o = OptiesBijOpenen(comp, TTekstUitOpties{});
  }
}

TEST_F(TekstUitTest, TitleLineChoices) {
  struct Geval {
    std::uint16_t uit;
    const char* club;
    const char* titel;
  } gevallen[] = {
      {0, "MC Duinrand", "MC Duinrand - MX1"},
      {UitBClubnaam, "MC Duinrand", "MX1"},
      {UitBKlasseNaam, "MC Duinrand", "MC Duinrand"},
      {0, "", "MX1"},
  };
  for (const auto& g : gevallen) {
    comp.Club.Clubnaam.Set(g.club);
    o.WoordB = static_cast<std::uint16_t>(
        (UitBUitslagen | UitBStartnummer | UitBClubnaam | UitBKlasseNaam) & ~g.uit);
    EXPECT_EQ(Export().front(), g.titel);
  }
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
  EXPECT_EQ(Export().front(), " \tNaam\tStartnr\t1\t2\t3") << "no title line at all";
}

TEST_F(TekstUitTest, OneFieldPerLine) {
  o.WoordA = UitAElkVeldRegel;
  o.WoordB &= ~(UitBStartnummer | UitBClubnaam | UitBKlasseNaam);
  // Every grid column from 1 gives a line, the unselected start number an empty one.
  EXPECT_EQ(Export(), (std::vector<std::string>{" ", "Naam", "", "1", "2", "3",  //
                                                "1", "Piet Jansen", "", "5", "", "12", "2",
                                                "Kees Bakker", "", "0", "3", "DQ", ""}));
}

TEST_F(TekstUitTest, JoinedResultsField) {
  o.WoordB |= UitBEenVeld | UitBLeegPrint;
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
  // Five, the empty-result text and twelve: eight characters, as the pieces add up.
  EXPECT_EQ(Export(),
            (std::vector<std::string>{" \tNaam\tStartnr\t 1- 2- 3", "1\tPiet Jansen\t12\t 5----12",
                                      "2\tKees Bakker\t7\t 0- 3-DQ", ""}));
  o.WoordA = UitAElkVeldRegel;
  o.TussenTekst = "/";
  o.LeegTekst = "";
  // The later result columns yield no line of their own.
  EXPECT_EQ(Export(),
            (std::vector<std::string>{" ", "Naam", "Startnr", " 1/ 2/ 3", "1", "Piet Jansen", "12",
                                      " 5/  /12", "2", "Kees Bakker", "7", " 0/ 3/DQ", ""}));
}

TEST_F(TekstUitTest, TotalColumnsFollowTheStandingKind) {
  TKlasse& k = *comp.Tabs[0];
  Stand(k, {{"Bruto", VeldBruto}, {"Netto", VeldNetto}});
  k.Rijder(1)->Bruto = 17;
  k.Rijder(1)->Netto = 12;
  k.Rijder(2)->Bruto = 3;
  k.Rijder(2)->Netto = 3;
  o = OptiesBijOpenen(comp, TTekstUitOpties{});
  ASSERT_TRUE(o.B(UitBNetto) && o.B(UitBBruto));
  EXPECT_FALSE(o.B(UitBGemiddelde));
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam | UitBUitslagen);
  auto regels = Export();
  EXPECT_EQ(regels[1], "PL\tNaam\tStartnr\tBruto\tNetto");
  EXPECT_EQ(regels[2], "1\tPiet Jansen\t12\t17\t12");
  o.WoordB &= ~UitBBruto;
  EXPECT_EQ(Export()[2], "1\tPiet Jansen\t12\t12");

  // An average standing: the same modes answer to "Totaal", "Aantal uitslagen", "Gemiddelde".
  k.VerwijderBN();
  Stand(k, {{"Totaal", VeldBruto}, {"Uitslagen", VeldNetto}, {"Gemiddeld", VeldGemiddelde}});
  k.Rijder(1)->Bruto = 17;
  k.Rijder(1)->Netto = 2;
  const TTotaalKeuzes t = TotaalKeuzes(comp);
  EXPECT_TRUE(t.Gemiddelde);
  EXPECT_FALSE(t.Netto || t.Bruto);
  o.WoordB |= UitBNetto | UitBBruto | UitBAantalUitslagen;  // net and gross do not count here
  regels = Regels(TekstUitvoer(comp, o, ','));
  EXPECT_EQ(regels[1], "PL\tNaam\tStartnr\tUitslagen");
  o.WoordB |= UitBTotaal | UitBGemiddelde;
  regels = Regels(TekstUitvoer(comp, o, ','));
  EXPECT_EQ(regels[1], "PL\tNaam\tStartnr\tTotaal\tUitslagen\tGemiddeld");
  EXPECT_EQ(regels[2], "1\tPiet Jansen\t12\t17\t2\t8,5");
}

TEST_F(TekstUitTest, NetMethodLineOnlyWithAStanding) {
  EXPECT_EQ(Export()[1], " \tNaam\tStartnr\t1\t2\t3") << "no standing, no line";
  TKlasse& k = *comp.Tabs[0];
  k.SG.Kolom(k.UitslKolom(2))->SetInfo(Reeks(2, 2, "", "afgelast"));
  k.SG.Kolom(k.UitslKolom(2))->info->Optie = 1;  // does not count
  Stand(k, {{"Netto", VeldNetto}});
  const std::string netto =
      "Er zijn 2 uitslagen. Hiervan zijn de 2 beste uitslagen tellend voor de eindstand";
  EXPECT_EQ(Export()[1], netto);
  comp.Club.RekOptie = 0x10;  // discards: two counting results, net over two, none discarded
  EXPECT_EQ(Export()[1], "Er zijn 2 uitslagen. De eindstand is berekend met 0 schrapresultaten.");
  comp.Club.RekOptie = 0;

  o.WoordA = UitAHtml;
  auto regels = Export();
  EXPECT_EQ(regels[8], "<p>MC Duinrand - MX1<br>");
  EXPECT_EQ(regels[9], netto + "<br>");
  EXPECT_EQ(regels[10], "<table border=1 cellspacing=0 cellpadding=2>");
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
  regels = Export();
  EXPECT_EQ(regels[8], "<p>" + netto + "</p>");
  EXPECT_EQ(regels[9], "<table border=1 cellspacing=0 cellpadding=2>");
}

TEST_F(TekstUitTest, OnlySelectedRiders) {
  o.AlleenGeselecteerd = true;
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
  EXPECT_EQ(Export().size(), 4u) << "nobody selected: everyone";
  comp.Tabs[0]->Rijder(2)->Rijder.Optie = 4;
  auto regels = Export();
  ASSERT_EQ(regels.size(), 3u);
  EXPECT_EQ(regels[1], "2\tKees Bakker\t7\t0\t3\tDQ");
  o.AlleenGeselecteerd = false;
  EXPECT_EQ(Export().size(), 4u);
}

TEST_F(TekstUitTest, ExportLeavesTheHeaderAlone) {
  comp.Club.AlgOptie = 0x10 | 0x20;
  o.WoordB |= UitBWisselNaam | UitBNulLeeg;
  o.WoordB &= ~(UitBClubnaam | UitBKlasseNaam);
  comp.Tabs[0]->Rijder(2)->Uitslag(1) = 5;
  comp.Tabs[0]->Rijder(2)->Uitslag(2) = 0;
  const auto regels = Export();
  // Places shown as places; zero empty; names swapped although the header says not.
  EXPECT_EQ(regels[2], "2\tKees Bakker\t7\t5\t\tDQ");
  EXPECT_EQ(comp.Club.AlgOptie, 0x30);
}

TEST_F(TekstUitTest, ResultInformationLines) {
  TKlasse& k = Klasse("MX2", 8);
  k.SG.Kolom(k.UitslKolom(1))->SetInfo(Reeks(1, 2, "20240315", "Zand & <modder>"));
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 3, "", "Avond"));
  k.SG.Kolom(k.UitslKolom(4))->SetInfo(Reeks(4, 4, "20240401"));
  // Damaged: ends before it starts, and one that claims far beyond the last column.
  k.SG.Kolom(k.UitslKolom(6))->SetInfo(Reeks(6, 2, "", "kapot"));
  k.SG.Kolom(k.UitslKolom(7))->SetInfo(Reeks(7, 2000000000));
  EXPECT_EQ(InformatieRegels(k, comp.Club),
            (std::vector<std::string>{"1-2 = 15- 3 Zand & <modder>", "3 =  Avond", "4 =  1- 4",
                                      "6 =  kapot", "7-2000000000 = "}));
  comp.Club.DisplayInfo = 0x08;
  EXPECT_EQ(InformatieRegels(k, comp.Club)[0], "1-2 = 15- 3-2024 Zand & <modder>");

  comp.ActieveTab = 1;
  o.WoordB |= UitBInformatie;
  const auto regels = Export();
  const std::vector<std::string> eind(regels.end() - 7, regels.end());
  EXPECT_EQ(eind, (std::vector<std::string>{
                      "Informatie uitslagen:", "1-2 = 15- 3-2024 Zand & <modder>", "3 =  Avond",
                      "4 =  1- 4-2024", "6 =  kapot", "7-2000000000 = ", ""}));
}

// ---- HTML ----

TEST_F(TekstUitTest, HtmlPage) {
  o.WoordA = UitAHtml | UitAAlleKlassen;
  comp.Club.Clubnaam.Set("MC \"Zand\" & <Co>");
  comp.Tabs[0]->SG.Kop(2) = "Naam & co";
  comp.Tabs[0]->InfoKlasse.Naam.Set("MX1 <2>");
  comp.Tabs[0]->Rijder(1)->Rijder.Naam.Set("<b>Jansen</b>");
  comp.Tabs[0]->Rijder(2)->Rijder.Naam.Set("Bakker");
  comp.Tabs[0]->Rijder(2)->Rijder.RijNr.Set(" ");
  EXPECT_EQ(Regels(TekstUitvoer(comp, o, '.')),
            (std::vector<std::string>{
                "<html>",
                "<head>",
                "<title>MC &quot;Zand&quot; &amp; &lt;Co&gt; wedstrijduitslagen</title>",
                "<META name=\"generator\" content=\"Kzobaan voor Windows\">",
                "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
                "</head>",
                "",
                "<body>",
                "<p>MC &quot;Zand&quot; &amp; &lt;Co&gt; - MX1 &lt;2&gt;<br>",
                "<table border=1 cellspacing=0 cellpadding=2>",
                "<tr bgcolor=\"silver\">",
                "<td>&nbsp</td>",
                "<td align=center>Naam &amp; co</td>",
                "<td align=center>Startnr</td>",
                "<td align=center>1</td>",
                "<td align=center>2</td>",
                "<td align=center>3</td>",
                "</tr>",
                "<tr>",
                "<td>1</td>",
                "<td>&lt;b&gt;Jansen&lt;/b&gt;</td>",
                "<td align=center>12</td>",
                "<td align=center>5</td>",
                "<td>&nbsp</td>",
                "<td align=center>12</td>",
                "</tr>",
                "<tr>",
                "<td>2</td>",
                "<td>Bakker</td>",
                "<td>&nbsp</td>",
                "<td align=center>0</td>",
                "<td align=center>3</td>",
                "<td align=center>DQ</td>",
                "</tr>",
                "</table>",
                "<p>&nbsp;</p>",
                "</body>",
                "</html>",
            }));
}

TEST_F(TekstUitTest, HtmlDiscardedResultsAndSeriesColours) {
  TKlasse& k = *comp.Tabs[0];
  Stand(k, {{"Netto", VeldNetto}});
  k.Rijder(1)->Netto = 17;
  k.Rijder(1)->Uitslag(2) = 999;   // an empty result that was discarded
  k.Rijder(2)->Uitslag(1) = 1000;  // a discarded zero
  k.SG.Kolom(k.UitslKolom(1))->SetInfo(Reeks(1, 2, "", "Zand & <modder>"));
  k.SG.Kolom(k.UitslKolom(3))->SetInfo(Reeks(3, 3, "", "Avond"));
  comp.Club.SchrKleur = 0x00808000;
  o.WoordA = UitAHtml;
  o.WoordB = UitBUitslagen | UitBInformatie;

  auto cellen = [&](int rij) {
    auto regels = Regels(TekstUitvoer(comp, o, '.'));
    auto it = regels.begin();
    for (int n = 0; n <= rij; ++n) it = std::find(it + 1, regels.end(), "<tr>");
    return std::vector<std::string>(it + 3, it + 6);  // the three result cells
  };
  struct Geval {
    std::int32_t display;
    int rij;
    std::vector<std::string> verwacht;
  } gevallen[] = {
      // Series colours FFFFE1 / E3E3E3; the discarded cell takes the discard colour and,
      // empty, loses alignment and strike-through.
      {0x90,
       0,
       {"<td bgcolor=\"#FFFFE1\"; align=center>5</td>", "<td bgcolor=\"#008080\";>&nbsp</td>",
        "<td bgcolor=\"#E3E3E3\"; align=center>12</td>"}},
      {0x90,
       1,
       {"<td bgcolor=\"#008080\"; align=center><s>0</s></td>",
        "<td bgcolor=\"#FFFFE1\"; align=center>3</td>",
        "<td bgcolor=\"#E3E3E3\"; align=center>DQ</td>"}},
      // No discard colour (0x40): series colour and strike-through remain.
      {0xD0,
       1,
       {"<td bgcolor=\"#FFFFE1\"; align=center><s>0</s></td>",
        "<td bgcolor=\"#FFFFE1\"; align=center>3</td>",
        "<td bgcolor=\"#E3E3E3\"; align=center>DQ</td>"}},
      // Series colours off (0x20), no strike-through without 0x80.
      {0x30,
       1,
       {"<td bgcolor=\"#008080\"; align=center>0</td>", "<td align=center>3</td>",
        "<td align=center>DQ</td>"}},
  };
  for (const auto& g : gevallen) {
    comp.Club.DisplayInfo = g.display;
    EXPECT_EQ(cellen(g.rij), g.verwacht) << std::hex << g.display;
  }
  // Without the information choice the series are not coloured.
  comp.Club.DisplayInfo = 0x90;
  o.WoordB = UitBUitslagen;
  EXPECT_EQ(cellen(0)[0], "<td align=center>5</td>");

  o.WoordB = UitBUitslagen | UitBInformatie | UitBNetto;
  const auto regels = Regels(TekstUitvoer(comp, o, '.'));
  EXPECT_NE(std::find(regels.begin(), regels.end(), "<td align=right>17</td>"), regels.end());
  const std::vector<std::string> eind(regels.end() - 7, regels.end());
  EXPECT_EQ(eind,
            (std::vector<std::string>{"</table>", "<p>Informatie uitslagen:<br>",
                                      "1-2 =  Zand &amp; &lt;modder&gt;<br>", "3 =  Avond<br>",
                                      "<p>&nbsp;</p>", "</body>", "</html>"}));
}

TEST(Kleur, HexDigits) {
  struct {
    TColor kleur;
    const char* hex;
  } gevallen[] = {
      {0x00808000, "008080"},       {0x000000FF, "FF0000"},       {0x00123456, "563412"},
      {SysteemKleur(5), "FFFFFF"},  {SysteemKleur(15), "F0F0F0"}, {SysteemKleur(22), "E3E3E3"},
      {SysteemKleur(24), "FFFFE1"}, {SysteemKleur(99), "000000"}, {0x02123456, "FFFFFF"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(KleurHex(g.kleur), g.hex) << std::hex << g.kleur;
}

TEST(Bestandsnaam, ExtensionFollowsTheFileType) {
  struct {
    const char* naam;
    bool html;
    const char* wordt;
  } gevallen[] = {
      {"uitslag.htm", true, "uitslag.html"},
      {"uitslag", false, "uitslag.txt"},
      {"uitslag.txt", true, "uitslag.html"},
      {"C:\\map.v2\\uitslag", false, "C:\\map.v2\\uitslag.txt"},
      {"/home/club/map.v2/stand", true, "/home/club/map.v2/stand.html"},
      {"a.b.c", false, "a.b.txt"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(UitvoerBestandsnaam(g.naam, g.html), g.wordt);
}

TEST_F(TekstUitTest, WhichClasses) {
  Klasse("MX2", 0);
  comp.Tabs.emplace_back();  // a tab without a class
  Klasse("MX3", 0);
  comp.ActieveTab = 1;
  o.WoordA = UitAHuidigeKlasse;
  EXPECT_EQ(UitTeVoerenKlassen(comp, o), std::vector<int>{1});
  o.WoordA = UitAAlleKlassen;
  EXPECT_EQ(UitTeVoerenKlassen(comp, o), (std::vector<int>{0, 1, 3}));
  o.WoordA = UitASelectieKlassen;
  o.Klassen = {3, 2, 0};
  EXPECT_EQ(UitTeVoerenKlassen(comp, o), (std::vector<int>{0, 3}));
}

TEST_F(TekstUitTest, DialogChoicesOnOpening) {
  // Defaults, with the name and zero choices from the header.
  comp.Club.AlgOptie = 0x80 | 0x10;
  TTekstUitOpties d = OptiesBijOpenen(comp, TTekstUitOpties{});
  EXPECT_EQ(d.WoordA, UitAHuidigeKlasse | UitATabteken);
  EXPECT_EQ(d.WoordB,
            UitBUitslagen | UitBStartnummer | UitBClubnaam | UitBKlasseNaam | UitBNulLeeg);
  EXPECT_EQ(d.LeegTekst, "--");
  EXPECT_EQ(d.TussenTekst, "-");
  EXPECT_EQ(d.KarakterTekst, " ");

  // Remembered choices come back, totals only where a class has them.
  TTekstUitOpties gekozen;
  gekozen.WoordA = UitAHtml | UitAAlleKlassen | UitAKarakter;
  gekozen.WoordB = UitBNetto | UitBBruto | UitBGemiddelde | UitBWisselNaam;
  gekozen.KarakterTekst = "1234567890123456789";
  gekozen.AlleenGeselecteerd = true;
  const TTekstUitOpties onthouden = OptiesOnthouden(gekozen);
  EXPECT_EQ(onthouden.WoordA, gekozen.WoordA | UitAAanwezig);
  EXPECT_EQ(onthouden.KarakterTekst, "123456789012345");
  EXPECT_FALSE(onthouden.AlleenGeselecteerd);

  Stand(*comp.Tabs[0], {{"Netto", VeldNetto}});
  d = OptiesBijOpenen(comp, onthouden);
  EXPECT_EQ(d.WoordA, onthouden.WoordA);
  EXPECT_EQ(d.WoordB, UitBNetto | UitBWisselNaam);
  EXPECT_EQ(d.KarakterTekst, "123456789012345");

  // The last class with one total decides, unless a class has both.
  TKlasse& k2 = Klasse("MX2", 0);
  Stand(k2, {{"Bruto", VeldDag}});
  EXPECT_FALSE(TotaalKeuzes(comp).Netto);
  EXPECT_TRUE(TotaalKeuzes(comp).Bruto);
  comp.Tabs[0]->VerwijderBN();
  Stand(*comp.Tabs[0], {{"Bruto", VeldBruto}, {"Netto", VeldNetto}});
  EXPECT_TRUE(TotaalKeuzes(comp).Netto);
  EXPECT_TRUE(TotaalKeuzes(comp).Bruto);
}

TEST_F(TekstUitTest, WritesTheFileOrTellsWhy) {
  const auto map = std::filesystem::temp_directory_path() / "kzo_tekstuit_test";
  std::filesystem::create_directories(map);
  const std::string pad = (map / "uit.txt").string();
  o.WoordA = UitAHtml;
  EXPECT_EQ(SchrijfTekstUitvoer(pad, comp, o, '.'), TSchrijfUitkomst::Goed);
  std::ifstream in(pad, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), TekstUitvoer(comp, o, '.'));
  EXPECT_EQ(SchrijfTekstUitvoer((map / "geen" / "uit.txt").string(), comp, o, '.'),
            TSchrijfUitkomst::NietAangemaakt);
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_EQ(SchrijfTekstUitvoer("/dev/full", comp, o, '.'), TSchrijfUitkomst::SchrijfFout);
  }
  std::filesystem::remove_all(map);
}

TEST_F(TekstUitTest, LargeExportArrivesInPiecesAndStopsOnAFailedWrite) {
  TKlasse& k = Klasse("Groot", 99);
  for (int r = 1; r <= 500; ++r) Rijder(k, r, "Rijder", "1", {});
  o.WoordA = UitAHtml | UitAAlleKlassen;
  const std::string alles = TekstUitvoer(comp, o, '.');
  std::string samen;
  int stukken = 0;
  EXPECT_TRUE(TekstUitvoer(comp, o, '.', [&](std::string_view s) {
    samen += s;
    ++stukken;
    return true;
  }));
  EXPECT_EQ(samen, alles);
  EXPECT_GT(stukken, 2);
  stukken = 0;
  EXPECT_FALSE(TekstUitvoer(comp, o, '.', [&](std::string_view) {
    ++stukken;
    return false;
  }));
  EXPECT_EQ(stukken, 1) << "nothing more is offered after a failed write";
}

}  // namespace
}  // namespace kzo
