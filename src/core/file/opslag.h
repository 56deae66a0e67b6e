#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kzo {

// The failure of a disk step, as the user should read it; none = it worked.
using TFout = std::optional<std::string>;

// The disk steps of opening and saving a competition. The program uses the platform's
// files; tests use a fake that can fail at any step.
class IBestandsOpslag {
 public:
  virtual ~IBestandsOpslag() = default;

  // A regular file of that name exists.
  virtual bool Bestaat(const std::string& naam) = 0;
  // The whole file; a file larger than maxGrootte is a failure.
  virtual TFout LeesBestand(const std::string& naam, std::size_t maxGrootte,
                            std::vector<std::uint8_t>& bytes) = 0;
  // A new file in the folder of doel holding the bytes. tijdelijk gets its name as soon
  // as it exists, also when writing fails afterwards, so the caller can remove it.
  virtual TFout SchrijfTijdelijk(const std::string& doel, std::span<const std::uint8_t> bytes,
                                 std::string& tijdelijk) = 0;
  // The file's contents on the disk itself.
  virtual TFout Synchroniseer(const std::string& naam) = 0;
  // naar becomes a second name (hard link) or a synced copy of van; naar does not exist.
  virtual TFout MaakKopie(const std::string& van, const std::string& naar) = 0;
  // Into the trash where there is one, else deleted.
  virtual TFout NaarPrullenbak(const std::string& naam) = 0;
  // Replaces naar by van in one step: at no moment is there no file called naar.
  virtual TFout Hernoem(const std::string& van, const std::string& naar) = 0;
  // The folder entry of naam (after a rename) on the disk itself.
  virtual TFout SynchroniseerMap(const std::string& naam) = 0;
  // Best effort; used to clean up after a failure.
  virtual void Verwijder(const std::string& naam) = 0;
};

}  // namespace kzo
