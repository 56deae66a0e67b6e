#include "core/model/mijndata.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/records/cp1252.h"

namespace kzo {

namespace {

constexpr std::string_view kRegelMerk = "\xC3\xBF\xC3\xBE";  // U+00FF U+00FE

bool KleinerTekst(std::string_view a, std::string_view b) { return VergelijkTekst(a, b) < 0; }

// Length of the well-formed UTF-8 sequence at i, 0 when it is malformed.
std::size_t Utf8Lengte(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  std::uint8_t c = b(i);
  if (c < 0x80) return 1;
  std::size_t n;
  std::uint8_t lo = 0x80, hi = 0xBF;  // range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;  // overlong
    if (c == 0xED) hi = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;  // overlong
    if (c == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (n > s.size() - i || b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if ((b(i + k) & 0xC0) != 0x80) return 0;
  return n;
}

// The rest of the program relies on valid UTF-8; a damaged file must not break that.
std::string GeldigUtf8(std::string_view s) {
  std::string uit;
  uit.reserve(s.size());
  // Valid runs are copied whole: a large keyed-text section is mostly ASCII.
  std::size_t begin = 0;
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<std::uint8_t>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = Utf8Lengte(s, i);
    if (n == 0) {
      uit.append(s.substr(begin, i - begin));
      uit += "\xEF\xBF\xBD";
      begin = ++i;
    } else {
      i += n;
    }
  }
  uit.append(s.substr(begin));
  return uit;
}

std::string VervangAlle(std::string s, std::string_view oud, std::string_view nieuw) {
  std::string uit;
  uit.reserve(s.size());
  std::size_t begin = 0;
  for (std::size_t p; (p = s.find(oud, begin)) != std::string::npos; begin = p + oud.size()) {
    uit.append(s, begin, p - begin);
    uit += nieuw;
  }
  uit.append(s, begin);
  return uit;
}

bool IsLeeg(std::string_view s) { return s.find_first_not_of('\t') == std::string_view::npos; }

}  // namespace

void TMynData::Wissen() {
  Data.clear();
  Teller = 0;
  Gesorteerd = false;
  Cache.clear();
  CHC = 0;
  DataRead = false;
}

int TMynData::PosSep(int N) const {
  if (N < 0 || N >= Count()) return 0;
  auto p = Data[N].find('#');
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

void TMynData::Sorteer() {
  std::stable_sort(Data.begin(), Data.end(), KleinerTekst);
  Gesorteerd = true;
}

void TMynData::WisCache() {
  Cache.clear();
  CHC = 0;
}

std::size_t TMynData::PlaatsInVolgorde(std::string_view regel) const {
  // After the lines that compare equal, as appending and sorting stably would place it.
  return static_cast<std::size_t>(std::upper_bound(Data.begin(), Data.end(), regel, KleinerTekst) -
                                  Data.begin());
}

int TMynData::VindID(std::string_view ID, int Nr) {
  auto mis = [this](int r) {
    WisCache();
    DataRead = false;
    return r;
  };
  if (Data.empty()) return mis(-2);
  if (Nr >= 0) {
    std::string key = std::string(ID) + std::to_string(Nr) + '#';
    if (key == Cache) {
      Teller = CHC;
      return CHC;
    }
    if (!Gesorteerd) Sorteer();
    // The compared part includes the "#", so number 1 never matches the line of 10.
    int low = 0, high = Count() - 1;
    while (low <= high) {
      int middle = (low + high) / 2;
      Teller = middle;
      int r = VergelijkTekst(std::string_view(Data[middle]).substr(0, key.size()), key);
      if (r == 0) {
        CHC = middle;
        Cache = std::move(key);
        return middle;
      }
      if (r > 0)
        high = middle - 1;
      else
        low = middle + 1;
    }
    return mis(-1);
  }
  if (Nr < -2) return mis(-1);
  // Open scan: continues from Teller so that repeated calls walk through an ID's lines.
  while (Teller >= 0 && Teller < Count()) {
    int i = Teller++;
    if (Data[i].starts_with(ID) && (Nr == -1 || PosSep(i) >= 2)) {
      CHC = i;
      Cache = ID;
      return i;
    }
  }
  return mis(-1);
}

std::string TMynData::HaalData(std::string_view ID, int Nr) {
  int i = VindID(ID, Nr);
  DataRead = i >= 0;
  if (i < 0) return {};
  int p = PosSep(i);
  if (p < 2) return {};
  return Data[i].substr(static_cast<std::size_t>(p));
}

std::string TMynData::GetData(std::string_view ID, int Nr) {
  Teller = 0;
  return HaalData(ID, Nr);
}

// Replaces line i (or adds when i < 0) and leaves the list sorted.
void TMynData::Schrijf(int i, std::string regel) {
  if (!Gesorteerd) {
    if (i >= 0)
      Data[i] = std::move(regel);
    else
      Data.push_back(std::move(regel));
    Sorteer();
    WisCache();
    return;
  }
  if (i < 0) {
    Data.insert(Data.begin() + PlaatsInVolgorde(regel), std::move(regel));
    return;
  }
  bool naVorige = i == 0 || VergelijkTekst(Data[i - 1], regel) <= 0;
  bool voorVolgende = i + 1 == Count() || VergelijkTekst(regel, Data[i + 1]) <= 0;
  if (naVorige && voorVolgende) {
    Data[i] = std::move(regel);
    return;
  }
  // Moving left it goes after its equals, moving right before them: the stable order.
  Data.erase(Data.begin() + i);
  auto plek = naVorige ? std::lower_bound(Data.begin(), Data.end(), regel, KleinerTekst)
                       : std::upper_bound(Data.begin(), Data.end(), regel, KleinerTekst);
  Data.insert(plek, std::move(regel));
  WisCache();
}

void TMynData::SetData(std::string_view ID, int Nr, std::string_view Parm) {
  if (Nr < 0 && Nr != -2) return;
  Teller = 0;
  std::string p;
  p.reserve(Parm.size());
  for (char c : Parm)
    if (c != '\0') p += c;
  int i = VindID(ID, Nr);
  if (Nr == -2)
    Schrijf(i, std::move(p));
  else if (!IsLeeg(p))
    Schrijf(i, std::string(ID) + std::to_string(Nr) + '#' + p);
  else if (i >= 0)
    DelData(ID, Nr);
}

bool TMynData::DelData(std::string_view ID, int Nr) {
  Teller = 0;
  bool weg = false;
  for (;;) {
    WisCache();
    int i = VindID(ID, Nr);
    if (i < 0) break;
    Data.erase(Data.begin() + i);
    --Teller;  // an open scan goes on at the line that moved into place i
    weg = true;
  }
  return weg;
}

void TMynData::Rename(std::string_view OldID, std::string_view NewID, int IDnr) {
  Teller = 0;
  int i = VindID(OldID, IDnr);
  if (i < 0) return;
  Teller = 0;
  if (VindID(NewID, IDnr) >= 0) return;
  const std::string& oud = Data[i];
  Schrijf(i, std::string(NewID) + oud.substr(std::min(OldID.size(), oud.size())));
}

void TMynData::SaveData(TByteSchrijver& s) const {
  std::string tekst;
  for (const auto& regel : Data) {
    tekst += regel;
    tekst += "\r\n";
  }
  SchrijfTekst(s, tekst);
}

void TMynData::LoadData(TByteLezer& s) {
  Wissen();
  std::string bytes = LeesTekst(s);
  if (!bytes.empty()) Data = SplitsRegels(bytes);
}

void TMynData::VoegRegelToe(std::string regel) {
  if (Gesorteerd)
    Data.insert(Data.begin() + PlaatsInVolgorde(regel), std::move(regel));
  else
    Data.push_back(std::move(regel));
  WisCache();  // the cached line may have moved
}

void SchrijfTekst(TByteSchrijver& s, std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("text section too large");
  s.SchrijfInt32(static_cast<std::int32_t>(bytes.size()));
  if (!bytes.empty()) s.Schrijf(bytes.data(), bytes.size());
}

std::string LeesTekst(TByteLezer& s) {
  std::int32_t n = s.LeesInt32();
  // Only damage makes a negative count; read as empty, the next save would silently drop
  // every remark of the damaged file.
  if (n < 0) throw TLeesFout("negative section count");
  if (n == 0) return {};
  // LeesBytes checks the count against the remaining bytes before anything is copied.
  auto b = s.LeesBytes(static_cast<std::size_t>(n));
  return std::string(b.begin(), b.end());
}

std::vector<std::string> SplitsRegels(std::string_view bytes) {
  std::string tekst = GeldigUtf8(bytes);
  std::vector<std::string> regels;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    char c = tekst[i];
    if (c != '\r' && c != '\n') continue;
    regels.push_back(tekst.substr(begin, i - begin));
    if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < tekst.size()) regels.push_back(tekst.substr(begin));
  return regels;
}

std::string EnkeleRegel(std::string_view s) {
  // One pass per break kind, in this order: LF CR LF CR gives three marks, not two.
  std::string uit(s);
  for (std::string_view breuk : {"\r\n", "\n\r", "\r", "\n", "\f"})
    uit = VervangAlle(std::move(uit), breuk, kRegelMerk);
  return uit;
}

std::string MeerdereRegels(std::string_view s) {
  return VervangAlle(std::string(s), kRegelMerk, "\r\n");
}

std::string DeelTekst(std::string_view s, int n) {
  auto isScheiding = [s](std::size_t i) {
    return s[i] == '\x04' && !(i + 1 < s.size() && s[i + 1] == ' ');
  };
  bool heeftScheiding = false;
  for (std::size_t i = 0; i < s.size() && !heeftScheiding; ++i) heeftScheiding = isScheiding(i);
  if (!heeftScheiding) return std::string(s);
  if (n < 1) return {};
  int veld = 1;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!isScheiding(i)) continue;
    if (veld == n) return std::string(s.substr(begin, i - begin));
    ++veld;
    begin = i + 1;
  }
  return veld == n ? std::string(s.substr(begin)) : std::string();
}

}  // namespace kzo
