#pragma once

// Points and net totals. Operations the behaviour calls methods of TRijder are
// free functions taking the rider first (the model cannot depend on scoring).
// PlaatsNaarPunten and PuntenNaarPlaats live in core/records/punten.h.

#include <string>

#include "core/model/klasse.h"
#include "core/model/rijder.h"
#include "core/scoring/rekencontext.h"

namespace kzo {

// Net mode of NettoPunten.
inline constexpr int NetBruto = 0;  // gross standing
inline constexpr int NetNetto = 1;  // net standing
inline constexpr int NetDag = 2;    // gross total in column order (day classification)

// The 507 sentinel: an "x" or a DQ that may not be discarded. It takes a counting slot
// (it sorts above every real value) but adds nothing to a total.
inline constexpr int Sentinel507 = 507;

// The working value of a stored result of a counting column.
int Werkwaarde(int opgeslagen, const TClubInfo& club);

// Step 2 of NettoPunten: v[1..n] in descending order (exactly what the behaviour's Shell
// sort leaves, see netto.cpp).
void SorteerAflopend(int* v, int n);

// Bruto, Netto and the sort key SortStr of the rider: in nine steps.
// aNet = net count, aUitsl = counting results to consider (0 = all), net = NetBruto,
// NetNetto or NetDag. Marks discarded results when DisplayInfo bit 4 is set.
void NettoPunten(TRijder& r, const TRekenContext& ctx, int aNet, int aUitsl, int net);

// Appends one value to the rider's SortStr: "++" for 507 and -5, three digits above
// minvalue up to 500, ".." dnf, "**" dns, "--" x, "##" none, "//" for the rest.
void SortValue(TRijder& r, int aSort, int minvalue);
void SortValue(std::string& sortStr, int aSort, int minvalue);

// Appends the last-result key of result n: "//" for a negative value (and for a result
// number outside 1..99), else the points in three digits.
void SortStrLaatsteUitslag(TRijder& r, const TClubInfo& club, int n);

// An average as a 6-character key text: a / b with one decimal, halves to the even
// neighbour, zeros in front; 0 when b <= 0 or a < 0.
std::string GemiddeldeStr(int a, int b, char decimaal);

// Average standing (mode 9): Bruto = the sum, Netto = the divisor, SortStr = average
// key + divisor.
void Gemiddelde(TRijder& r, const TRekenContext& ctx, int aNet, int aUitsl);

// Day total over results uitsl1..uitsl2 (no Tellend filter; outside 1..99 ignored):
// Netto = total, Bruto = -1, SortStr = total + points of the last result of the range.
void DagKlassement(TRijder& r, const TClubInfo& club, int uitsl1, int uitsl2);

// Takes the BM rider of row out of the finishing order of the other valid riders of
// the grid, then marks it invalid (which with EindOptie bits 4-5 both set clears its
// results).
void BMPlaatsenAanpassen(TTabel& sg, int row, const TClubInfo& club, int eindOptie);

}  // namespace kzo
