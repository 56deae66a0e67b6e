#pragma once

#include <cstdint>
#include <string>

#include "core/records/records.h"

namespace kzo {

// The defaults of a new competition: header and print settings block.
void StandaardInstellingen(TClubInfo& club, TInstellingen& inst, std::int32_t nu);
void StandaardClubInfo(TClubInfo& club, std::int32_t nu);
void StandaardPrintInstellingen(TInstellingen& inst);

// Tie-break presets 0..2 set a fixed sequence and RekWarn; 3 and above change nothing.
void MethodeVoorkeur(TClubInfo& club, int preset);

// The description of an average kind (GemidOptie 0..3); empty for any other value.
std::string GemiddeldeTekst(int gemidOptie);

// Systeem colours are stored as 0xFF0000nn.
inline constexpr TColor SysteemKleur(int index) { return 0xFF000000u | static_cast<TColor>(index); }
inline constexpr TColor clWindow = SysteemKleur(5);

}  // namespace kzo
