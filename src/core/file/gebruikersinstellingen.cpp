#include "core/file/gebruikersinstellingen.h"

#include <bit>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kzo {

static_assert(std::endian::native == std::endian::little, "FormSet is stored little-endian");

std::int32_t LeesGetal(IInstellingenOpslag& opslag, const std::string& naam) {
  return opslag.LeesGetal(naam).value_or(0);
}

std::string LeesTekst2(IInstellingenOpslag& opslag, const std::string& naam) {
  return opslag.LeesTekst(naam).value_or(std::string());
}

bool LeesVenster(IInstellingenOpslag& opslag, TVenster& v) {
  auto b = opslag.LeesBinair(kFormSet);
  if (!b) return false;
  std::memcpy(&v, b->data(), sizeof v);
  return true;
}

void SchrijfGetal(IInstellingenOpslag& opslag, const std::string& naam, std::int32_t waarde) {
  opslag.SchrijfGetal(naam, waarde);
}

void SchrijfTekst2(IInstellingenOpslag& opslag, const std::string& naam,
                   const std::string& waarde) {
  opslag.SchrijfTekst(naam, waarde);
}

void SchrijfVenster(IInstellingenOpslag& opslag, const TVenster& v) {
  TBinair20 b;
  std::memcpy(b.data(), &v, sizeof v);
  opslag.SchrijfBinair(kFormSet, b);
}

void BewaarLaatsteBestand(IInstellingenOpslag& opslag, const std::string& bestandsnaam) {
  opslag.SchrijfTekst(kLastFile, bestandsnaam);
}

int StartActie(IInstellingenOpslag& opslag) { return LeesGetal(opslag, kKzoOptie) & KzoStartActie; }

std::string LaatsteBestand(IInstellingenOpslag& opslag) {
  return StartActie(opslag) == 2 ? LeesTekst2(opslag, kLastFile) : std::string();
}

bool KnoppenbalkZichtbaar(IInstellingenOpslag& opslag) {
  return (LeesGetal(opslag, kKzoOptie) & KzoVerbergKnoppenbalk) == 0;
}

bool VensterBewaren(IInstellingenOpslag& opslag) {
  return (LeesGetal(opslag, kKzoOptie) & KzoPlaatsingNiet) == 0;
}

std::string ProgrammaMap(IInstellingenOpslag& opslag, std::string_view huidigeMap) {
  constexpr char sep = static_cast<char>(std::filesystem::path::preferred_separator);
  std::string map = LeesTekst2(opslag, kKzoMap);
  if (map.empty()) map = huidigeMap;
  bool heeftScheiding = !map.empty() && (map.back() == sep || map.back() == '/');
  if (!heeftScheiding) map += sep;
  return map;
}

std::string ProgrammaMap(IInstellingenOpslag& opslag) {
  std::error_code fout;
  auto huidig = std::filesystem::current_path(fout);
  return ProgrammaMap(opslag, fout ? std::string() : huidig.string());
}

}  // namespace kzo
