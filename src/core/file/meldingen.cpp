#include "core/file/meldingen.h"

namespace kzo {

namespace {

const char* VasteTekst(std::uint32_t nr) {
  switch (nr) {
    case 2:
      return "Versie incorrect of bestand is beschadigd!";
    case 3:
      return "Kan bestand niet openen!";
    case 20:
      return "Ongeldig(e) startnummer(s) (meer dan 5 karakters)!";
    case 21:
      return "Geen startnummers opgeven!";
    case 22:
      return "Er komen dubbele startnummers voor!";
    case 23:
      return "Ongeldige startnummers (geen nummers opgegeven)!";
    case 24:
      return "Ongeldige uitslagnummer opgegeven!";
    case 50:
      return "De waarde van een uitslag moet tussen de 0 en 500 liggen!";
    case 51:
      return "Geen geldige uitslag waarde!";
    case 52:
      return "Een lagere uitslag moet minder punten\nkrijgen als een hogere uitslag!";
    case 53:
      return "Een hogere uitslag moet meer punten\nkrijgen als een lagere uitslag!";
    case 60:
      return "Het maximum aantal uitslagen is bereikt.";
    case 70:
      return "Er zijn geen tellende uitslagen voor berekeningen.";
    case 80:
      return "Gegevensbestanden niet gevonden !";
    case 99:
      return "Opslag methode uitslagen niet als \"Finish volgorde\" ingesteld!";
    case 510:
      return "Geen fouten gevonden.";
    case 525:
      return "Minder dan een derde van de rijders heeft een startnummer.\n"
             "Voor deze functie zijn startnummers nodig!";
    default:
      return nullptr;
  }
}

}  // namespace

std::string MeldingTekst(std::uint32_t code) {
  std::uint32_t nr = code & 0xFFFF;
  std::string positie = std::to_string(code >> 16);
  if (nr == 250) return "Deze naam komt al voor op positie: " + positie;
  if (nr == 251) return "Dit startnummer komt al voor op positie: " + positie;
  if (const char* tekst = VasteTekst(nr)) return tekst;
  return "Fout nr.: " + std::to_string(code);
}

bool IsWaarschuwing(std::uint32_t code) { return (code & 0xFFFF) <= 500; }

}  // namespace kzo
