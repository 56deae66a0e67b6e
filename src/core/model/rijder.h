#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/opties.h"
#include "core/records/records.h"

namespace kzo {

// Tellend[r] = 1: result number r (1..99) counts in the computation under way.
using TTellend = std::array<std::uint8_t, MaxUitslagen + 1>;

// Field numbers: the rider's fields, the column kinds and the sort modes.
enum TVeld : int {
  VeldNaam = 1,
  VeldStartnr = 2,
  VeldUitslag = 3,
  VeldExtra1 = 4,
  VeldExtra2 = 5,
  VeldExtra3 = 6,
  VeldNetto = 7,
  VeldBruto = 8,
  VeldGemiddelde = 9,
  VeldDag = 10,
};

// A rider of a class: the stored record plus the working values of a computation.
class TRijder {
 public:
  TRijder();
  explicit TRijder(const TRijderInfo& info) : TRijder() { Rijder = info; }

  TRijderInfo Rijder;
  std::string SortStr;
  int Netto = 0;
  int Bruto = 0;
  std::int16_t SaveUitslag[MaxUitslagen];
  static constexpr int Opgeslagen = 1, Ongeldig = 2;  // SaveUitOptie
  int SaveUitOptie = 0;                               // a copy is saved; not valid for the standing

  bool GeldigeRijder() const { return (SaveUitOptie & Ongeldig) == 0; }
  bool SavedUitslagen() const { return (SaveUitOptie & Opgeslagen) != 0; }
  void SetOnGeldigeRijder(bool g, int eindOptie);
  void SaveUitslagen();
  void RestoreUitslagen();
  void ResetUitslagen();
  void SetUnused(std::int16_t u, const TTellend& tellend);
  bool Unused(int u) const;
  int Uwaarde(int u) const;
  void DelSortStr() { SortStr.clear(); }
  bool IsLeeg() const;
  bool BM() const { return (Rijder.Optie & RijderBM) != 0; }
  bool Geselecteerd() const { return (Rijder.Optie & RijderGeselecteerd) != 0; }

  // Result r (1..99); no checks beyond the range.
  std::int16_t& Uitslag(int r) { return Rijder.uitslag[r - 1]; }
  std::int16_t Uitslag(int r) const { return Rijder.uitslag[r - 1]; }

  // The text of field nr (result number un for results) as the grid shows it.
  // decimaal is the user's decimal separator for the average.
  std::string VeldStr(int nr, int un, const TClubInfo& club, char decimaal) const;
  void SetVeld(std::string_view s, int nr, int un, const TClubInfo& club);

  std::string Sleutel() const;
};

// The unmarked value of a stored result value.
inline int Onbemerkt(int v) { return v > 500 ? v - 1000 : v; }

int StrNaarUitslag(std::string_view s);
std::string GetalNaarStr(int i, const TClubInfo& club);
std::string WisselNaam(std::string_view s);
bool HeeftUitslag(const TRijderInfo& r);
// "R" and the identity as 8 upper-case hexadecimal digits.
std::string RijderSleutel(std::uint32_t idnum);
// Bruto / Netto with one decimal, halves to the even neighbour; empty when bruto < 0.
std::string GemiddeldeTekst1(int bruto, int netto, char decimaal);

}  // namespace kzo
