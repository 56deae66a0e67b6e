#pragma once

// The option bits of the records, named once. Code tests a bit through these names,
// never through a raw mask.

#include <cstdint>

#include "core/records/records.h"

namespace kzo {

// TClubInfo.RekOptie
inline constexpr std::int32_t RekAfrondenKeuze = 0x0F;   // the rounding choice, 0 up, 1 down
inline constexpr std::int32_t RekAfrondenOmlaag = 0x01;  // percentage rounded down, else up
inline constexpr std::int32_t RekSchrappen = 0x10;  // drop Schrap results, else keep a percentage
inline constexpr std::int32_t RekMinimaal1Punt = 0x20;  // a finished place scores at least 1
inline constexpr std::int32_t RekDQSchrapbaar = 0x40;   // a DQ may be discarded

// TClubInfo.AlgOptie
inline constexpr std::int32_t AlgStatusVeld = 0x0F;      // rider data on the status line, 0..5
inline constexpr std::int32_t AlgNaamAlsGetypt = 0x10;   // clear: names shown through WisselNaam
inline constexpr std::int32_t AlgPlaatsenOpslag = 0x20;  // results stored as finishing places
inline constexpr std::int32_t AlgPuntenWeergave = 0x40;  // with places: typed and shown as points
inline constexpr std::int32_t AlgNulLeeg = 0x80;         // a result of 0 shows empty
inline constexpr std::int32_t AlgVasteKolommen = 0x100;  // name and start number stay fixed

// TClubInfo.DisplayInfo
inline constexpr std::int32_t ToonExtraVeld1 = 0x01;  // bits 0..2: extra field f has a column
inline constexpr std::int32_t ToonJaartal = 0x08;
inline constexpr std::int32_t ToonGeschrapt = 0x10;
inline constexpr std::int32_t GeenReeksKleuren = 0x20;
inline constexpr std::int32_t GeenSchrapKleur = 0x40;
inline constexpr std::int32_t SchrapDoorhalen = 0x80;
inline constexpr std::int32_t NummerVoorNaam = 0x100;

// TRijderInfo.Optie
inline constexpr std::uint8_t RijderBM = 0x01;
inline constexpr std::uint8_t RijderGeselecteerd = 0x04;

// TUitslagInfo.Optie
inline constexpr std::uint8_t ReeksNietTellend = 0x01;

// EindOptie, the option word of the last final-standings computation (not stored)
inline constexpr int EindBrutoNetto = 0x01;  // gross/net standing; clear: average points
inline constexpr int EindNetto = 0x02;       // "&Netto totaal"
inline constexpr int EindBruto = 0x04;       // "&Bruto totaal"
inline constexpr int EindDag = 0x08;         // "Als dagklasse&ment"
inline constexpr int EindBMVeld = 0x30;      // treatment of BM riders, 0..3 (BMKeuze)
inline constexpr int EindAlleKlassen = 0x40;

// The treatment of BM riders: EindOptie bits 4-5.
inline constexpr int BMKeuze(int eindOptie) { return (eindOptie & EindBMVeld) >> 4; }
inline constexpr int BMMetAangepastePlaatsen = 3;  // BM results removed, places moved up

// TCompetitie::Gewijzigd
inline constexpr std::uint8_t GewijzigdData = 0x01;
inline constexpr std::uint8_t GewijzigdClub = 0x02;

// The kinds of a tie-break step, TClubInfo.MethRek[i][0].
enum class TBandSoort : std::uint8_t {
  Niets = 0,  // end of the sequence
  BesteUitslagen = 1,
  AantalPlaatsen = 2,  // parameter: last place counted
  GeschrapteUitslagen = 3,
  LaatsteUitslag = 4,
  LaatstBehaald = 5,
  BrutoPunten = 6,
};

inline constexpr bool Heeft(std::int32_t woord, std::int32_t bit) { return (woord & bit) != 0; }

inline bool SlaatPlaatsenOp(const TClubInfo& c) { return Heeft(c.AlgOptie, AlgPlaatsenOpslag); }
inline bool ToontPunten(const TClubInfo& c) { return Heeft(c.AlgOptie, AlgPuntenWeergave); }
inline bool NaamAlsGetypt(const TClubInfo& c) { return Heeft(c.AlgOptie, AlgNaamAlsGetypt); }
inline bool NulLeeg(const TClubInfo& c) { return Heeft(c.AlgOptie, AlgNulLeeg); }
inline bool VasteKolommen(const TClubInfo& c) { return Heeft(c.AlgOptie, AlgVasteKolommen); }
inline int StatusVeld(const TClubInfo& c) { return c.AlgOptie & AlgStatusVeld; }
inline bool Schrappen(const TClubInfo& c) { return Heeft(c.RekOptie, RekSchrappen); }
inline bool AfrondenOmlaag(const TClubInfo& c) { return Heeft(c.RekOptie, RekAfrondenOmlaag); }
inline bool Minimaal1Punt(const TClubInfo& c) { return Heeft(c.RekOptie, RekMinimaal1Punt); }
inline bool DQSchrapbaar(const TClubInfo& c) { return Heeft(c.RekOptie, RekDQSchrapbaar); }
inline bool ToonJaar(const TClubInfo& c) { return Heeft(c.DisplayInfo, ToonJaartal); }
inline bool ToonExtraVeld(const TClubInfo& c, int f) {
  return f >= 1 && f <= 3 && Heeft(c.DisplayInfo, ToonExtraVeld1 << (f - 1));
}
inline TBandSoort BandSoort(const TClubInfo& c, int stap) {
  return static_cast<TBandSoort>(c.MethRek[stap][0]);
}

}  // namespace kzo
