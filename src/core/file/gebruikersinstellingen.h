#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/file/instellingenopslag.h"

namespace kzo {

// Value names in the user's settings.
inline constexpr const char* kKzoOptie = "KzoOptie";  // start-up action, tool bar, placement
inline constexpr const char* kKzoWork = "KzoWork";    // work folder of the file dialogs
inline constexpr const char* kKzoMap = "KzoMap";      // program folder with the help file
inline constexpr const char* kLastFile = "LastFile";  // last file opened or saved
inline constexpr const char* kFormSet = "FormSet";    // window placement, 20 bytes

// The bits of "KzoOptie".
inline constexpr std::int32_t KzoStartActie = 0x03;          // 0 none, 1 "Openen …", 2 last file
inline constexpr std::int32_t KzoVerbergKnoppenbalk = 0x10;  // "&Verberg knoppenbalk"
inline constexpr std::int32_t KzoPlaatsingNiet = 0x20;       // clear: "&Bewaar venster formaat"

// The main window's placement as stored in "FormSet": five 32-bit little-endian fields.
struct TVenster {
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;
  std::int32_t State = 0;  // low byte: 0 normal, 1 minimised, 2 maximised
};
static_assert(sizeof(TVenster) == 20);

// Reading never fails visibly: a missing or unreadable value reads as 0, empty or false.
std::int32_t LeesGetal(IInstellingenOpslag& opslag, const std::string& naam);
std::string LeesTekst2(IInstellingenOpslag& opslag, const std::string& naam);
// False and v unchanged when there is no usable placement.
bool LeesVenster(IInstellingenOpslag& opslag, TVenster& v);

// Writing throws TInstellingenFout ("Kan de instellingen niet bewaren in registry").
void SchrijfGetal(IInstellingenOpslag& opslag, const std::string& naam, std::int32_t waarde);
void SchrijfTekst2(IInstellingenOpslag& opslag, const std::string& naam, const std::string& waarde);
void SchrijfVenster(IInstellingenOpslag& opslag, const TVenster& v);
// "LastFile" := the competition's file name.
void BewaarLaatsteBestand(IInstellingenOpslag& opslag, const std::string& bestandsnaam);

// "KzoOptie" bits 0-1: 0 nothing, 1 the open dialog, 2 the last file (3 acts as 0).
int StartActie(IInstellingenOpslag& opslag);
// "LastFile" when the start-up action is 2, else empty.
std::string LaatsteBestand(IInstellingenOpslag& opslag);
// True unless "KzoOptie" bit 4 is set.
bool KnoppenbalkZichtbaar(IInstellingenOpslag& opslag);
// False when "KzoOptie" bit 5 is set.
bool VensterBewaren(IInstellingenOpslag& opslag);
// "KzoMap", or huidigeMap when that is empty; always ending in the platform's separator.
std::string ProgrammaMap(IInstellingenOpslag& opslag, std::string_view huidigeMap);
// The same with the process's current directory.
std::string ProgrammaMap(IInstellingenOpslag& opslag);

}  // namespace kzo
