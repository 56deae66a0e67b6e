#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kzo {

struct TDatumTijd {
  int jaar = 1980, maand = 1, dag = 1, uur = 0, minuut = 0, seconde = 0;
};

// Where "now" comes from; tests set a fixed one.
class TKlok {
 public:
  virtual ~TKlok() = default;
  virtual TDatumTijd Nu() const = 0;
};

class TSysteemKlok final : public TKlok {
 public:
  TDatumTijd Nu() const override;
};

class TVasteKlok final : public TKlok {
 public:
  explicit TVasteKlok(TDatumTijd t) : t_(t) {}
  TDatumTijd Nu() const override { return t_; }
  void Zet(TDatumTijd t) { t_ = t; }

 private:
  TDatumTijd t_;
};

// The packed date-time stamp: date in the high 16 bits (years since 1980, month, day),
// time in the low 16 bits (hours, minutes, seconds / 2).
std::int32_t NaarStempel(const TDatumTijd& t);
TDatumTijd UitStempel(std::int32_t stempel);
std::int32_t DatumNu(const TKlok& klok);

// Date order: 0 day-month-year, 1 month-day-year, 2 year-month-day.
struct TDatum {
  int dag = 0, maand = 0, jaar = 0;
};
TDatum LeesDatum(std::string_view tekst, int volgorde);
void VulDatumAan(int vlaggen, TDatum& d, const TKlok& klok);
// The stored form of a complete date ("yyyymmdd"); empty when a part is missing.
std::string DatumOpslag(const TDatum& d);
std::string DatumTekst(std::string_view opgeslagen, int volgorde, bool maandnamen, bool metJaar);
std::string BestandsDatumTekst(std::int32_t stempel, int volgorde, bool metTijd);

}  // namespace kzo
