#include "core/records/getal.h"

#include <cstdint>

namespace kzo {

TLeesGetal LeesGeheelGetal(std::string_view s) {
  std::size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    neg = s[i] == '-';
    ++i;
  }
  std::int64_t v = 0;
  std::size_t cijfers = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c < '0' || c > '9') return {false, 0, i + 1};
    v = v * 10 + (c - '0');
    if (v > (neg ? 2147483648LL : 2147483647LL)) return {false, 0, i + 1};
    ++cijfers;
  }
  if (cijfers == 0) return {false, 0, i + 1};
  return {true, static_cast<int>(neg ? -v : v), s.size()};
}

int StrNaarGetal(std::string_view s) {
  std::string t(s);
  while (!t.empty()) {
    TLeesGetal g = LeesGeheelGetal(t);
    if (g.ok) return g.waarde;
    if (g.positie > t.size()) return 0;
    t.erase(g.positie - 1, 1);
  }
  return 0;
}

std::string VulNullen(std::string_view s, int w) {
  if (s.empty()) return {};
  std::size_t sp;
  while ((sp = s.find(' ')) != std::string_view::npos) s.remove_prefix(sp + 1);
  TLeesGetal g = LeesGeheelGetal(s);
  if (!g.ok && g.positie <= 1) return std::string(s);
  auto lengte = static_cast<int>(s.size());
  if (lengte >= w || !(s[0] == '-' || (s[0] >= '0' && s[0] <= '9'))) return std::string(s);
  int l = g.ok ? lengte : static_cast<int>(g.positie) - 1;
  if (s[0] == '-')
    return "-" + std::string(static_cast<std::size_t>(w - l + 1), '0') + std::string(s.substr(1));
  return std::string(static_cast<std::size_t>(w - l), '0') + std::string(s);
}

}  // namespace kzo
