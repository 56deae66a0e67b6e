#include "core/records/datum.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "core/records/getal.h"

namespace kzo {

namespace {

// The local time of t; std::localtime itself shares one buffer between all callers.
// Windows has localtime_s (arguments the other way round), POSIX localtime_r.
bool LokaleTijd(std::time_t t, std::tm& tm) {
#if defined(_WIN32)
  return localtime_s(&tm, &t) == 0;
#else
  return localtime_r(&t, &tm) != nullptr;
#endif
}

}  // namespace

TDatumTijd TSysteemKlok::Nu() const {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
  if (!LokaleTijd(t, tm)) return {};
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int32_t NaarStempel(const TDatumTijd& t) {
  auto datum = static_cast<std::uint32_t>(((t.jaar - 1980) & 0x7F) << 9 | (t.maand & 0x0F) << 5 |
                                          (t.dag & 0x1F));
  auto tijd = static_cast<std::uint32_t>((t.uur & 0x1F) << 11 | (t.minuut & 0x3F) << 5 |
                                         ((t.seconde / 2) & 0x1F));
  return static_cast<std::int32_t>(datum << 16 | tijd);
}

TDatumTijd UitStempel(std::int32_t stempel) {
  auto s = static_cast<std::uint32_t>(stempel);
  std::uint32_t datum = s >> 16, tijd = s & 0xFFFF;
  return {static_cast<int>(1980 + (datum >> 9)), static_cast<int>((datum >> 5) & 0x0F),
          static_cast<int>(datum & 0x1F),        static_cast<int>(tijd >> 11),
          static_cast<int>((tijd >> 5) & 0x3F),  static_cast<int>((tijd & 0x1F) * 2)};
}

std::int32_t DatumNu(const TKlok& klok) { return NaarStempel(klok.Nu()); }

TDatum LeesDatum(std::string_view tekst, int volgorde) {
  std::vector<std::string_view> stukken;
  while (stukken.size() < 3) {
    std::size_t p = tekst.find('-');
    stukken.push_back(tekst.substr(0, p));
    if (p == std::string_view::npos) break;
    tekst.remove_prefix(p + 1);
  }
  // Which part the k-th piece is, per order: 0 day, 1 month, 2 year.
  static constexpr int kDeel[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}};
  if (volgorde < 0 || volgorde > 2) volgorde = 0;
  TDatum d;
  for (std::size_t k = 0; k < stukken.size(); ++k) {
    std::string_view stuk = stukken[k].substr(0, 4);
    int v = StrNaarGetal(stuk);
    switch (kDeel[volgorde][k]) {
      case 0:
        d.dag = v;
        break;
      case 1:
        d.maand = v;
        break;
      default:
        if (v >= 1 || stuk.find('0') != std::string_view::npos) {
          if (v >= 21 && v <= 99)
            v += 1900;
          else if (v < 20)
            v += 2000;
        }
        d.jaar = v;
    }
  }
  return d;
}

void VulDatumAan(int vlaggen, TDatum& d, const TKlok& klok) {
  if (vlaggen & 0x08) return;
  TDatumTijd nu = klok.Nu();
  if (d.dag <= 0 && d.jaar != nu.jaar && d.maand != nu.maand) return;
  if (d.dag == 0) d.dag = nu.dag;
  if (d.maand == 0) d.maand = nu.maand;
  if (d.jaar == 0) d.jaar = nu.jaar;
}

std::string DatumOpslag(const TDatum& d) {
  if (d.dag <= 0 || d.maand <= 0 || d.jaar <= 0) return {};
  return VulNullen(std::to_string(d.jaar), 4) + VulNullen(std::to_string(d.maand), 2) +
         VulNullen(std::to_string(d.dag), 2);
}

namespace {

std::string RechtsTwee(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? std::string(2 - s.size(), ' ') + s : s;
}

int DatumDeel(std::string_view s) {
  TLeesGetal g = LeesGeheelGetal(s);
  return g.ok ? g.waarde : 0;
}

}  // namespace

std::string DatumTekst(std::string_view opgeslagen, int volgorde, bool maandnamen, bool metJaar) {
  if (opgeslagen.empty()) return {};
  int jaar, maand, dag;
  if (opgeslagen.size() == 8) {
    jaar = DatumDeel(opgeslagen.substr(0, 4));
    maand = DatumDeel(opgeslagen.substr(4, 2));
    dag = DatumDeel(opgeslagen.substr(6, 2));
  } else {
    jaar = DatumDeel(opgeslagen.substr(0, 2));
    maand = opgeslagen.size() > 2 ? DatumDeel(opgeslagen.substr(2, 2)) : 0;
    dag = opgeslagen.size() > 4 ? DatumDeel(opgeslagen.substr(4, 2)) : 0;
  }
  if (jaar >= 21 && jaar <= 99) jaar += 1900;
  static const char* const kMaand[12] = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                         "jul", "aug", "sep", "okt", "nov", "dec"};
  // 0 also stands for a part that does not read as a number; only that is left empty.
  std::string d = dag != 0 ? RechtsTwee(dag) : std::string();
  std::string m;
  if (maand != 0)
    m = (maandnamen && maand >= 1 && maand <= 12) ? std::string(kMaand[maand - 1])
                                                  : RechtsTwee(maand);
  std::string j = jaar != 0 ? RechtsTwee(jaar) : std::string();
  std::vector<std::string> delen;
  switch (volgorde) {
    case 1:
      delen = {m, d};
      if (metJaar) delen.push_back(j);
      break;
    case 2:
      if (metJaar) delen.push_back(j);
      delen.push_back(m);
      delen.push_back(d);
      break;
    default:
      delen = {d, m};
      if (metJaar) delen.push_back(j);
      break;
  }
  std::string uit;
  const char* sep = maandnamen ? " " : "-";
  for (std::size_t i = 0; i < delen.size(); ++i) {
    if (i) uit += sep;
    uit += delen[i];
  }
  return uit;
}

std::string BestandsDatumTekst(std::int32_t stempel, int volgorde, bool metTijd) {
  if (stempel <= 0) return {};
  TDatumTijd t = UitStempel(stempel);
  char buf[40];
  switch (volgorde) {
    case 1:
      std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.maand, t.dag, t.jaar);
      break;
    case 2:
      std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.jaar, t.maand, t.dag);
      break;
    default:
      std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.dag, t.maand, t.jaar);
      break;
  }
  std::string uit = buf;
  if (metTijd) {
    std::snprintf(buf, sizeof buf, "  %02d:%02d", t.uur, t.minuut);
    uit += buf;
  }
  return uit;
}

}  // namespace kzo
