#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kzo {

// What kind of failure a disk step had, where the caller can offer a way out.
enum class TFoutSoort {
  Algemeen,
  SchrijfBeveiligd,  // the file may not be replaced: the program can offer "Bewaar als"
};

// The failure of a disk step, as the user should read it; none = it worked. Used as the
// optional text it is; Soort tells a refusal the caller can do something about apart.
class TFout : public std::optional<std::string> {
 public:
  using std::optional<std::string>::optional;
  TFout() = default;
  TFout(std::string tekst, TFoutSoort soort)
      : std::optional<std::string>(std::move(tekst)), Soort(soort) {}

  bool SchrijfBeveiligd() const { return has_value() && Soort == TFoutSoort::SchrijfBeveiligd; }

  TFoutSoort Soort = TFoutSoort::Algemeen;
};

// The disk steps of opening and saving a competition. The program uses the platform's
// files; tests use a fake that can fail at any step.
class IBestandsOpslag {
 public:
  virtual ~IBestandsOpslag() = default;

  // A regular file of that name exists.
  virtual bool Bestaat(const std::string& naam) = 0;
  // The name as a full path (a relative one taken from the current folder), for names
  // that must mean the same file later and elsewhere ("LastFile").
  virtual std::string VolledigeNaam(const std::string& naam) = 0;
  // The file a name stands for: a symbolic link followed, to the end of a chain of them, to
  // the file it points to; any other name as it is. Saving works on that file, so that a
  // link stays a link.
  virtual std::string EchteNaam(const std::string& naam) = 0;
  // None when an existing file naam may be replaced; a write-protected one gives a failure
  // of the kind TFoutSoort::SchrijfBeveiligd.
  virtual TFout MagVervangen(const std::string& naam) = 0;
  // The whole file; a file larger than maxGrootte is a failure.
  virtual TFout LeesBestand(const std::string& naam, std::size_t maxGrootte,
                            std::vector<std::uint8_t>& bytes) = 0;
  // A new file in the folder of doel holding the bytes. tijdelijk gets its name as soon
  // as it exists, also when writing fails afterwards, so the caller can remove it. Failures
  // name doel, the user's file, not the temporary one.
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
