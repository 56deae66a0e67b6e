#include "core/records/cp1252.h"

#include <cstdint>

namespace kzo {

namespace {

// Code points of 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr char32_t kHoog[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void SchrijfUtf8(std::string& uit, char32_t c) {
  if (c < 0x80) {
    uit += static_cast<char>(c);
  } else if (c < 0x800) {
    uit += static_cast<char>(0xC0 | (c >> 6));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    uit += static_cast<char>(0xE0 | (c >> 12));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    uit += static_cast<char>(0xF0 | (c >> 18));
    uit += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    uit += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char NaarByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i)
    if (kHoog[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// Reads one UTF-8 sequence at i; a malformed one gives U+FFFD and consumes one byte.
char32_t LeesUtf8(std::string_view s, std::size_t& i) {
  auto b = static_cast<std::uint8_t>(s[i]);
  int extra;
  char32_t c;
  if (b < 0x80) {
    ++i;
    return b;
  } else if ((b & 0xE0) == 0xC0) {
    extra = 1;
    c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2;
    c = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3;
    c = b & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    auto v = static_cast<std::uint8_t>(s[i + k]);
    if ((v & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (v & 0x3F);
  }
  i += extra + 1;
  return c;
}

}  // namespace

std::string Utf8NaarCp1252(std::string_view utf8) {
  std::string uit;
  uit.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) uit += NaarByte(LeesUtf8(utf8, i));
  return uit;
}

std::string Cp1252NaarUtf8(std::string_view bytes) {
  std::string uit;
  uit.reserve(bytes.size() + 8);
  for (char ch : bytes) {
    auto b = static_cast<std::uint8_t>(ch);
    SchrijfUtf8(uit, (b >= 0x80 && b < 0xA0) ? kHoog[b - 0x80] : b);
  }
  return uit;
}

std::string HoofdLetters(std::string_view s) {
  std::string uit(s);
  for (char& c : uit)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return uit;
}

int VergelijkTekst(std::string_view a, std::string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<std::uint8_t>(a[i]);
    auto y = static_cast<std::uint8_t>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<std::uint8_t>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<std::uint8_t>(y - 32);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace kzo
