// kzo-tool run as a program on small competition files written by the file layer.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/file/bestand.h"
#include "core/file/meldingen.h"
#include "core/records/instellingen.h"
#include "core/scoring/eindstand.h"
#include "core/scoring/meldlijst.h"
#include "output/tekstuitvoer.h"

namespace kzo {
namespace {

namespace fs = std::filesystem;

std::string Lees(const fs::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct TRijData {
  const char* naam;
  const char* nr;
  std::vector<int> uitslagen;
  std::uint8_t optie = 0;
};

void Klasse(TCompetitie& comp, const char* naam, int n, const std::vector<TRijData>& rijen) {
  auto k = std::make_unique<TKlasse>(naam, comp.Club);
  k->InfoKlasse.aantaluitslagen = n;
  k->SetupSG(comp.Club);
  k->SG.SetRowCount(static_cast<int>(rijen.size()) + 1);
  for (std::size_t i = 0; i < rijen.size(); ++i) {
    auto rd = std::make_unique<TRijder>();
    rd->Rijder.IDnum = comp.NieuwID();
    rd->Rijder.Naam.Set(rijen[i].naam);
    rd->Rijder.RijNr.Set(rijen[i].nr);
    rd->Rijder.Optie = rijen[i].optie;
    for (std::size_t u = 0; u < rijen[i].uitslagen.size(); ++u)
      rd->Uitslag(static_cast<int>(u) + 1) = static_cast<std::int16_t>(rijen[i].uitslagen[u]);
    k->SG.Rij(static_cast<int>(i) + 1).rijder = std::move(rd);
  }
  comp.Tabs.push_back(std::move(k));
}

TCompetitie NieuweCompetitie() {
  TCompetitie comp;
  comp.StandaardInstellingen(0);
  comp.Club.Clubnaam.Set("MC Duinrand & Zn");
  comp.Club.AlgOptie = 0x80;  // points, names swapped, zeros empty
  comp.Club.DisplayInfo = 0x90;
  comp.Tabs.clear();
  return comp;
}

class KzoToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    map = fs::temp_directory_path() /
          (std::string("kzo_tool_test_") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(map);
    fs::create_directories(map);
    TCompetitie comp = NieuweCompetitie();
    // MX1: three riders on 142 net; Jansen and Bakker tie on every step. Smit rides out
    // of competition.
    Klasse(comp, "MX1", 4,
           {{"Jansen, Piet", "12", {50, 47, 45, 43}},
            {"Bakker, Kees", "7", {50, 47, 45, 43}, 4},
            {"Smit, Ab", "3", {45, UitGeen, 43, 41}, 1},
            {"Mulder, Jo", "21", {43, 45, 47, 50}}});
    Klasse(comp, "Quad <50cc>", 2, {{"Visser, Ria", "5", {41}}});
    auto info = NulRecord<TUitslagInfo>();
    info.Uitsl[0] = 1;
    info.Uitsl[1] = 2;
    info.Datum.Set("20240504");
    info.Opmerking.Set("Zand & <modder>");
    comp.Tabs[0]->SG.Kolom(comp.Tabs[0]->UitslKolom(1))->SetInfo(info);
    bestand = Bewaar(comp, "klein.kzo");
  }
  void TearDown() override { fs::remove_all(map); }

  std::string Bewaar(TCompetitie& comp, const char* naam) {
    const TVasteKlok klok({2024, 5, 6, 12, 0, 0});
    const auto bytes = BestandBytes(comp, comp.Club.Lettertype, klok);
    const std::string pad = (map / naam).string();
    std::ofstream(pad, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return pad;
  }

  // Runs the tool, by default in the C locale; standard output and error go to files.
  int Tool(const std::string& args, const std::string& omgeving = "LC_ALL=C") {
    const std::string cmd = omgeving + " \"" KZO_TOOL "\" " + args + " >\"" +
                            (map / "uit").string() + "\" 2>\"" + (map / "fout").string() + "\"";
    const int s = std::system(cmd.c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  }
  std::string Uit() { return Lees(map / "uit"); }
  std::string Fout() { return Lees(map / "fout"); }
  std::string Pad(const char* naam) { return "\"" + (map / naam).string() + "\""; }

  // The same file read and computed here, and written by the writer with the dialog's
  // opening choices changed as the test says.
  std::string Verwacht(const TEindKeuze* keuze, const std::function<void(TTekstUitOpties&)>& wijzig,
                       std::string& ties, char decimaal = '.') {
    TCompetitie comp;
    const auto bytes = Lees(bestand);
    EXPECT_TRUE(BestandLaden(comp, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size()))
                    .ok);
    if (keuze) {
      TRekenStaat staat;
      TMeldLijst lijst;
      BerekenEindstanden(comp, staat, *keuze, 0, decimaal, &lijst);
      for (const auto& r : lijst.Regels()) ties += r.Tekst + "\n";
    }
    TTekstUitOpties o = OptiesBijOpenen(comp, TTekstUitOpties{});
    o.WoordA = (o.WoordA & ~UitAHuidigeKlasse) | UitAAlleKlassen;
    wijzig(o);
    return TekstUitvoer(comp, o, decimaal);
  }

  fs::path map;
  std::string bestand;
};

TEST_F(KzoToolTest, ExportWritesTheWritersBytes) {
  TEindKeuze beide;  // net and gross, "Geen eindklassing", all classes
  TEindKeuze gemiddelde;
  gemiddelde.BrutoNetto = false;
  gemiddelde.BM = 0;
  TEindKeuze dag;
  dag.Netto = false;
  dag.Dag = true;
  dag.BM = 3;
  const std::uint16_t totalen =
      UitBNetto | UitBBruto | UitBTotaal | UitBAantalUitslagen | UitBGemiddelde;
  struct Geval {
    std::string args;
    const TEindKeuze* keuze;
    std::function<void(TTekstUitOpties&)> wijzig;
    bool ties = false;
  } gevallen[] = {
      {"", nullptr, [](TTekstUitOpties&) {}},
      {"--html --info --standing net+gross", &beide,
       [](TTekstUitOpties& o) {
         o.WoordA |= UitAHtml;
         o.WoordB |= UitBInformatie;
       },
       true},
      {"--standing average --bm 0 --classes current --separator semicolon", &gemiddelde,
       [](TTekstUitOpties& o) { o.WoordA = UitAHuidigeKlasse | UitAPuntkomma; }},
      {"--standing day --bm 3 --html", &dag, [](TTekstUitOpties& o) { o.WoordA |= UitAHtml; },
       true},
      {"--standing net+gross --no-totals --no-club --separator 'char: | ' --joined / "
       "--empty '?!' --no-swap-names --zero-empty --selected --classes 2,1",
       &beide,
       [&](TTekstUitOpties& o) {
         o.WoordA = UitASelectieKlassen | UitAKarakter;
         o.Klassen = {0, 1};
         o.KarakterTekst = " | ";
         o.TussenTekst = "/";
         o.LeegTekst = "?!";
         o.WoordB =
             static_cast<std::uint16_t>((o.WoordB | UitBEenVeld | UitBLeegPrint | UitBNulLeeg) &
                                        ~(UitBClubnaam | UitBWisselNaam | totalen));
         o.AlleenGeselecteerd = true;
       },
       true},
      {"--separator newline --no-results --no-startnr --no-class --no-zero-empty --swap-names",
       nullptr,
       [](TTekstUitOpties& o) {
         o.WoordA = UitAAlleKlassen | UitAElkVeldRegel;
         o.WoordB = static_cast<std::uint16_t>(
             (o.WoordB | UitBWisselNaam) &
             ~(UitBUitslagen | UitBStartnummer | UitBKlasseNaam | UitBNulLeeg));
       }},
  };
  for (const auto& g : gevallen) {
    std::string ties;
    const std::string verwacht = Verwacht(g.keuze, g.wijzig, ties);
    EXPECT_EQ(!ties.empty(), g.ties) << g.args;
    ASSERT_EQ(Tool("export " + g.args + " \"" + bestand + "\" " + Pad("x.out")), 0)
        << g.args << "\n"
        << Fout();
    EXPECT_EQ(Lees(map / "x.out"), verwacht) << g.args;
    EXPECT_EQ(Fout(), ties) << g.args;
    ASSERT_EQ(Tool("export " + g.args + " \"" + bestand + "\" -"), 0) << g.args;
    EXPECT_EQ(Uit(), verwacht) << g.args;
  }
}

TEST_F(KzoToolTest, AveragesWithTheUsersDecimalSeparator) {
  TEindKeuze gemiddelde;
  gemiddelde.BrutoNetto = false;
  std::string ties;
  const auto geen = [](TTekstUitOpties&) {};
  const std::string args = "export --standing average \"" + bestand + "\" -";
  ASSERT_EQ(Tool(args), 0);
  const std::string punt = Verwacht(&gemiddelde, geen, ties);
  EXPECT_NE(punt.find("\t46.2\r\n"), std::string::npos) << punt;
  EXPECT_EQ(Uit(), punt);

  // A Dutch locale, compiled here when the system has its source.
  if (std::system("command -v localedef >/dev/null && test -f /usr/share/i18n/locales/nl_NL") != 0)
    GTEST_SKIP() << "no localedef or nl_NL locale source";
  const std::string locales = (map / "locales").string();
  fs::create_directories(locales);
  ASSERT_EQ(
      std::system(
          ("localedef -i nl_NL -f UTF-8 \"" + locales + "/nl_NL.UTF-8\" >/dev/null 2>&1").c_str()),
      0);
  ASSERT_EQ(Tool(args, "LOCPATH=\"" + locales + "\" LC_ALL=nl_NL.UTF-8"), 0);
  EXPECT_EQ(Uit(), Verwacht(&gemiddelde, geen, ties, ','));
  EXPECT_NE(Uit().find("\t46,2\r\n"), std::string::npos);
}

TEST_F(KzoToolTest, ExitStatus) {
  struct Geval {
    std::string args;
    int status;
    std::string fout;  // part of standard error
  } gevallen[] = {
      {"export \"" + bestand + "\" " + Pad("uit.txt"), 0, ""},
      {"export " + Pad("bestaat-niet.kzo") + " " + Pad("uit.txt"), 1, MeldingTekst(3)},
      {"export " + Pad("kapot.kzo") + " " + Pad("uit.txt"), 1, MeldingTekst(3)},
      {"export " + Pad("oud.kzo") + " " + Pad("uit.txt"), 1, MeldingTekst(2)},
      {"export \"" + bestand + "\"", 2, "Gebruik:"},
      {"export --standing beste \"" + bestand + "\" -", 2, "--standing"},
      {"export --bm 4 \"" + bestand + "\" -", 2, "--bm"},
      {"export --empty vijfje \"" + bestand + "\" -", 2, "--empty"},
      {"export --html --joined - \"" + bestand + "\" -", 2, "--joined"},
      {"export --classes 3 \"" + bestand + "\" -", 2, "--classes"},
      {"export --classes 1,x \"" + bestand + "\" -", 2, "--classes"},
      {"export --standing net --classes 3 \"" + bestand + "\" -", 2, "--classes"},
      {"export --kleur \"" + bestand + "\" -", 2, "--kleur"},
      {"opruimen", 2, "Gebruik:"},
      {"", 2, "Gebruik:"},
      {"export \"" + bestand + "\" " + Pad("geen/map/uit.txt"), 3, "uit.txt"},
      {"export \"" + bestand + "\" /dev/full", 3, "/dev/full"},
      {"resave \"" + bestand + "\" " + Pad("geen/map/uit.kzo"), 3, "uit.kzo"},
  };
  // Damaged: a class count beyond the bytes. Old: version byte 1.
  std::string bytes = Lees(bestand);
  std::ofstream(map / "kapot.kzo", std::ios::binary) << bytes.substr(0, bytes.size() - 100);
  bytes[4] = 1;
  std::ofstream(map / "oud.kzo", std::ios::binary) << bytes;
  for (const auto& g : gevallen) {
    if (g.args.find("/dev/full") != std::string::npos && !fs::exists("/dev/full")) continue;
    EXPECT_EQ(Tool(g.args), g.status) << g.args << "\n" << Fout();
    EXPECT_NE(Fout().find(g.fout), std::string::npos) << g.args << "\n" << Fout();
    if (g.status == 2) {
      EXPECT_EQ(Fout().find("Plaats"), std::string::npos) << "computed first";
    }
  }
  EXPECT_EQ(Tool("--help"), 0);
  for (const char* optie :
       {"--html", "--classes", "--standing", "--bm", "--no-results", "--no-startnr", "--no-club",
        "--no-class", "--no-totals", "--info", "--swap-names", "--zero-empty", "--selected",
        "--empty", "--joined", "--separator", "resave", "info"})
    EXPECT_NE(Uit().find(optie), std::string::npos) << optie;
}

// The net line names the count the standing used, and a tie behind a leader with a dnf
// (whose key is shorter) still reaches standard error.
TEST_F(KzoToolTest, LimitedCountAndTiesBehindADnf) {
  TCompetitie comp = NieuweCompetitie();
  Klasse(comp, "MX1", 4,
         {{"Leider, Jan", "1", {50, 50, 50, UitDnf}},
          {"Jansen, Piet", "12", {47, 47, 45, 45}},
          {"Bakker, Kees", "7", {47, 47, 45, 45}},
          {"Smit, Ab", "3", {41, 41, 41, 41}}});
  Klasse(comp, "Open", 1, {{"Visser, Ria", "5", {41}}, {"Mulder, Jo", "21", {43}}});
  const std::string pad = Bewaar(comp, "dnf.kzo");
  ASSERT_EQ(Tool("export --standing net+gross \"" + pad + "\" -"), 0) << Fout();
  EXPECT_EQ(Fout(), "MX1\tPlaats 2 t/m 3 <!>\n");
  for (const char* regel :
       {"\r\nEr zijn 4 uitslagen. Hiervan zijn de 3 beste uitslagen tellend voor de eindstand\r\n",
        "\r\nEr zijn 1 uitslagen. Hiervan zijn de 1 beste uitslagen tellend voor de eindstand\r\n"})
    EXPECT_NE(Uit().find(regel), std::string::npos) << regel << "\n" << Uit();
}

TEST_F(KzoToolTest, NoCountingResultInTheFirstClass) {
  TCompetitie comp = NieuweCompetitie();
  Klasse(comp, "Leeg", 2, {{"Visser, Ria", "5", {41, 40}}});
  auto info = NulRecord<TUitslagInfo>();
  info.Uitsl[0] = 1;
  info.Uitsl[1] = 2;
  info.Opmerking.Set("afgelast");
  info.Optie = 1;  // does not count
  comp.Tabs[0]->SG.Kolom(comp.Tabs[0]->UitslPos)->SetInfo(info);
  Klasse(comp, "MX1", 1, {{"Jansen, Piet", "12", {50}}});
  const std::string pad = Bewaar(comp, "leeg.kzo");
  EXPECT_EQ(Tool("export --standing net \"" + pad + "\" -"), 1);
  EXPECT_EQ(Fout(), "kzo-tool: " + MeldingTekst(70) + "\n");
  EXPECT_EQ(Uit(), "");
  EXPECT_EQ(Tool("export \"" + pad + "\" -"), 0) << "without a standing it just exports";
}

TEST_F(KzoToolTest, InfoAndResave) {
  ASSERT_EQ(Tool("info \"" + bestand + "\""), 0);
  EXPECT_EQ(Uit(),
            "versie: 0x00010002\nclub: MC Duinrand & Zn\nklassen: 2\n"
            "1\tMX1\t4\t4\n2\tQuad <50cc>\t1\t2\n");

  ASSERT_EQ(Tool("resave \"" + bestand + "\" " + Pad("opnieuw.kzo")), 0) << Fout();
  std::string oud = Lees(bestand), nieuw = Lees(map / "opnieuw.kzo");
  ASSERT_EQ(oud.size(), nieuw.size());
  // Only the save stamp (UpDate, bytes 16..19) differs.
  oud.replace(16, 4, nieuw.substr(16, 4));
  EXPECT_EQ(oud, nieuw);
  EXPECT_FALSE(fs::exists(map / "klein.BAK"));
}

}  // namespace
}  // namespace kzo
