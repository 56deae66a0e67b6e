#pragma once

// Sort keys, sorting a class, positions and tie lines, and the texts that
// describe how a standing was computed. TRijder.SetSortString and TKlasse.Sorteren /
// SortWarning of the behaviour are free functions taking the rider or class first.

#include <string>
#include <string_view>

#include "core/model/competitie.h"
#include "core/model/klasse.h"
#include "core/scoring/rekencontext.h"

namespace kzo {

// Sort modes beyond the field numbers: columns of an average standing clicked.
inline constexpr int SortNettoGemiddelde = 17;
inline constexpr int SortBrutoWaarde = 18;
inline constexpr int SortGemiddeldeWaarde = 19;

// The keys that put riders without a value last: U+00FF x3 ascending, U+0001 x3
// descending.
inline constexpr std::string_view LeegOplopend = "\xC3\xBF\xC3\xBF\xC3\xBF";
inline constexpr std::string_view LeegAflopend = "\x01\x01\x01";

// The rider's SortStr for mode nr (0-10, 17-19); oplopend selects the empty key.
void SetSortString(TRijder& r, const TRekenContext& ctx, int nr, int un, int max, bool oplopend);

// The key of result un as the result column shows it, with the special keys
// ("501" for 0, 901..905 or -8..-4 for the special values); empty when there is none.
std::string UitslagSleutel(const TRijder& r, const TClubInfo& club, int un, int max);

// Sorts the class: op 0 ascending, other descending, -1 chooses (descending for
// mode >= 3 with AlgOptie bit 6). Modes above 6 fill ctx.Tellend first. With computed
// columns (BN > 0) also writes the positions and, for modes 7, 8 and 10, adds the tie
// lines to ctx.Meldingen when that is set.
void Sorteren(TKlasse& k, const TRekenContext& ctx, int mode, int un, int max, int op);

// Number of characters at the end of a standing key that belong to tie-break steps
// from RekWarn on, by the fixed counts of the behaviour (used as they stand).
int SortWarning(const TClubInfo& club, int mode, int un, int max);

// NettoTekst of the class for a sort in this mode (empty for most modes).
std::string NettoTekstVoor(const TClubInfo& club, int mode, int un, int max);

// The description of how the class on tab index was computed (after a standing).
std::string NettoMethodeTekst(const TCompetitie& comp, int index);

// Replaces the first "#K", "#C", "#A", "#T", "#N" and "#G" in that order.
std::string VulTekstIn(std::string_view tekst, TCompetitie& comp, int index);

}  // namespace kzo
