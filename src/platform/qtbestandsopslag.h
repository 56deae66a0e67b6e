#pragma once

#include "core/file/opslag.h"

namespace kzo {

// The disk steps on the real file system: POSIX for syncing, linking and replacing, Qt for
// the rest; an old backup goes to the trash where the system has one.
class TQtBestandsOpslag final : public IBestandsOpslag {
 public:
  bool Bestaat(const std::string& naam) override;
  std::string VolledigeNaam(const std::string& naam) override;
  std::string EchteNaam(const std::string& naam) override;
  TFout MagVervangen(const std::string& naam) override;
  TFout LeesBestand(const std::string& naam, std::size_t maxGrootte,
                    std::vector<std::uint8_t>& bytes) override;
  TFout SchrijfTijdelijk(const std::string& doel, std::span<const std::uint8_t> bytes,
                         std::string& tijdelijk) override;
  TFout Synchroniseer(const std::string& naam) override;
  TFout MaakKopie(const std::string& van, const std::string& naar) override;
  TFout NaarPrullenbak(const std::string& naam) override;
  TFout Hernoem(const std::string& van, const std::string& naar) override;
  TFout SynchroniseerMap(const std::string& naam) override;
  void Verwijder(const std::string& naam) override;
};

}  // namespace kzo
