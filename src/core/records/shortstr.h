#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/cp1252.h"

namespace kzo {

// A length byte and up to N Windows-1252 characters, exactly as stored in the file.
// The bytes after the length are kept as they were read, so a record written back
// is byte-identical.
template <std::size_t N>
struct ShortStr {
  static_assert(N >= 1 && N <= 255);
  std::uint8_t len;
  char ch[N];

  static constexpr std::size_t Max = N;

  // The stored bytes; a damaged length beyond N is read as N.
  std::string_view Raw() const { return {ch, len <= N ? len : N}; }
  std::string Get() const { return Cp1252NaarUtf8(Raw()); }
  bool Leeg() const { return len == 0; }

  // Stores a UTF-8 text, cut to N characters.
  void Set(std::string_view utf8) { SetRaw(Utf8NaarCp1252(utf8)); }
  void SetRaw(std::string_view bytes) {
    std::size_t n = bytes.size() < N ? bytes.size() : N;
    for (std::size_t i = 0; i < n; ++i) ch[i] = bytes[i];
    len = static_cast<std::uint8_t>(n);
  }
};

}  // namespace kzo
