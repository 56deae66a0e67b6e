// kzo-tool: publishes standings from scripts, without the window.
//
//   kzo-tool export [options] COMPETITION.kzo OUTPUT
//   kzo-tool resave IN.kzo OUT.kzo
//   kzo-tool info IN.kzo
//
// Exit status: 0 done, 1 the competition cannot be read, 2 wrong usage, 3 the output
// cannot be written.

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/bestand.h"
#include "core/file/meldingen.h"
#include "core/records/datum.h"
#include "core/scoring/eindstand.h"
#include "core/scoring/meldlijst.h"
#include "output/tekstuitvoer.h"
#include "platform/qtbestandsopslag.h"

namespace kzo {
namespace {

enum TStatus { Klaar = 0, NietGelezen = 1, VerkeerdGebruik = 2, NietGeschreven = 3 };

constexpr const char* kGebruik =
    "Gebruik:\n"
    "  kzo-tool export [opties] COMPETITIE.kzo UITVOER   (UITVOER \"-\" = standaarduitvoer)\n"
    "  kzo-tool resave IN.kzo UIT.kzo                    opnieuw bewaren in het huidige formaat\n"
    "  kzo-tool info IN.kzo                              versie, club en klassen\n"
    "  kzo-tool --help\n";

constexpr const char* kHulp =
    "\n"
    "Opties van export:\n"
    "  --html                     HTML-pagina (standaard: tekstbestand)\n"
    "  --classes all|current|LIJST  alle klassen, de eerste klasse, of tabnummers \"1,3\"\n"
    "                             (standaard all)\n"
    "  --standing none|net|gross|net+gross|day|average\n"
    "                             eerst de eindstanden van alle klassen berekenen: netto,\n"
    "                             bruto, beide, bruto als dagklassement of gemiddelde\n"
    "                             (standaard none: de klassen zoals ze in het bestand staan)\n"
    "  --bm 0|1|2|3               rijders buitenmededinging: normaal klasseren, geen\n"
    "                             eindklassing, geen bruto/netto punten, geen uitslagen +\n"
    "                             rest aanpassen (standaard 1)\n"
    "  --no-results --no-startnr  zonder uitslagen, zonder startnummer\n"
    "  --no-club --no-class       zonder clubnaam, zonder klassenaam in de titelregel\n"
    "  --no-totals                zonder de berekende kolommen\n"
    "  --info                     informatie uitslagen uitvoeren\n"
    "  --swap-names | --no-swap-names   naam wisselen (standaard zoals in het bestand)\n"
    "  --zero-empty | --no-zero-empty   uitslagen met nul punten leeg (idem)\n"
    "  --selected                 alleen geselecteerde rijders\n"
    "  --empty TEKST              tekst voor een lege uitslag (hoogstens 4 tekens)\n"
    "  --joined TEKST             alle uitslagen als 1 veld, met TEKST ertussen (alleen tekst)\n"
    "  --separator tab|semicolon|newline|char:TEKST   velden scheiden (alleen tekst,\n"
    "                             standaard tab)\n"
    "\n"
    "Met --standing gaat elke onopgeloste gelijke stand als regel naar standaardfout.\n"
    "Afloopstatus: 0 klaar, 1 competitie niet te lezen, 2 verkeerd gebruik,\n"
    "3 uitvoer niet te schrijven.\n";

void Meld(const std::string& tekst) { std::fprintf(stderr, "kzo-tool: %s\n", tekst.c_str()); }

int Gebruiksfout(const std::string& tekst) {
  Meld(tekst);
  std::fputs(kGebruik, stderr);
  return VerkeerdGebruik;
}

// What "export" was asked to do.
struct TExportOpdracht {
  std::string invoer, uitvoer;
  bool html = false;
  std::string klassen = "all";
  std::optional<int> eindOptie;  // the standings dialog's choices, none = no computation
  int bm = 1;
  std::uint16_t bUit = 0, bAan = 0;  // word B bits switched off and on
  bool geenTotalen = false;
  bool geselecteerd = false;
  std::optional<std::string> leeg, samen, scheiding;
};

std::optional<int> StandKeuze(std::string_view s) {
  if (s == "none") return -1;
  if (s == "net") return EindBrutoNetto | EindNetto;
  if (s == "gross") return EindBrutoNetto | EindBruto;
  if (s == "net+gross") return EindBrutoNetto | EindNetto | EindBruto;
  if (s == "day") return EindBrutoNetto | EindBruto | EindDag;
  if (s == "average") return EindNetto | EindBruto;
  return std::nullopt;
}

std::size_t AantalTekens(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The options that switch one word B choice off or on; the last one given wins.
struct TVlag {
  const char* naam;
  std::uint16_t uit, aan;
};
constexpr TVlag kVlaggen[] = {
    {"--no-results", UitBUitslagen, 0},     {"--no-startnr", UitBStartnummer, 0},
    {"--no-club", UitBClubnaam, 0},         {"--no-class", UitBKlasseNaam, 0},
    {"--info", 0, UitBInformatie},          {"--swap-names", 0, UitBWisselNaam},
    {"--no-swap-names", UitBWisselNaam, 0}, {"--zero-empty", 0, UitBNulLeeg},
    {"--no-zero-empty", UitBNulLeeg, 0},
};

bool IsScheiding(const std::string& w) {
  return w == "tab" || w == "semicolon" || w == "newline" || w.rfind("char:", 0) == 0;
}

// Reads the arguments of "export"; an empty text means they are fine.
std::string LeesExportArgumenten(const std::vector<std::string>& args, TExportOpdracht& op) {
  std::vector<std::string> vrij;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string w;
    const bool heeftWaarde = i + 1 < args.size();
    if (heeftWaarde) w = args[i + 1];
    auto neem = [&] { return heeftWaarde ? (++i, true) : false; };
    const auto vlag = std::find_if(std::begin(kVlaggen), std::end(kVlaggen),
                                   [&](const TVlag& v) { return a == v.naam; });
    if (vlag != std::end(kVlaggen)) {
      op.bUit = static_cast<std::uint16_t>((op.bUit | vlag->uit) & ~vlag->aan);
      op.bAan = static_cast<std::uint16_t>((op.bAan | vlag->aan) & ~vlag->uit);
    } else if (a == "--html") {
      op.html = true;
    } else if (a == "--no-totals") {
      op.geenTotalen = true;
    } else if (a == "--selected") {
      op.geselecteerd = true;
    } else if (a == "--classes") {
      if (!neem()) return "--classes verwacht all, current of een lijst";
      op.klassen = w;
    } else if (a == "--standing") {
      if (!neem() || !StandKeuze(w))
        return "--standing verwacht none, net, gross, net+gross, day of average";
      const int k = *StandKeuze(w);
      op.eindOptie = k < 0 ? std::nullopt : std::optional<int>(k);
    } else if (a == "--bm") {
      if (!neem() || w.size() != 1 || w[0] < '0' || w[0] > '3') return "--bm verwacht 0, 1, 2 of 3";
      op.bm = w[0] - '0';
    } else if (a == "--empty") {
      if (!neem() || AantalTekens(w) > 4)
        return "--empty verwacht een tekst van hoogstens 4 tekens";
      op.leeg = w;
    } else if (a == "--joined") {
      if (!neem()) return "--joined verwacht een tekst";
      op.samen = w;
    } else if (a == "--separator") {
      if (!neem() || !IsScheiding(w))
        return "--separator verwacht tab, semicolon, newline of char:TEKST";
      op.scheiding = w;
    } else if (a.size() > 1 && a[0] == '-') {
      return "onbekende optie " + a;
    } else {
      vrij.push_back(a);
    }
  }
  if (vrij.size() != 2) return "export verwacht COMPETITIE en UITVOER";
  if (op.html && (op.samen || op.scheiding)) return "--joined en --separator horen bij tekst";
  op.invoer = vrij[0];
  op.uitvoer = vrij[1];
  return {};
}

// The user's decimal separator, as the program shows averages.
char Decimaal() {
  std::setlocale(LC_NUMERIC, "");
  const std::lconv* lc = std::localeconv();
  return lc && lc->decimal_point && lc->decimal_point[0] ? lc->decimal_point[0] : '.';
}

bool Laad(const std::string& naam, TCompetitie& comp) {
  TQtBestandsOpslag opslag;
  std::vector<std::uint8_t> bytes;
  TLaadUitslag r{false, 3};
  if (!opslag.LeesBestand(naam, kMaxBestandGrootte, bytes)) r = BestandLaden(comp, bytes);
  if (r.ok) {
    comp.Bestandsnaam = naam;
    comp.ActieveTab = 0;
    return true;
  }
  Meld(naam + ": " + MeldingTekst(r.melding ? r.melding : 3));
  return false;
}

// The tab indexes of "1,3"; none when the list is no list of existing tabs.
std::optional<std::vector<int>> TabLijst(const std::string& lijst, const TCompetitie& comp) {
  std::vector<int> tabs;
  std::size_t begin = 0;
  while (begin <= lijst.size()) {
    const std::size_t eind = std::min(lijst.find(',', begin), lijst.size());
    const std::string deel = lijst.substr(begin, eind - begin);
    if (deel.empty() || deel.size() > 3 ||
        deel.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    const int tab = std::stoi(deel) - 1;
    if (tab < 0 || tab >= static_cast<int>(comp.Tabs.size())) return std::nullopt;
    tabs.push_back(tab);
    begin = eind + 1;
  }
  return tabs;
}

// The choices of the export dialog for this run.
TTekstUitOpties Opties(const TExportOpdracht& op, const TCompetitie& comp) {
  TTekstUitOpties o = OptiesBijOpenen(comp, TTekstUitOpties{});
  std::uint16_t a = o.WoordA & ~(UitAHuidigeKlasse | UitAAlleKlassen | UitASelectieKlassen);
  if (op.klassen == "all") {
    a |= UitAAlleKlassen;
  } else if (op.klassen == "current") {
    a |= UitAHuidigeKlasse;
  } else {
    a |= UitASelectieKlassen;
    o.Klassen = TabLijst(op.klassen, comp).value_or(std::vector<int>{});
  }
  if (op.html) a |= UitAHtml;
  std::uint16_t b = static_cast<std::uint16_t>((o.WoordB & ~op.bUit) | op.bAan);
  if (op.geenTotalen)
    b &= ~(UitBNetto | UitBBruto | UitBTotaal | UitBAantalUitslagen | UitBGemiddelde);
  if (op.leeg) {
    b |= UitBLeegPrint;
    o.LeegTekst = *op.leeg;
  }
  if (op.samen) {
    b |= UitBEenVeld;
    o.TussenTekst = *op.samen;
  }
  if (op.scheiding) {
    a &= ~(UitATabteken | UitAPuntkomma | UitAElkVeldRegel | UitAKarakter);
    const std::string& s = *op.scheiding;
    if (s == "tab") {
      a |= UitATabteken;
    } else if (s == "semicolon") {
      a |= UitAPuntkomma;
    } else if (s == "newline") {
      a |= UitAElkVeldRegel;
    } else {
      a |= UitAKarakter;
      o.KarakterTekst = s.substr(5);
    }
  }
  o.WoordA = a;
  o.WoordB = b;
  o.AlleenGeselecteerd = op.geselecteerd;
  return o;
}

// The standings dialog with "Alle klassen"; tie lines go to standard error.
bool Eindstanden(TCompetitie& comp, int keuze, int bm, char decimaal) {
  TKlasse* eerste = comp.Tabs.empty() ? nullptr : comp.Tabs[0].get();
  if (!eerste || eerste->AantalUitslagen() < 1) {
    Meld(MeldingTekst(70));
    return false;
  }
  TRekenStaat staat;
  const TEindKeuze eind = EindKeuzeVan(keuze | ((bm << 4) & EindBMVeld) | EindAlleKlassen);
  TMeldLijst lijst;
  BerekenEindstanden(comp, staat, eind, NettoAantal(eerste, comp.Club), decimaal, &lijst);
  for (const auto& r : lijst.Regels()) std::fprintf(stderr, "%s\n", r.Tekst.c_str());
  return true;
}

bool NaarStandaardUitvoer(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

int StandaardUitvoerKlaar(bool goed) {
  if (std::fflush(stdout) == 0 && goed) return Klaar;
  Meld("standaarduitvoer: schrijven mislukt");
  return NietGeschreven;
}

int Schrijf(const std::string& uitvoer, TCompetitie& comp, const TTekstUitOpties& o,
            char decimaal) {
  if (uitvoer == "-")
    return StandaardUitvoerKlaar(TekstUitvoer(comp, o, decimaal, NaarStandaardUitvoer));
  switch (SchrijfTekstUitvoer(uitvoer, comp, o, decimaal)) {
    case TSchrijfUitkomst::Goed:
      return Klaar;
    case TSchrijfUitkomst::NietAangemaakt:
      Meld(uitvoer + ": kan het bestand niet aanmaken");
      return NietGeschreven;
    case TSchrijfUitkomst::SchrijfFout:
      break;
  }
  Meld(uitvoer + ": schrijven mislukt");
  return NietGeschreven;
}

int Export(const std::vector<std::string>& args) {
  TExportOpdracht op;
  if (std::string fout = LeesExportArgumenten(args, op); !fout.empty()) return Gebruiksfout(fout);
  const char decimaal = Decimaal();
  TCompetitie comp;
  if (!Laad(op.invoer, comp)) return NietGelezen;
  // The class list is checked before anything is computed.
  if (op.klassen != "all" && op.klassen != "current" && !TabLijst(op.klassen, comp))
    return Gebruiksfout("--classes: geen klasse " + op.klassen);
  if (op.eindOptie && !Eindstanden(comp, *op.eindOptie, op.bm, decimaal)) return NietGelezen;
  // The total choices follow the columns the standings just made, as in the dialog.
  const TTekstUitOpties o = Opties(op, comp);
  return Schrijf(op.uitvoer, comp, o, decimaal);
}

int Resave(const std::vector<std::string>& args) {
  if (args.size() != 2) return Gebruiksfout("resave verwacht IN.kzo en UIT.kzo");
  TCompetitie comp;
  if (!Laad(args[0], comp)) return NietGelezen;
  TQtBestandsOpslag opslag;
  TGeheugenInstellingen instellingen;  // the program's own settings stay untouched
  TSysteemKlok klok;
  const Tletter letter = comp.Club.Lettertype;
  if (TFout f = BestandBewaren(comp, args[1], letter, klok, opslag, instellingen)) {
    Meld(args[1] + ": " + *f);
    return NietGeschreven;
  }
  return Klaar;
}

int Info(const std::vector<std::string>& args) {
  if (args.size() != 1) return Gebruiksfout("info verwacht IN.kzo");
  TCompetitie comp;
  if (!Laad(args[0], comp)) return NietGelezen;
  std::string uit;
  char buf[32];
  std::snprintf(buf, sizeof buf, "versie: 0x%08X\n", static_cast<unsigned>(comp.Club.versie));
  uit += buf;
  uit += "club: " + comp.Club.Clubnaam.Get() + "\n";
  uit += "klassen: " + std::to_string(comp.AantalKlassen()) + "\n";
  for (std::size_t t = 0; t < comp.Tabs.size(); ++t) {
    TKlasse* k = comp.Tabs[t].get();
    if (!k) continue;
    int rijders = 0;
    for (int r = 1; r < k->SG.RowCount(); ++r)
      if (k->Rijder(r)) ++rijders;
    uit += std::to_string(t + 1) + "\t" + k->Naam() + "\t" + std::to_string(rijders) + "\t" +
           std::to_string(k->NR_Uit()) + "\n";
  }
  return StandaardUitvoerKlaar(NaarStandaardUitvoer(uit));
}

int Hoofd(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Gebruiksfout("geen opdracht");
  const std::string opdracht = args.front();
  args.erase(args.begin());
  if (opdracht == "--help" || opdracht == "-h" || opdracht == "help" ||
      std::find(args.begin(), args.end(), "--help") != args.end()) {
    std::fputs(kGebruik, stdout);
    std::fputs(kHulp, stdout);
    return Klaar;
  }
  if (opdracht == "export") return Export(args);
  if (opdracht == "resave") return Resave(args);
  if (opdracht == "info") return Info(args);
  return Gebruiksfout("onbekende opdracht " + opdracht);
}

}  // namespace
}  // namespace kzo

int main(int argc, char** argv) { return kzo::Hoofd(argc, argv); }
