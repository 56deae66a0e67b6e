#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/instellingenopslag.h"
#include "core/file/opslag.h"
#include "core/model/competitie.h"
#include "core/records/datum.h"
#include "core/records/records.h"

namespace kzo {

// File layout: header, 68 reserved bytes, print settings, then the class records from
// kEersteKlasse on; version 5 ends with the keyed-text section.
inline constexpr std::size_t kGereserveerd = 68;
inline constexpr std::size_t kInstellingenPos = sizeof(TClubInfo) + kGereserveerd;      // 288
inline constexpr std::size_t kEersteKlasse = kInstellingenPos + sizeof(TInstellingen);  // 1084
inline constexpr std::int32_t kVersie99 = 0x10000;  // riders carry 99 results
// No real competition comes near this; a bigger file is not read into memory.
inline constexpr std::size_t kMaxBestandGrootte = std::size_t{256} << 20;

// What opening a file gave: melding is the message code to show (2 or 3), 0 for none.
struct TLaadUitslag {
  bool ok = false;
  std::uint32_t melding = 0;
};

// The version word the writer sets (bit 16 included): 2 when PuntAftrek is 1 and
// RekMethode below 2, else 3; 4 with an own tie-break sequence; 5 with keyed text.
std::int32_t BestandVersie(const TCompetitie& comp);

// The competition as file bytes. Sets versie, UpDate, aantalklasse, Lettertype (the font of
// the active class grid, given by the caller) and MynDpos in the header, as stored.
std::vector<std::uint8_t> BestandBytes(TCompetitie& comp, const Tletter& lettertype,
                                       const TKlok& klok);

// Closes the open competition: no classes, one "?" tab, no file name, keyed text emptied.
// The header and the print settings stay as they are.
inline void BestandSluiten(TCompetitie& comp) { comp.Sluiten(); }

// Reads file bytes into the competition (closed first). Wrong version: message 2, the
// header is the file's, no class is open. Damaged: message 3, the classes read so far stay
// open. On failure the file name stays empty, so that saving asks for a name and never
// replaces the file with a partial competition; the modified flag is 0 either way.
// On success the caller sets the file name.
TLaadUitslag BestandLaden(TCompetitie& comp, std::span<const std::uint8_t> bytes);

// The name rule of opening: ".KZO" (any case) somewhere after the first character.
bool IsKzoNaam(std::string_view naam);
// The name with its extension replaced by ".BAK".
std::string BakNaam(std::string_view naam);
// "Bewaar als": a name with an extension other than ".KZO" saves nothing; a name without
// one gets ".kzo".
std::optional<std::string> BewaarAlsNaam(std::string_view naam);

// Opens a competition file. A name that fails IsKzoNaam or a missing file: nothing
// happens, no message. On success the file name is set and "LastFile" written (in full).
TLaadUitslag BestandLaden(TCompetitie& comp, const std::string& naam, IBestandsOpslag& opslag,
                          IInstellingenOpslag& instellingen);

// Saves the competition under naam without ever leaving a half-written file there: the new
// bytes go to a synced temporary file in the same folder, the previous file is kept as
// ".BAK" (an older ".BAK" goes to the trash), then the temporary file replaces it. When naam
// is a symbolic link, all of that happens to the file it points to and the link stays.
// Success: file name := naam, "LastFile" := naam in full, modified flag 0. A failed disk
// step leaves the file under naam as it was, removes the temporary file, keeps the
// competition as it was (modified) and returns the failure's text. A write-protected file
// is refused before anything is written, with a failure of the kind
// TFoutSoort::SchrijfBeveiligd (fout.SchrijfBeveiligd()), for which the program can offer
// "Bewaar als".
TFout BestandBewaren(TCompetitie& comp, const std::string& naam, const Tletter& lettertype,
                     const TKlok& klok, IBestandsOpslag& opslag, IInstellingenOpslag& instellingen);

}  // namespace kzo
