#include "core/model/rijder.h"

#include <cstdio>

#include "core/records/cp1252.h"
#include "core/records/getal.h"
#include "core/records/punten.h"

namespace kzo {

namespace {

const char* const kSpeciaal[5] = {"", "x", "dns", "dnf", "DQ"};  // -1 .. -5

}  // namespace

TRijder::TRijder() : Rijder(NulRecord<TRijderInfo>()) {
  for (auto& u : Rijder.uitslag) u = UitGeen;
  for (auto& u : SaveUitslag) u = UitGeen;
}

void TRijder::SetOnGeldigeRijder(bool g, int eindOptie) {
  if (g && SavedUitslagen()) {
    SaveUitOptie |= Ongeldig;
    if (BMKeuze(eindOptie) == BMMetAangepastePlaatsen)
      for (auto& u : Rijder.uitslag) u = UitGeen;
  } else {
    SaveUitOptie &= ~Ongeldig;
  }
}

void TRijder::SaveUitslagen() {
  if (SavedUitslagen()) return;
  for (int r = 0; r < MaxUitslagen; ++r) SaveUitslag[r] = Rijder.uitslag[r];
  SaveUitOptie = 1;
}

void TRijder::RestoreUitslagen() {
  if (SavedUitslagen())
    for (int r = 0; r < MaxUitslagen; ++r) Rijder.uitslag[r] = SaveUitslag[r];
  SaveUitOptie = 0;
}

void TRijder::ResetUitslagen() {
  for (auto& u : Rijder.uitslag)
    if (u > 900) u = static_cast<std::int16_t>(u - 1000);
}

void TRijder::SetUnused(std::int16_t u, const TTellend& tellend) {
  for (int r = 1; r <= MaxUitslagen; ++r) {
    if (tellend[r] == 1 && Uitslag(r) == u) {
      Uitslag(r) = static_cast<std::int16_t>(u + 1000);
      return;
    }
  }
}

bool TRijder::Unused(int u) const { return u >= 1 && u <= MaxUitslagen && Uitslag(u) > 500; }

int TRijder::Uwaarde(int u) const {
  if (u < 1 || u > MaxUitslagen) return UitGeen;
  return Onbemerkt(Uitslag(u));
}

bool TRijder::IsLeeg() const {
  if (!Rijder.Naam.Leeg() || !Rijder.RijNr.Leeg()) return false;
  for (const auto& e : Rijder.Extra)
    if (!e.Leeg()) return false;
  for (auto u : Rijder.uitslag)
    if (Onbemerkt(u) != UitGeen) return false;
  return true;
}

std::string TRijder::VeldStr(int nr, int un, const TClubInfo& club, char decimaal) const {
  switch (nr) {
    case VeldNaam: {
      std::string naam = Rijder.Naam.Get();
      return NaamAlsGetypt(club) ? naam : WisselNaam(naam);
    }
    case VeldStartnr:
      return Rijder.RijNr.Get();
    case VeldUitslag: {
      if (un < 1 || un > MaxUitslagen) return {};
      int v = Uwaarde(un);
      if (ToontPunten(club) && v > 0) v = PlaatsNaarPunten(club, v);
      return GetalNaarStr(v, club);
    }
    case VeldExtra1:
    case VeldExtra2:
    case VeldExtra3:
      return Rijder.Extra[nr - VeldExtra1].Get();
    case VeldNetto:
      return GetalNaarStr(Netto, club);
    case VeldBruto:
    case VeldDag:
      return GetalNaarStr(Bruto, club);
    case VeldGemiddelde:
      return GemiddeldeTekst1(Bruto, Netto, decimaal);
    default:
      return {};
  }
}

void TRijder::SetVeld(std::string_view s, int nr, int un, const TClubInfo& club) {
  switch (nr) {
    case VeldNaam:
      Rijder.Naam.Set(s);
      break;
    case VeldStartnr:
      Rijder.RijNr.Set(s);
      break;
    case VeldUitslag: {
      if (un < 1 || un > MaxUitslagen) return;
      int v = StrNaarUitslag(s);
      if (ToontPunten(club) && v > 0) v = PuntenNaarPlaats(club, v);
      // A typed number beyond what a result can hold would wrap in 16 bits.
      if (v > 32767) v = 32767;
      if (v < -32768) v = -32768;
      Uitslag(un) = static_cast<std::int16_t>(v);
      break;
    }
    case VeldExtra1:
    case VeldExtra2:
    case VeldExtra3:
      Rijder.Extra[nr - VeldExtra1].Set(s);
      break;
    default:
      break;
  }
}

std::string TRijder::Sleutel() const { return RijderSleutel(Rijder.IDnum); }

int StrNaarUitslag(std::string_view s) {
  std::string h = HoofdLetters(s);
  for (int i = 0; i < 5; ++i)
    if (h == HoofdLetters(kSpeciaal[i])) return -1 - i;
  return StrNaarGetal(s);
}

std::string GetalNaarStr(int i, const TClubInfo& club) {
  if (i < 0) return i >= -5 ? kSpeciaal[-1 - i] : std::to_string(i);
  if (i == 0 && NulLeeg(club)) return {};
  return std::to_string(i);
}

std::string WisselNaam(std::string_view s) {
  std::size_t komma = s.find(',');
  if (komma == std::string_view::npos) return std::string(s);
  std::string_view voor = s.substr(0, komma), rest = s.substr(komma + 1);
  while (!rest.empty() && (rest[0] == ' ' || rest[0] == ',' || rest[0] == ':' || rest[0] == ';'))
    rest.remove_prefix(1);
  return std::string(rest) + " " + std::string(voor);
}

bool HeeftUitslag(const TRijderInfo& r) {
  for (auto u : r.uitslag)
    if (Onbemerkt(u) >= 0) return true;
  return false;
}

std::string RijderSleutel(std::uint32_t idnum) {
  char buf[12];
  std::snprintf(buf, sizeof buf, "R%08X", idnum);
  return buf;
}

std::string GemiddeldeTekst1(int bruto, int netto, char decimaal) {
  if (bruto < 0) return {};
  long long tien = 0;
  if (netto > 0) {
    long long teller = static_cast<long long>(bruto) * 10;
    tien = teller / netto;
    long long rest2 = (teller % netto) * 2;
    if (rest2 > netto || (rest2 == netto && (tien % 2) != 0)) ++tien;
  }
  return std::to_string(tien / 10) + decimaal + std::to_string(tien % 10);
}

}  // namespace kzo
