#pragma once

#include <map>
#include <string>

#include "core/file/opslag.h"

namespace kzo {

// The disk steps on the real file system: POSIX for writing, syncing, linking and
// replacing, Qt for the rest; an old backup goes to the trash where the system has one.
//
// The new bytes go to an unnamed file (O_TMPFILE) that gets its name only just before it
// replaces the file, so a save killed while writing and syncing leaves nothing behind.
// Where the system has no unnamed files they go to a named one at once. Either way the
// temporary file is "<name>.kzotmp-XXXXXX" beside the file and is locked while its save
// runs: the next save of the same file removes such files that no running save holds.
class TQtBestandsOpslag final : public IBestandsOpslag {
 public:
  // naamloos false always takes a named temporary file (to test that path).
  explicit TQtBestandsOpslag(bool naamloos = true) : naamloos_(naamloos) {}
  ~TQtBestandsOpslag() override;
  TQtBestandsOpslag(const TQtBestandsOpslag&) = delete;
  TQtBestandsOpslag& operator=(const TQtBestandsOpslag&) = delete;

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

 private:
  // A temporary file of this object, held open (and locked) until it is renamed or removed.
  struct TOpen {
    int fd = -1;
    std::string doel;       // the user's file it is for: what failures name
    bool naamloos = false;  // not yet linked under its name (Hernoem does that)
  };
  void Sluit(const std::string& tijdelijk);

  bool naamloos_;
  std::map<std::string, TOpen> open_;
};

}  // namespace kzo
