// Writes the example competition (a fictional club and riders) through the program's own
// file writer. Everything is fixed: the clock, the random seed and the generator, so the
// same program always writes the same bytes.
//
//   kzo-maak-voorbeeld [file]     (default examples/voorbeeld.kzo)
//
// Exit status: 0 written, 1 the file cannot be written, 2 wrong usage.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/file/bestand.h"
#include "core/model/competitie.h"
#include "core/model/mijndata.h"
#include "core/records/datum.h"

namespace kzo {
namespace {

// mt19937's output is the same everywhere; the standard distributions are not.
class TToeval {
 public:
  explicit TToeval(std::uint32_t zaad) : gen_(zaad) {}
  int Tot(int n) { return static_cast<int>(gen_() % static_cast<std::uint32_t>(n)); }
  bool Kans(int procent) { return Tot(100) < procent; }
  template <typename T>
  const T& Kies(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Tot(static_cast<int>(v.size())))];
  }
  template <typename T>
  void Schud(std::vector<T>& v) {
    for (std::size_t i = v.size(); i > 1; --i)
      std::swap(v[i - 1], v[static_cast<std::size_t>(Tot(static_cast<int>(i)))]);
  }

 private:
  std::mt19937 gen_;
};

const std::vector<std::string> kVoornamen = {
    "Bram", "Daan", "Sem",   "Luuk",   "Milan", "Thijs",  "Jesse", "Ruben", "Stijn",
    "Tim",  "Lars", "Niels", "Koen",   "Joris", "Wouter", "Bas",   "Sven",  "Gijs",
    "Teun", "Mees", "Jelle", "Sander", "Rik",   "Floris", "Hidde", "Jurre", "Ties",
    "Guus", "Pim",  "Roel",  "Lotte",  "Sanne", "Femke",  "Iris",  "Noah",  "Finn"};
const std::vector<std::string> kOuderen = {"Henk", "Gerrit", "Kees",  "Jan",   "Wim",
                                           "Ton",  "Harm",   "Dirk",  "Frits", "Ad",
                                           "Rob",  "Hans",   "Peter", "Marco", "Erwin"};
// Family names as typed: the part the list is sorted on first.
struct TAchternaam {
  const char* voorvoegsel;
  const char* naam;
};
const std::vector<TAchternaam> kAchternamen = {
    {"de", "Vries"},  {"", "Jansen"}, {"", "Bakker"},    {"", "Visser"},      {"", "Smit"},
    {"", "Meijer"},   {"de", "Boer"}, {"", "Mulder"},    {"de", "Groot"},     {"", "Bos"},
    {"", "Vos"},      {"", "Peters"}, {"", "Hendriks"},  {"van", "Dijk"},     {"", "Dekker"},
    {"", "Brouwer"},  {"de", "Wit"},  {"", "Dijkstra"},  {"de", "Graaf"},     {"van der", "Meer"},
    {"", "Kok"},      {"", "Jacobs"}, {"", "Vermeulen"}, {"van den", "Berg"}, {"", "Schouten"},
    {"", "Hoekstra"}, {"", "Koster"}, {"", "Prins"},     {"", "Huisman"},     {"", "Kuipers"},
    {"", "Veenstra"}, {"", "Post"},   {"", "Kramer"},    {"van", "Leeuwen"},  {"", "Bosman"},
    {"", "Wolters"}};
const std::vector<std::string> kPlaatsen = {"Zeevliet",    "Heidebergen", "Oosterveen",
                                            "Kiezeldorp",  "Duinwijk",    "Zandwijk",
                                            "Lindenhoeve", "Broekmolen",  "Ravensdal"};
const std::vector<std::string> kSponsors = {
    "Motorhuis Duinwijk", "Transport Ravensdal", "Bakkerij De Korenbloem",
    "Garage Zeevliet",    "Loonbedrijf Kamp",    "Installatie Oosterveen",
    "Autoschade Berkhof", "Hoveniers Het Groen", ""};

struct TRaceDag {
  const char* datum;
  const char* opmerking;
};
const TRaceDag kDagen[] = {
    {"20240407", "Zandcircuit De Kuil, Zeevliet"},
    {"20240428", "Motorcrossterrein Heidebergen"},
    {"20240526", "Crossbaan Het Veenhuis, Oosterveen"},
    {"20240616", "Circuit Duinzicht, Duinwijk"},
    {"20240825", "Crossterrein De Kiezelberg"},
    {"20240922", "Slotwedstrijd, Zeevliet"},
};

struct TKlasseOpzet {
  const char* naam;
  int rijders;
  int uitslagen;  // two motos a race day; an odd count ends with one
  bool jeugd, veteranen;
};

constexpr char kScheiding = '\x04';

std::string Record(int plaats, bool verschoven, const std::string& opmerking) {
  return std::to_string(plaats) + kScheiding + (verschoven ? "1" : "0") + kScheiding +
         EnkeleRegel(opmerking);
}

class TMaker {
 public:
  explicit TMaker(TCompetitie& c) : comp_(c), toeval_(20240922) {}

  TKlasse& Klasse(const TKlasseOpzet& o) {
    auto k = std::make_unique<TKlasse>(o.naam, comp_.Club);
    k->InfoKlasse.aantaluitslagen = o.uitslagen;
    k->SetupSG(comp_.Club);
    k->SG.SetRowCount(o.rijders + 1);
    std::set<std::string> namen;
    std::set<int> nummers;
    for (int r = 1; r <= o.rijders; ++r) {
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = comp_.NieuwID();
      std::string naam;
      do naam = Naam(o, r);
      while (!namen.insert(naam).second);
      rd->Rijder.Naam.Set(naam);
      int nr;
      do nr = 1 + toeval_.Tot(o.jeugd ? 199 : 999);
      while (!nummers.insert(nr).second);
      rd->Rijder.RijNr.Set(std::to_string(nr));
      rd->Rijder.Extra[0].Set(toeval_.Kies(kPlaatsen));
      rd->Rijder.Extra[1].Set(toeval_.Kies(kSponsors));
      if (toeval_.Kans(10)) rd->Rijder.Extra[2].Set("Nieuw dit seizoen");
      k->SG.Rij(r).rijder = std::move(rd);
      k->SG.Rij(r).marker = " ";
      k->SG.Rij(r).positie = std::to_string(r);
    }
    for (int d = 0; 2 * d < o.uitslagen; ++d) {
      auto info = NulRecord<TUitslagInfo>();
      info.Datum.Set(kDagen[d].datum);
      info.Opmerking.Set(kDagen[d].opmerking);
      info.Uitsl[0] = 2 * d + 1;
      info.Uitsl[1] = std::min(2 * d + 2, o.uitslagen);
      k->SG.Kolom(k->UitslKolom(info.Uitsl[0]))->SetInfo(info);
    }
    TKlasse& ref = *k;
    if (comp_.Tabs.size() == 1 && !comp_.Tabs[0])
      comp_.Tabs[0] = std::move(k);
    else
      comp_.Tabs.push_back(std::move(k));
    return ref;
  }

  // Every result as a race: who started, the finishing order, and now and then a DQ,
  // a dnf or a dns with its record. vast1 and vast2 ride every race near the front and
  // take each other's places in every second moto, so that their totals come out equal.
  void Uitslagen(TKlasse& k, int vast1 = 0, int vast2 = 0) {
    const int n = k.SG.RowCount() - 1;
    for (int u = 1; u <= k.InfoKlasse.aantaluitslagen; ++u) {
      std::vector<int> volgorde;
      for (int r = 1; r <= n; ++r) {
        TRijder& rd = *k.Rijder(r);
        if (r == vast1 || r == vast2 || toeval_.Kans(85)) {
          volgorde.push_back(r);
        } else {
          rd.Uitslag(u) = toeval_.Kans(25) ? UitX : UitGeen;  // "x": sent apologies
        }
      }
      toeval_.Schud(volgorde);
      if (vast1 && vast2) NaarVoren(volgorde, vast1, vast2);
      int plaats = 0;
      for (int r : volgorde) {
        TRijder& rd = *k.Rijder(r);
        const bool vrij = r != vast1 && r != vast2;
        const int kans = toeval_.Tot(1000);
        if (vrij && kans < 12) {
          rd.Uitslag(u) = UitDQ;  // places behind it move up one
          comp_.MynData.SetData(rd.Sleutel(), u, Record(plaats + 1, true, toeval_.Kies(kDqReden)));
        } else if (vrij && kans < 30) {
          rd.Uitslag(u) = UitDnf;
          comp_.MynData.SetData(rd.Sleutel(), u, Record(-1, false, toeval_.Kies(kDnfReden)));
        } else if (vrij && kans < 40) {
          rd.Uitslag(u) = UitDns;
          comp_.MynData.SetData(rd.Sleutel(), u, Record(-1, false, toeval_.Kies(kDnsReden)));
        } else {
          rd.Uitslag(u) = static_cast<std::int16_t>(++plaats);
        }
      }
      if (vast1 && vast2 && u % 2 == 0) {
        const std::int16_t doel1 = k.Rijder(vast2)->Uitslag(u - 1);
        const std::int16_t doel2 = k.Rijder(vast1)->Uitslag(u - 1);
        Wissel(k, u, vast1, doel1);
        Wissel(k, u, vast2, doel2);
      }
    }
  }

  TCompetitie& comp_;

 private:
  std::string Naam(const TKlasseOpzet& o, int r) {
    const std::string voornaam =
        o.veteranen && r % 3 != 0 ? toeval_.Kies(kOuderen) : toeval_.Kies(kVoornamen);
    const TAchternaam& a = toeval_.Kies(kAchternamen);
    const std::string vv = a.voorvoegsel;
    // Some typed as "family name, first name"; the grid shows them the other way round.
    if (r % 4 == 0) return (vv.empty() ? "" : vv + " ") + a.naam + ", " + voornaam;
    return voornaam + " " + (vv.empty() ? "" : vv + " ") + a.naam;
  }

  // Puts a and b among the first eight, where every race has a place for them.
  void NaarVoren(std::vector<int>& volgorde, int a, int b) {
    for (int r : {a, b}) {
      volgorde.erase(std::find(volgorde.begin(), volgorde.end(), r));
      volgorde.insert(volgorde.begin() + toeval_.Tot(8), r);
    }
  }

  // Rider r takes place p of result u from whoever has it.
  static void Wissel(TKlasse& k, int u, int r, std::int16_t p) {
    for (int q = 1; q < k.SG.RowCount(); ++q) {
      if (k.Rijder(q)->Uitslag(u) == p) {
        std::swap(k.Rijder(q)->Uitslag(u), k.Rijder(r)->Uitslag(u));
        return;
      }
    }
  }

  TToeval toeval_;
  const std::vector<std::string> kDqReden = {"Afsnijden van de baan", "Valse start",
                                             "Hulp van buitenaf tijdens de manche"};
  const std::vector<std::string> kDnfReden = {"Motorpech", "Ketting gebroken",
                                              "Gevallen in de derde ronde.\r\nPols gekneusd"};
  const std::vector<std::string> kDnsReden = {"Motor niet op tijd klaar",
                                              "Blessure bij de vrije training"};
};

}  // namespace
}  // namespace kzo

namespace {

constexpr const char* kGebruik =
    "Gebruik: kzo-maak-voorbeeld [BESTAND]\n"
    "Schrijft de voorbeeldcompetitie (standaard examples/voorbeeld.kzo).\n"
    "Een bestandsnaam die met \"-\" begint volgt na \"--\".\n";

// The file to write, or none when the arguments were answered already (exit status in
// status): an option is never taken for a file name.
std::optional<std::string> LeesArgumenten(int argc, char** argv, int& status) {
  std::vector<std::string> namen;
  bool opties = true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (opties && a == "--") {
      opties = false;
    } else if (opties && (a == "--help" || a == "-h")) {
      std::fputs(kGebruik, stdout);
      status = 0;
      return std::nullopt;
    } else if (opties && a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "kzo-maak-voorbeeld: onbekende optie %s\n%s", a.c_str(), kGebruik);
      status = 2;
      return std::nullopt;
    } else {
      namen.push_back(a);
    }
  }
  if (namen.size() > 1) {
    std::fprintf(stderr, "kzo-maak-voorbeeld: hoogstens een bestandsnaam\n%s", kGebruik);
    status = 2;
    return std::nullopt;
  }
  return namen.empty() ? std::string("examples/voorbeeld.kzo") : namen.front();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kzo;
  int status = 0;
  const std::optional<std::string> gekozen = LeesArgumenten(argc, argv, status);
  if (!gekozen) return status;
  const std::string& pad = *gekozen;

  TCompetitie comp;
  comp.StandaardInstellingen(NaarStempel({2024, 3, 1, 19, 30, 0}));
  TClubInfo& club = comp.Club;
  club.Clubnaam.Set("MC De Duinrijders Zeevliet");
  static const std::uint8_t kPunten[11] = {10, 25, 22, 20, 18, 16, 15, 14, 13, 12, 11};
  std::copy(std::begin(kPunten), std::end(kPunten), club.punttel);
  club.RekOptie = RekSchrappen | RekMinimaal1Punt;  // drop the two weakest; a finish scores
  club.DisplayInfo = ToonExtraVeld1;                // home town in its own column
  comp.Instellingen.Koptekst.Set("Clubkampioenschap motocross 2024");

  TMaker maker(comp);
  const TKlasseOpzet opzet[] = {
      {"MX1", 32, 12, false, false},
      {"MX2", 28, 12, false, false},
      {"Jeugd 85cc", 18, 10, true, false},
      {"Veteranen", 22, 11, false, true},
  };
  TKlasse& mx1 = maker.Klasse(opzet[0]);
  maker.Uitslagen(mx1);
  TKlasse& mx2 = maker.Klasse(opzet[1]);
  maker.Uitslagen(mx2, 3, 7);
  for (int i = 2; i < 4; ++i) maker.Uitslagen(maker.Klasse(opzet[i]));

  // A guest rider out of competition, and a race day that does not count.
  TRijder& gast = *mx1.Rijder(5);
  gast.Rijder.Optie |= RijderBM;
  gast.Rijder.Extra[2].Set("Gastrijder, rijdt buiten mededinging");
  TUitslagInfo& nacht = *mx1.SG.Kolom(mx1.UitslKolom(5))->info;
  nacht.Opmerking.Set("Avondcross Heidebergen (telt niet mee)");
  nacht.Optie = 1;

  TVasteKlok klok({2024, 9, 22, 21, 15, 0});
  const std::vector<std::uint8_t> bytes = BestandBytes(comp, mx1.SG.Font, klok);
  std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  uit.close();
  if (!uit) {
    std::fprintf(stderr, "kzo-maak-voorbeeld: kan %s niet schrijven\n", pad.c_str());
    return 1;
  }
  std::printf("%s: %zu bytes, %d klassen, %d regels tekst\n", pad.c_str(), bytes.size(),
              comp.AantalKlassen(), comp.MynData.Count());
  return 0;
}
