#include "core/scoring/getaltekst.h"

namespace kzo {

void VoegVulNullenToe(std::string& s, long long v, int w) {
  char buf[24];
  int n = 0;
  unsigned long long u =
      v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  do {
    buf[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  const int lengte = n + (v < 0 ? 1 : 0);
  if (v < 0) s += '-';
  if (lengte < w) s.append(static_cast<std::size_t>(w - n), '0');
  while (n > 0) s += buf[--n];
}

std::string VulNullenGetal(long long v, int w) {
  std::string s;
  VoegVulNullenToe(s, v, w);
  return s;
}

}  // namespace kzo
