#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/file/opslag.h"

namespace kzo {

// Failures print as their text in test messages.
inline void PrintTo(const TFout& f, std::ostream* os) {
  if (!f)
    *os << "(geen fout)";
  else
    *os << '"' << *f << '"' << (f.SchrijfBeveiligd() ? " (schrijfbeveiligd)" : "");
}

}  // namespace kzo

namespace kzo::test {

enum class TStap { Lees, Schrijf, Sync, Prullenbak, Kopie, Hernoem, SyncMap };

// Files in memory; Faal makes one step fail. A failing write leaves half a temporary file,
// as a full disk would. Koppelingen are symbolic links (name -> what they point to), names
// in AlleenLezen are write-protected, and relative names are taken from the folder "/werk".
class TNepOpslag final : public IBestandsOpslag {
 public:
  std::map<std::string, std::vector<std::uint8_t>> Bestanden;
  std::vector<std::vector<std::uint8_t>> Prullenbak;
  std::optional<TStap> Faal;
  std::map<std::string, std::string> Koppelingen;
  std::set<std::string> AlleenLezen;

  static std::string Tekst(TStap s) { return "stap " + std::to_string(static_cast<int>(s)); }

  bool Bestaat(const std::string& naam) override { return Bestanden.count(naam) != 0; }

  std::string VolledigeNaam(const std::string& naam) override {
    return naam.starts_with('/') ? naam : "/werk/" + naam;
  }

  std::string EchteNaam(const std::string& naam) override {
    std::string n = naam;
    for (auto it = Koppelingen.find(n); it != Koppelingen.end(); it = Koppelingen.find(n))
      n = it->second;
    return n;
  }

  TFout MagVervangen(const std::string& naam) override {
    if (AlleenLezen.count(naam)) return TFout("alleen lezen", TFoutSoort::SchrijfBeveiligd);
    return std::nullopt;
  }

  TFout LeesBestand(const std::string& naam, std::size_t maxGrootte,
                    std::vector<std::uint8_t>& bytes) override {
    if (auto f = Fout(TStap::Lees)) return f;
    auto it = Bestanden.find(naam);
    if (it == Bestanden.end() || it->second.size() > maxGrootte) return "kan niet lezen";
    bytes = it->second;
    return std::nullopt;
  }

  TFout SchrijfTijdelijk(const std::string& doel, std::span<const std::uint8_t> bytes,
                         std::string& tijdelijk) override {
    tijdelijk = doel + ".tmp" + std::to_string(++teller_);
    if (Faal == TStap::Schrijf) {
      Bestanden[tijdelijk].assign(bytes.begin(), bytes.begin() + bytes.size() / 2);
      return Tekst(TStap::Schrijf);
    }
    Bestanden[tijdelijk].assign(bytes.begin(), bytes.end());
    return std::nullopt;
  }

  TFout Synchroniseer(const std::string&) override { return Fout(TStap::Sync); }

  TFout MaakKopie(const std::string& van, const std::string& naar) override {
    if (auto f = Fout(TStap::Kopie)) return f;
    if (Bestaat(naar) || !Bestaat(van)) return "kopie onmogelijk";
    Bestanden[naar] = Bestanden[van];
    return std::nullopt;
  }

  TFout NaarPrullenbak(const std::string& naam) override {
    if (auto f = Fout(TStap::Prullenbak)) return f;
    Prullenbak.push_back(Bestanden.at(naam));
    Bestanden.erase(naam);
    return std::nullopt;
  }

  TFout Hernoem(const std::string& van, const std::string& naar) override {
    if (auto f = Fout(TStap::Hernoem)) return f;
    Bestanden[naar] = Bestanden.at(van);
    Bestanden.erase(van);
    return std::nullopt;
  }

  TFout SynchroniseerMap(const std::string&) override { return Fout(TStap::SyncMap); }

  void Verwijder(const std::string& naam) override { Bestanden.erase(naam); }

 private:
  TFout Fout(TStap s) const {
    if (Faal == s) return Tekst(s);
    return std::nullopt;
  }
  int teller_ = 0;
};

}  // namespace kzo::test
