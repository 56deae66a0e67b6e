#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace kzo {

// The user's own settings: integer, text and 20-byte binary values by name.
using TBinair20 = std::array<std::uint8_t, 20>;

inline constexpr const char* kInstellingenFout = "Kan de instellingen niet bewaren in registry";

// A write that the settings store could not do; what() is the text for the user.
class TInstellingenFout : public std::runtime_error {
 public:
  TInstellingenFout() : std::runtime_error(kInstellingenFout) {}
};

class IInstellingenOpslag {
 public:
  virtual ~IInstellingenOpslag() = default;

  // None when the value is missing, has another type, or the store cannot be read.
  virtual std::optional<std::int32_t> LeesGetal(const std::string& naam) = 0;
  virtual std::optional<std::string> LeesTekst(const std::string& naam) = 0;
  virtual std::optional<TBinair20> LeesBinair(const std::string& naam) = 0;
  // Throw TInstellingenFout when the value cannot be stored.
  virtual void SchrijfGetal(const std::string& naam, std::int32_t waarde) = 0;
  virtual void SchrijfTekst(const std::string& naam, const std::string& waarde) = 0;
  virtual void SchrijfBinair(const std::string& naam, const TBinair20& waarde) = 0;
};

// Settings in memory, for tests and tools; SchrijvenFaalt makes every write fail.
class TGeheugenInstellingen final : public IInstellingenOpslag {
 public:
  bool SchrijvenFaalt = false;
  std::map<std::string, std::int32_t> Getallen;
  std::map<std::string, std::string> Teksten;
  std::map<std::string, TBinair20> Binair;

  std::optional<std::int32_t> LeesGetal(const std::string& naam) override {
    return Zoek(Getallen, naam);
  }
  std::optional<std::string> LeesTekst(const std::string& naam) override {
    return Zoek(Teksten, naam);
  }
  std::optional<TBinair20> LeesBinair(const std::string& naam) override {
    return Zoek(Binair, naam);
  }
  void SchrijfGetal(const std::string& naam, std::int32_t waarde) override {
    Zet(Getallen, naam, waarde);
  }
  void SchrijfTekst(const std::string& naam, const std::string& waarde) override {
    Zet(Teksten, naam, waarde);
  }
  void SchrijfBinair(const std::string& naam, const TBinair20& waarde) override {
    Zet(Binair, naam, waarde);
  }

 private:
  template <typename T>
  static std::optional<T> Zoek(const std::map<std::string, T>& m, const std::string& naam) {
    auto it = m.find(naam);
    if (it == m.end()) return std::nullopt;
    return it->second;
  }
  template <typename T>
  void Zet(std::map<std::string, T>& m, const std::string& naam, const T& waarde) {
    if (SchrijvenFaalt) throw TInstellingenFout();
    // One name holds one value, as in the registry.
    Getallen.erase(naam);
    Teksten.erase(naam);
    Binair.erase(naam);
    m[naam] = waarde;
  }
};

}  // namespace kzo
