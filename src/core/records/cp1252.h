#pragma once

#include <string>
#include <string_view>

namespace kzo {

// Windows-1252 appears only at the byte boundary (short strings, text and HTML files).
// A character that 1252 cannot hold is written as "?"; malformed UTF-8 too.
std::string Utf8NaarCp1252(std::string_view utf8);
std::string Cp1252NaarUtf8(std::string_view bytes);

// Upper-cases ASCII letters only.
std::string HoofdLetters(std::string_view s);
// Case-insensitive (ASCII letters) byte comparison: <0, 0, >0.
int VergelijkTekst(std::string_view a, std::string_view b);

}  // namespace kzo
