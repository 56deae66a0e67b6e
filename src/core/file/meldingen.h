#pragma once

#include <cstdint>
#include <string>

namespace kzo {

// Message codes: the low 16 bits choose the text; codes 250 and 251 carry a position
// (grid row or line number) in the high 16 bits.
std::string MeldingTekst(std::uint32_t code);

// Codes up to 500 are warnings (exclamation icon), higher ones information.
bool IsWaarschuwing(std::uint32_t code);

constexpr std::uint32_t PakPositie(std::uint32_t code, std::uint32_t positie) {
  return code + positie * 65536u;
}

}  // namespace kzo
