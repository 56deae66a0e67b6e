#pragma once

#include <string>
#include <string_view>

namespace kzo {

// Reads a signed decimal integer as far as it goes. Returns the number of characters
// that belong to it when the whole text is a number, else the 1-based position of the
// character where reading failed (ok = false). Overflowing 32 bits fails at that digit.
struct TLeesGetal {
  bool ok;
  int waarde;
  std::size_t positie;
};
TLeesGetal LeesGeheelGetal(std::string_view s);

// Lenient reading: offending characters are deleted until the rest reads; "12a" -> 12,
// "a1b2" -> 12, "abc" -> 0, "" -> 0.
int StrNaarGetal(std::string_view s);

// Pads a number text with zeros to width w for sorting and dates ("42" -> "00042",
// "-1" -> "-00001", "12,5" -> "00012,5"; a text that is no number stays as it is).
std::string VulNullen(std::string_view s, int w);

}  // namespace kzo
