#pragma once

// The fixed-layout records of a competition. The in-memory layout is the file layout
// (little-endian, natural alignment, padding spelled out), so records are read and
// written as raw blocks. Every size and offset is checked below.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "core/records/shortstr.h"

namespace kzo {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

using TColor = std::uint32_t;

// Result values.
inline constexpr std::int16_t UitGeen = -1;
inline constexpr std::int16_t UitX = -2;
inline constexpr std::int16_t UitDns = -3;
inline constexpr std::int16_t UitDnf = -4;
inline constexpr std::int16_t UitDQ = -5;
inline constexpr int MaxUitslagen = 99;
inline constexpr int MaxUitslagenOud = 50;
inline constexpr int MaxRijders = 500;
inline constexpr int MaxKlassen = 20;

struct Tletter {
  ShortStr<31> Name;
  std::int32_t Size;
  TColor Color;
  std::uint8_t Style;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
  std::uint8_t pad41[3];
};

struct TClubInfo {
  std::int32_t IDnummer;
  std::int32_t versie;
  std::uint32_t IDCounter;
  std::int32_t Created;
  std::int32_t UpDate;
  ShortStr<30> Clubnaam;
  std::uint8_t pad51;
  std::int32_t aantalklasse;
  std::uint8_t punttel[11];  // [0] = number of entries, [1..n] points per place
  std::uint8_t RekMethode;
  std::int32_t RekPercentage;
  std::int32_t RekPlus1;
  std::int32_t Schrap;
  std::int32_t RekOptie;
  std::int32_t GemidOptie;
  std::int32_t AlgOptie;
  Tletter Lettertype;
  ShortStr<15> Veldnaam[3];  // [0..2] = fields 1..3
  TColor KolKleur1;
  TColor KolKleur2;
  std::int32_t DisplayInfo;
  TColor SchrKleur;
  std::uint16_t PuntAftrek;
  std::uint8_t MethRek[5][2];  // [step 0..4] = {kind, parameter}
  std::uint8_t RekWarn;
  std::uint8_t pad213[3];
  std::uint32_t MynDpos;
};

struct TKlasseInfo {
  ShortStr<30> Naam;
  std::uint8_t pad31;
  std::int32_t aantalrijders;
  std::int32_t aantalUitslInfo;
  std::int32_t aantaluitslagen;
};

struct TRijderInfo {
  ShortStr<30> Naam;
  ShortStr<5> RijNr;
  std::uint8_t pad37;
  std::int16_t uitslag[MaxUitslagen];  // [0..98] = results 1..99
  ShortStr<40> Extra[3];
  std::uint8_t pad359;
  std::uint32_t IDnum;
  std::uint8_t Optie;  // bit 0 BM, bit 2 selected
  std::uint8_t pad365[3];
};

// The rider record of files without the 99-results bit.
struct TRijderInfoOud {
  ShortStr<30> Naam;
  ShortStr<5> RijNr;
  std::uint8_t pad37;
  std::int16_t uitslag[MaxUitslagenOud];
  ShortStr<40> Extra[3];
  std::uint8_t pad261[3];
  std::uint32_t IDnum;
  std::uint8_t Optie;
  std::uint8_t pad269[3];
};

struct TUitslagInfo {
  ShortStr<9> Datum;  // "yyyymmdd" or empty
  ShortStr<60> Opmerking;
  std::uint8_t pad71;
  std::int32_t Uitsl[2];  // first and last result number of the series
  std::uint8_t Optie;     // bit 0: the series does not count
  std::uint8_t pad81[3];
};

// The print settings block.
struct TInstellingen {
  std::uint16_t OptieA;
  std::uint16_t OptieB;
  std::uint8_t ongebruikt4[2];
  ShortStr<4> LeegTekst;
  ShortStr<4> TussenTekst;
  ShortStr<50> EigenTekst;
  std::uint8_t pad67;
  std::uint16_t Marge[6];  // top, bottom, left, right (mm), line space, field space
  ShortStr<31> LetterNaam;
  std::int32_t LetterGrootte;
  TColor LetterKleur;
  std::uint8_t LetterStijl;
  std::uint8_t pad121[3];
  ShortStr<20> Kolomkop[8];
  std::uint16_t Grijs;
  ShortStr<250> Koptekst;
  ShortStr<250> Eindtekst;
};

// Raw-block records must have no hidden padding and the exact stored size.
template <typename T>
inline constexpr bool IsRawRecord =
    std::is_trivially_copyable_v<T>&& std::has_unique_object_representations_v<T>;

static_assert(sizeof(Tletter) == 44 && IsRawRecord<Tletter>);
static_assert(offsetof(Tletter, Size) == 32 && offsetof(Tletter, Color) == 36 &&
              offsetof(Tletter, Style) == 40);

static_assert(sizeof(TClubInfo) == 220 && IsRawRecord<TClubInfo>);
static_assert(offsetof(TClubInfo, versie) == 4 && offsetof(TClubInfo, IDCounter) == 8 &&
              offsetof(TClubInfo, Created) == 12 && offsetof(TClubInfo, UpDate) == 16 &&
              offsetof(TClubInfo, Clubnaam) == 20 && offsetof(TClubInfo, aantalklasse) == 52 &&
              offsetof(TClubInfo, punttel) == 56 && offsetof(TClubInfo, RekMethode) == 67 &&
              offsetof(TClubInfo, RekPercentage) == 68 && offsetof(TClubInfo, RekPlus1) == 72 &&
              offsetof(TClubInfo, Schrap) == 76 && offsetof(TClubInfo, RekOptie) == 80 &&
              offsetof(TClubInfo, GemidOptie) == 84 && offsetof(TClubInfo, AlgOptie) == 88 &&
              offsetof(TClubInfo, Lettertype) == 92 && offsetof(TClubInfo, Veldnaam) == 136 &&
              offsetof(TClubInfo, KolKleur1) == 184 && offsetof(TClubInfo, KolKleur2) == 188 &&
              offsetof(TClubInfo, DisplayInfo) == 192 && offsetof(TClubInfo, SchrKleur) == 196 &&
              offsetof(TClubInfo, PuntAftrek) == 200 && offsetof(TClubInfo, MethRek) == 202 &&
              offsetof(TClubInfo, RekWarn) == 212 && offsetof(TClubInfo, MynDpos) == 216);

static_assert(sizeof(TKlasseInfo) == 44 && IsRawRecord<TKlasseInfo>);
static_assert(offsetof(TKlasseInfo, aantalrijders) == 32 &&
              offsetof(TKlasseInfo, aantalUitslInfo) == 36 &&
              offsetof(TKlasseInfo, aantaluitslagen) == 40);

static_assert(sizeof(TRijderInfo) == 368 && IsRawRecord<TRijderInfo>);
static_assert(offsetof(TRijderInfo, RijNr) == 31 && offsetof(TRijderInfo, uitslag) == 38 &&
              offsetof(TRijderInfo, Extra) == 236 && offsetof(TRijderInfo, IDnum) == 360 &&
              offsetof(TRijderInfo, Optie) == 364);

static_assert(sizeof(TRijderInfoOud) == 272 && IsRawRecord<TRijderInfoOud>);
static_assert(offsetof(TRijderInfoOud, RijNr) == 31 && offsetof(TRijderInfoOud, uitslag) == 38 &&
              offsetof(TRijderInfoOud, Extra) == 138 && offsetof(TRijderInfoOud, IDnum) == 264 &&
              offsetof(TRijderInfoOud, Optie) == 268);

static_assert(sizeof(TUitslagInfo) == 84 && IsRawRecord<TUitslagInfo>);
static_assert(offsetof(TUitslagInfo, Opmerking) == 10 && offsetof(TUitslagInfo, Uitsl) == 72 &&
              offsetof(TUitslagInfo, Optie) == 80);

static_assert(sizeof(TInstellingen) == 796 && IsRawRecord<TInstellingen>);
static_assert(
    offsetof(TInstellingen, LeegTekst) == 6 && offsetof(TInstellingen, TussenTekst) == 11 &&
    offsetof(TInstellingen, EigenTekst) == 16 && offsetof(TInstellingen, Marge) == 68 &&
    offsetof(TInstellingen, LetterNaam) == 80 && offsetof(TInstellingen, LetterGrootte) == 112 &&
    offsetof(TInstellingen, LetterKleur) == 116 && offsetof(TInstellingen, LetterStijl) == 120 &&
    offsetof(TInstellingen, Kolomkop) == 124 && offsetof(TInstellingen, Grijs) == 292 &&
    offsetof(TInstellingen, Koptekst) == 294 && offsetof(TInstellingen, Eindtekst) == 545);

// A zero-filled record, as every new record starts.
template <typename T>
T NulRecord() {
  static_assert(IsRawRecord<T>);
  T r;
  std::memset(&r, 0, sizeof r);
  return r;
}

}  // namespace kzo
