#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "core/file/instellingenopslag.h"

namespace kzo {

// The user's settings in QSettings: organisation "PYM_Wendaron", application "KZO" (on
// Windows the registry key Software\PYM_Wendaron\KZO), integers, texts and 20-byte binary
// values under the same names.
class TQtInstellingen final : public IInstellingenOpslag {
 public:
  TQtInstellingen();
  // Settings in a file of their own (INI format); for tests and portable set-ups.
  explicit TQtInstellingen(const QString& bestand);
  ~TQtInstellingen() override;

  std::optional<std::int32_t> LeesGetal(const std::string& naam) override;
  std::optional<std::string> LeesTekst(const std::string& naam) override;
  std::optional<TBinair20> LeesBinair(const std::string& naam) override;
  void SchrijfGetal(const std::string& naam, std::int32_t waarde) override;
  void SchrijfTekst(const std::string& naam, const std::string& waarde) override;
  void SchrijfBinair(const std::string& naam, const TBinair20& waarde) override;

 private:
  void Schrijf(const std::string& naam, const QVariant& waarde);
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kzo
