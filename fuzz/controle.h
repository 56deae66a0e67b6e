#pragma once

// What every reader of outside bytes must do with any input: give the program's own
// answer and leave a competition that saves and reads back. Used by the fuzz harnesses
// (which abort on a problem) and by the replay test.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/file/aanvul.h"
#include "core/file/bestand.h"
#include "core/records/datum.h"

namespace kzo::fuzz {

inline const TVasteKlok& Klok() {
  static const TVasteKlok klok({2024, 6, 1, 12, 0, 0});
  return klok;
}

inline std::vector<std::uint8_t> Bewaar(TCompetitie& c) {
  return BestandBytes(c, c.Club.Lettertype, Klok());
}

// Reads a file as the open command does. Empty when all is well.
inline std::string ControleerBestand(std::span<const std::uint8_t> data) {
  TCompetitie c;
  c.Bestandsnaam = "/d/vorige.kzo";
  c.MarkeerGewijzigd(1);
  const TLaadUitslag u = BestandLaden(c, data);
  if (c.Tabs.empty() || c.AantalKlassen() > MaxKlassen) return "tabs out of range";
  if (c.Gewijzigd() != 0 || !c.Bestandsnaam.empty()) return "modified flag or name left set";
  if (!u.ok) return u.melding == 2 || u.melding == 3 ? "" : "no message for a failure";
  if (u.melding != 0) return "message for a success";
  // What was read saves and reads back, and after one round the bytes stay the same.
  auto b1 = Bewaar(c);
  TCompetitie c2;
  if (!BestandLaden(c2, b1).ok) return "a saved file does not read back";
  auto b2 = Bewaar(c2);
  if (b2.size() != b1.size()) return "a second save changed size";
  TCompetitie c3;
  if (!BestandLaden(c3, b2).ok) return "a second saved file does not read back";
  if (Bewaar(c3) != b2) return "saving is not stable";
  return {};
}

inline int Rijders(const TCompetitie& c) {
  int n = 0;
  for (const auto& k : c.Tabs)
    if (k) n += k->InfoKlasse.aantalrijders;
  return n;
}

// Reads a file as adding classes does: list mode, then add mode with the given choice.
inline std::string ControleerAanvul(std::span<const std::uint8_t> data, bool alleen_oneven) {
  const TAanvulUitslag lijst = Lees(data);
  if (lijst.gelukt != 0 && lijst.gelukt != 99) return "unknown code in list mode";
  if (lijst.gelukt && !lijst.Klassen.empty()) return "names for an unusable file";

  TCompetitie doel;
  doel.StandaardInstellingen(0);
  doel.Club.AlgOptie |= 0x100;
  doel.Club.IDCounter = 0xFFFFFFF0u;  // identities wrap around without harm
  doel.Tabs[0] = std::make_unique<TKlasse>("Eigen", doel.Club);
  std::vector<bool> aan(lijst.Klassen.size());
  for (std::size_t i = 0; i < aan.size(); ++i) aan[i] = !alleen_oneven || i % 2 == 1;

  const TAanvulUitslag toe = Lees(data, doel, aan);
  if (toe.gelukt != lijst.gelukt) return "list and add mode disagree on the file";
  if (lijst.leesFout && !toe.leesFout) return "add mode read what list mode could not";
  if (doel.AantalKlassen() != 1 + toe.Toegevoegd || doel.AantalKlassen() > MaxKlassen)
    return "classes added do not match the count";
  if (doel.Club.IDCounter - 0xFFFFFFF0u != static_cast<std::uint32_t>(Rijders(doel)))
    return "every new rider takes one identity";
  if (toe.Toegevoegd > 0 && !(doel.Gewijzigd() & 1)) return "adding did not mark the change";
  TCompetitie terug;
  if (!BestandLaden(terug, Bewaar(doel)).ok) return "the result does not save and read back";
  return {};
}

}  // namespace kzo::fuzz
