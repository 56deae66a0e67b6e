#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/bytestroom.h"

namespace kzo {

// The keyed text store: facts about a rider's result that the fixed records cannot
// hold. Each line is identifier + number + "#" + data text, e.g. "R0000002A3#12\x04...".
// Lines are ordered case-insensitively (ASCII letters); keyed searches sort the list
// once and then search it binarily, open searches (Nr -1, -2) scan on from Teller.
class TMynData {
 public:
  TMynData() { Wissen(); }

  int Teller = 0;         // scan position; also the line last looked at
  std::string Cache;      // key of the last successful search
  int CHC = 0;            // its line index
  bool DataRead = false;  // the last HaalData found an entry

  void Wissen();
  // 1-based position of the first "#" in line N, 0 when none.
  int PosSep(int N) const;
  // Index of the line, or negative. Nr >= 0: the key ID + Nr + "#"; Nr -1: the next line
  // from Teller that starts with ID; Nr -2: the same, only lines with a key.
  int VindID(std::string_view ID, int Nr);
  std::string HaalData(std::string_view ID, int Nr);
  std::string GetData(std::string_view ID, int Nr);
  // Nr >= 0 stores a data text (empty or only TABs deletes), Nr -2 a whole line.
  void SetData(std::string_view ID, int Nr, std::string_view Parm);
  bool DelData(std::string_view ID, int Nr);
  void Rename(std::string_view OldID, std::string_view NewID, int IDnr);
  void SaveData(TByteSchrijver& s) const;
  void LoadData(TByteLezer& s);

  int Count() const { return static_cast<int>(Data.size()); }
  const std::vector<std::string>& Regels() const { return Data; }
  bool HeeftTekst() const { return !Data.empty(); }
  bool IsGesorteerd() const { return Gesorteerd; }
  // A line copied in from another file; in order when the list is sorted.
  void VoegRegelToe(std::string regel);

 private:
  void Sorteer();
  void WisCache();
  std::size_t PlaatsInVolgorde(std::string_view regel) const;
  void Schrijf(int i, std::string regel);

  std::vector<std::string> Data;
  bool Gesorteerd = false;
};

// A section of bytes: 32-bit little-endian count, then the bytes.
void SchrijfTekst(TByteSchrijver& s, std::string_view bytes);
// Reads a section; a count of 0 is empty. A negative count, or one beyond the remaining
// bytes, is damage and throws TLeesFout.
std::string LeesTekst(TByteLezer& s);

// Decodes UTF-8 (a malformed sequence becomes U+FFFD) and splits at CR LF, LF or CR;
// a final line break adds no empty line.
std::vector<std::string> SplitsRegels(std::string_view bytes);

// Line breaks (and form feeds) become U+00FF U+00FE so that a text fits on one line.
std::string EnkeleRegel(std::string_view s);
// U+00FF U+00FE back to CR LF.
std::string MeerdereRegels(std::string_view s);
// Field n (1-based) of a data text with fields separated by code 4; a code 4 followed by
// a space is no separator. A text without separators is returned whole for every n.
std::string DeelTekst(std::string_view s, int n);

}  // namespace kzo
