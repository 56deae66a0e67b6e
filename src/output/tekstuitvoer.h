#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/competitie.h"
#include "core/records/records.h"

namespace kzo {

// Word A of the export choices: file type, classes, field separation.
enum : std::uint16_t {
  UitAAanwezig = 0x0001,  // choices were confirmed before
  UitAHtml = 0x0002,
  UitAHuidigeKlasse = 0x0004,    // "Hui&dige klasse"
  UitAAlleKlassen = 0x0008,      // "Alle k&lassen"
  UitASelectieKlassen = 0x0010,  // "Sele&ctie van klassen:"
  UitATabteken = 0x0020,         // "&Tabteken"
  UitAPuntkomma = 0x0040,        // "&Puntkomma"
  UitAElkVeldRegel = 0x0080,     // "&Elk veld op nieuwe regel"
  UitAKarakter = 0x0100,         // "&Karakter:"
};

// Word B of the export choices: what goes into the file.
enum : std::uint16_t {
  UitBUitslagen = 0x0001,        // "&Uitslagen"
  UitBStartnummer = 0x0002,      // "&Startnummer"
  UitBTotaal = 0x0004,           // "Totaal"
  UitBAantalUitslagen = 0x0008,  // "Aantal uitslagen"
  UitBNulLeeg = 0x0010,          // "Uitslagen met &nul punten = Leeg"
  UitBEenVeld = 0x0020,          // "&Beschouw alle uitslagen als 1 veld"
  UitBGemiddelde = 0x0040,       // "Gemiddelde"
  UitBInformatie = 0x0080,       // "&Informatie uitslagen uitvoeren"
  UitBWisselNaam = 0x0100,       // "&Wissel naam"
  UitBLeegPrint = 0x0200,        // "Uitslag leeg, Print :"
  UitBClubnaam = 0x0400,         // "Clubnaam uitvoeren"
  UitBKlasseNaam = 0x0800,       // "Naam klasse uitvoeren"
  UitBNetto = 0x1000,            // "Netto"
  UitBBruto = 0x2000,            // "Bruto"
};

// The choices of "Uitvoer tekst / HTML bestand", shared by the dialog and kzo-tool.
// The two words and three texts are what the dialog remembers for the program run;
// the class list and the rider subset are chosen anew every time.
struct TTekstUitOpties {
  std::uint16_t WoordA = UitAHuidigeKlasse | UitATabteken;
  std::uint16_t WoordB = UitBUitslagen | UitBStartnummer | UitBClubnaam | UitBKlasseNaam;
  std::string LeegTekst = "--";     // printed for an empty result (at most 4 characters)
  std::string TussenTekst = "-";    // between the results of the joined field
  std::string KarakterTekst = " ";  // the separator of "&Karakter:"

  std::vector<int> Klassen;  // tab indexes checked under "Sele&ctie van klassen:"
  bool AlleenGeselecteerd = false;

  bool Html() const { return (WoordA & UitAHtml) != 0; }
  bool A(std::uint16_t bit) const { return (WoordA & bit) != 0; }
  bool B(std::uint16_t bit) const { return (WoordB & bit) != 0; }
};

// Which total columns the classes have, so which total choices the dialog enables.
struct TTotaalKeuzes {
  bool Netto = false;
  bool Bruto = false;
  bool Gemiddelde = false;  // "Totaal", "Aantal uitslagen" and "Gemiddelde"
};
TTotaalKeuzes TotaalKeuzes(const TCompetitie& comp);

// The choices the dialog opens with: its defaults, or the remembered choices when
// onthouden has word A bit 0; total choices only where a class has those columns.
TTekstUitOpties OptiesBijOpenen(const TCompetitie& comp, const TTekstUitOpties& onthouden);
// What the dialog keeps after "&Ok": both words (word A bit 0 set) and the texts cut
// to 15 characters.
TTekstUitOpties OptiesOnthouden(const TTekstUitOpties& gekozen);

// The file name the export writes: the extension becomes ".html" or ".txt".
std::string UitvoerBestandsnaam(std::string_view naam, bool html);

// The tab indexes the export writes, in tab order; tabs without a class are left out.
std::vector<int> UitTeVoerenKlassen(const TCompetitie& comp, const TTekstUitOpties& o);

// Receives the bytes of an export piece by piece; false stops it (a write error).
using TUitvoerDoel = std::function<bool(std::string_view)>;

// The export (Windows-1252, CR LF). decimaal is the user's decimal separator for
// averages. Of the written classes only what the grid derives is brought up to date
// (the result-column colours of ReeksKleuren, the record's counts); no data
// changes. False when doel failed.
bool TekstUitvoer(TCompetitie& comp, const TTekstUitOpties& o, char decimaal,
                  const TUitvoerDoel& doel);
// All bytes at once.
std::string TekstUitvoer(TCompetitie& comp, const TTekstUitOpties& o, char decimaal);

enum class TSchrijfUitkomst { Goed, NietAangemaakt, SchrijfFout };
// Writes the export to exactly that path (the dialog first applies UitvoerBestandsnaam).
TSchrijfUitkomst SchrijfTekstUitvoer(const std::string& pad, TCompetitie& comp,
                                     const TTekstUitOpties& o, char decimaal);

// The lines of the result information of a class, one per series.
std::vector<std::string> InformatieRegels(const TKlasse& k, const TClubInfo& club);

// An RGB colour as six upper-case hexadecimal digits, system colours through the
// Windows 10 defaults; "FFFFFF" for a value that is no colour.
std::string KleurHex(TColor kleur);
std::uint32_t SysteemKleurRGB(int index);

// HTML-escapes &, <, > and ".
std::string HtmlTekst(std::string_view s);

}  // namespace kzo
