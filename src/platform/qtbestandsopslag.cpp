#include "platform/qtbestandsopslag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kzo {

namespace {

// A temporary file is "<name>.kzotmp-" followed by this many letters or digits: a pattern
// no file of the user's is likely to have, since the next save of <name> removes what
// matches it and no running save holds.
constexpr std::string_view kTijdelijk = ".kzotmp-";
constexpr std::size_t kWillekeurig = 6;

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Tekst(const QString& sjabloon, const std::string& naam, const QString& reden) {
  return sjabloon.arg(QDir::toNativeSeparators(Q(naam)), reden).toStdString();
}

std::string Willekeurig() {
  static constexpr std::string_view tekens =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::string s;
  for (std::size_t i = 0; i < kWillekeurig; ++i)
    s += tekens[QRandomGenerator::global()->bounded(static_cast<int>(tekens.size()))];
  return s;
}

[[maybe_unused]] bool IsTijdelijkVan(std::string_view naam, std::string_view basis) {
  if (naam.size() != basis.size() + kTijdelijk.size() + kWillekeurig) return false;
  if (!naam.starts_with(basis) || naam.substr(basis.size(), kTijdelijk.size()) != kTijdelijk)
    return false;
  return std::all_of(naam.end() - kWillekeurig, naam.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

QString Beveiligd() {
  return QStringLiteral("Het bestand \"%1\" is schrijfbeveiligd (alleen-lezen).");
}

#if defined(Q_OS_UNIX)
QByteArray Pad(const std::string& naam) { return QFile::encodeName(Q(naam)); }
// The system's own words for errno (in the user's language where the system has it).
QString SysteemReden(int fout) { return QString::fromLocal8Bit(std::strerror(fout)); }

// fsync on a descriptor of its own: a read-only one is enough on POSIX systems.
int SyncPad(const QByteArray& pad, int extraVlaggen) {
  int fd = ::open(pad.constData(), O_RDONLY | O_CLOEXEC | extraVlaggen);
  if (fd < 0) return errno;
  int fout = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return fout;
}

// 0, or the errno of the failure (ENOSPC on a full disk).
int SchrijfAlles(int fd, const std::uint8_t* data, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, data, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (w == 0) return EIO;
    data += w;
    n -= static_cast<std::size_t>(w);
  }
  return 0;
}

bool InMijnGroepen(gid_t groep) {
  if (groep == ::getegid()) return true;
  const int n = ::getgroups(0, nullptr);
  if (n <= 0) return false;
  std::vector<gid_t> groepen(static_cast<std::size_t>(n));
  const int m = ::getgroups(n, groepen.data());
  return m > 0 && std::find(groepen.begin(), groepen.begin() + m, groep) != groepen.begin() + m;
}

// Write-protected as the user sees it: by the write bits, not by access(). Root may write
// any file, but a file without any write bit was protected on purpose; anyone else needs
// the write bit that applies to them.
bool IsSchrijfBeveiligd(const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return true;
  const uid_t ik = ::geteuid();
  if (ik == 0) return false;
  if (st.st_uid == ik) return (st.st_mode & S_IWUSR) == 0;
  if (InMijnGroepen(st.st_gid)) return (st.st_mode & S_IWGRP) == 0;
  return (st.st_mode & S_IWOTH) == 0;
}

// The rights of the new file: those of the one it replaces; a new one those of the umask.
mode_t Rechten(const QByteArray& doel) {
  struct stat st;
  if (::stat(doel.constData(), &st) == 0) return st.st_mode & 07777;
  // The umask can only be read by setting it; the program has one thread.
  const mode_t masker = ::umask(0);
  ::umask(masker);
  return 0666 & ~masker;
}

// Removes the temporary files of earlier saves of basis that were killed: files of ours
// (by name and owner) that no running save holds locked. A save's lock goes with its
// process, so a killed one's file is free; a file that cannot be locked is left alone.
void RuimOudeOp(const QByteArray& map, const std::string& basis) {
  std::vector<std::string> namen;
  if (DIR* d = ::opendir(map.constData())) {
    while (const dirent* e = ::readdir(d))
      if (IsTijdelijkVan(e->d_name, basis)) namen.emplace_back(e->d_name);
    ::closedir(d);
  }
  if (namen.empty()) return;
  const int m = ::open(map.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (m < 0) return;
  for (const std::string& n : namen) {
    struct stat st;
    if (::fstatat(m, n.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    int fd = ::openat(m, n.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) fd = ::openat(m, n.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat geopend;
    if (::fstat(fd, &geopend) == 0 && geopend.st_ino == st.st_ino && geopend.st_dev == st.st_dev &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(m, n.c_str(), 0);
    ::close(fd);
  }
  ::close(m);
}

// Locks the new file (it is in use until renamed), gives it its rights and the bytes.
int Vul(int fd, mode_t rechten, std::span<const std::uint8_t> bytes) {
  ::flock(fd, LOCK_EX);  // without locks (some network folders) it is only not protected
  if (::fchmod(fd, rechten) != 0) return errno;
  return SchrijfAlles(fd, bytes.data(), bytes.size());
}

std::string NieuweNaam(const QByteArray& map, const std::string& basis) {
  return map.toStdString() + "/" + basis + std::string(kTijdelijk) + Willekeurig();
}

std::string ProcPad(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// The unnamed file gets the name naam, or another one of the pattern when that is taken.
int GeefNaam(int fd, const QByteArray& map, const std::string& basis, std::string& naam) {
  const std::string proc = ProcPad(fd);
  for (int poging = 0; poging < 100; ++poging) {
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, naam.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != EEXIST) return errno;
    naam = NieuweNaam(map, basis);
  }
  return EEXIST;
}

// A copy for file systems without hard links, synced; 0 or the errno of the failure.
int Kopieer(const QByteArray& van, const QByteArray& naar) {
  const int in = ::open(van.constData(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  struct stat st;
  int fout = ::fstat(in, &st) == 0 ? 0 : errno;
  const int uit =
      fout ? -1
           : ::open(naar.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777);
  if (!fout && uit < 0) fout = errno;
  std::vector<std::uint8_t> buf(std::size_t{1} << 16);
  while (!fout) {
    const ssize_t n = ::read(in, buf.data(), buf.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fout = errno;
    if (n <= 0) break;
    fout = SchrijfAlles(uit, buf.data(), static_cast<std::size_t>(n));
  }
  if (!fout && ::fsync(uit) != 0) fout = errno;
  if (uit >= 0 && ::close(uit) != 0 && !fout) fout = errno;
  ::close(in);
  if (fout && uit >= 0) ::unlink(naar.constData());
  return fout;
}
#endif

}  // namespace

TQtBestandsOpslag::~TQtBestandsOpslag() {
  while (!open_.empty()) Sluit(open_.begin()->first);
}

void TQtBestandsOpslag::Sluit(const std::string& tijdelijk) {
  auto it = open_.find(tijdelijk);
  if (it == open_.end()) return;
#if defined(Q_OS_UNIX)
  ::close(it->second.fd);
#endif
  open_.erase(it);
}

bool TQtBestandsOpslag::Bestaat(const std::string& naam) {
  QFileInfo fi(Q(naam));
  return fi.exists() && fi.isFile();
}

std::string TQtBestandsOpslag::VolledigeNaam(const std::string& naam) {
  if (naam.empty()) return naam;
  return QFileInfo(Q(naam)).absoluteFilePath().toStdString();
}

std::string TQtBestandsOpslag::EchteNaam(const std::string& naam) {
  // A chain of links ends long before this; a loop of them is left as it is.
  constexpr int kMaxLinks = 40;
  std::string pad = naam;
  for (int i = 0; i < kMaxLinks; ++i) {
#if defined(Q_OS_UNIX)
    const QByteArray p = Pad(pad);
    struct stat st;
    if (::lstat(p.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return pad;
    std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1);
    const ssize_t n = ::readlink(p.constData(), buf.data(), buf.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return pad;
    QString doel = QFile::decodeName(QByteArray(buf.data(), static_cast<int>(n)));
    // A relative target is relative to the link's folder, not to the current one.
    if (const QString map = QFileInfo(Q(pad)).path();
        QDir::isRelativePath(doel) && map != QLatin1String("."))
      doel = map + QLatin1Char('/') + doel;
    pad = doel.toStdString();
#else
    const QFileInfo fi(Q(pad));
    if (!fi.isSymbolicLink()) return pad;
    pad = fi.symLinkTarget().toStdString();
#endif
  }
  return naam;
}

TFout TQtBestandsOpslag::MagVervangen(const std::string& naam) {
#if defined(Q_OS_UNIX)
  struct stat st;
  if (::stat(Pad(naam).constData(), &st) == 0 && S_ISREG(st.st_mode) && IsSchrijfBeveiligd(st))
    return TFout(Beveiligd().arg(QDir::toNativeSeparators(Q(naam))).toStdString(),
                 TFoutSoort::SchrijfBeveiligd);
#else
  const QFileInfo fi(Q(naam));
  if (fi.isFile() && !fi.isWritable())
    return TFout(Beveiligd().arg(QDir::toNativeSeparators(Q(naam))).toStdString(),
                 TFoutSoort::SchrijfBeveiligd);
#endif
  return std::nullopt;
}

TFout TQtBestandsOpslag::LeesBestand(const std::string& naam, std::size_t maxGrootte,
                                     std::vector<std::uint8_t>& bytes) {
  QFile f(Q(naam));
  if (!f.open(QIODevice::ReadOnly))
    return Tekst(QStringLiteral("Kan \"%1\" niet lezen: %2"), naam, f.errorString());
  const qint64 grootte = f.size();
  if (grootte < 0 || static_cast<std::uint64_t>(grootte) > maxGrootte)
    return QStringLiteral("\"%1\" is te groot om te openen.")
        .arg(QDir::toNativeSeparators(Q(naam)))
        .toStdString();
  bytes.resize(static_cast<std::size_t>(grootte));
  qint64 gelezen = grootte == 0 ? 0 : f.read(reinterpret_cast<char*>(bytes.data()), grootte);
  if (gelezen != grootte)
    return Tekst(QStringLiteral("Kan \"%1\" niet lezen: %2"), naam, f.errorString());
  return std::nullopt;
}

TFout TQtBestandsOpslag::SchrijfTijdelijk(const std::string& doel,
                                          std::span<const std::uint8_t> bytes,
                                          std::string& tijdelijk) {
  const QFileInfo fi(Q(doel));
  const QString geenTijdelijk = QStringLiteral("Kan geen tijdelijk bestand maken bij \"%1\": %2");
  const QString schrijven = QStringLiteral("Kan \"%1\" niet schrijven: %2");
#if defined(Q_OS_UNIX)
  const QByteArray map = QFile::encodeName(fi.absolutePath());
  const std::string basis = QFile::encodeName(fi.fileName()).toStdString();
  RuimOudeOp(map, basis);
  const mode_t rechten = Rechten(Pad(doel));

#if defined(O_TMPFILE)
  // Unnamed until the rename: a save killed before it leaves nothing behind. tijdelijk is
  // the name it will get (Hernoem); until then it only stands for the open file. Naming it
  // goes through /proc; without that, a named file from the start.
  if (naamloos_) {
    const int fd = ::open(map.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 && ::access(ProcPad(fd).c_str(), F_OK) != 0) {
      ::close(fd);
    } else if (fd >= 0) {
      if (int fout = Vul(fd, rechten, bytes)) {
        ::close(fd);
        return Tekst(schrijven, doel, SysteemReden(fout));
      }
      tijdelijk =
          QFile::decodeName(QByteArray::fromStdString(NieuweNaam(map, basis))).toStdString();
      open_[tijdelijk] = {fd, doel, true};
      return std::nullopt;
    }
  }
#endif
  int fd = -1;
  std::string naam;
  for (int poging = 0; poging < 100 && fd < 0; ++poging) {
    naam = NieuweNaam(map, basis);
    fd = ::open(naam.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return Tekst(geenTijdelijk, doel, SysteemReden(errno));
  tijdelijk = QFile::decodeName(QByteArray::fromStdString(naam)).toStdString();
  open_[tijdelijk] = {fd, doel};
  if (int fout = Vul(fd, rechten, bytes)) return Tekst(schrijven, doel, SysteemReden(fout));
  return std::nullopt;
#else
  QTemporaryFile tf(fi.absolutePath() + QLatin1Char('/') + fi.fileName() +
                    QString::fromLatin1(kTijdelijk.data(), kTijdelijk.size()) +
                    QStringLiteral("XXXXXX"));
  tf.setAutoRemove(false);
  if (!tf.open()) return Tekst(geenTijdelijk, doel, tf.errorString());
  tijdelijk = tf.fileName().toStdString();
  if (fi.exists()) tf.setPermissions(fi.permissions());
  const auto n = static_cast<qint64>(bytes.size());
  if ((n > 0 && tf.write(reinterpret_cast<const char*>(bytes.data()), n) != n) || !tf.flush())
    return Tekst(schrijven, doel, tf.errorString());
  tf.close();
  if (tf.error() != QFileDevice::NoError) return Tekst(schrijven, doel, tf.errorString());
  return std::nullopt;
#endif
}

TFout TQtBestandsOpslag::Synchroniseer(const std::string& naam) {
#if defined(Q_OS_UNIX)
  const auto it = open_.find(naam);
  const int fout =
      it != open_.end() ? (::fsync(it->second.fd) == 0 ? 0 : errno) : SyncPad(Pad(naam), 0);
  if (fout)
    return Tekst(QStringLiteral("Kan \"%1\" niet op de schijf vastleggen: %2"),
                 it != open_.end() ? it->second.doel : naam, SysteemReden(fout));
#else
  (void)naam;  // no portable way; the rename below is still what keeps the old file safe
#endif
  return std::nullopt;
}

TFout TQtBestandsOpslag::MaakKopie(const std::string& van, const std::string& naar) {
  const QString sjabloon = QStringLiteral("Kan de reservekopie \"%1\" niet maken: %2");
#if defined(Q_OS_UNIX)
  if (::link(Pad(van).constData(), Pad(naar).constData()) == 0) return std::nullopt;
  int fout = errno;
  // File systems without hard links get a copy.
  if (fout == EXDEV || fout == EPERM || fout == ENOTSUP || fout == EOPNOTSUPP || fout == EMLINK ||
      fout == ENOSYS)
    fout = Kopieer(Pad(van), Pad(naar));
  if (fout) return Tekst(sjabloon, naar, SysteemReden(fout));
  return std::nullopt;
#else
  QFile f(Q(van));
  if (!f.copy(Q(naar))) return Tekst(sjabloon, naar, f.errorString());
  return std::nullopt;
#endif
}

namespace {

// Without a data folder of the user's, Qt's trash can end up in the current folder;
// a plain delete is better there.
bool PrullenbakBruikbaar() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return !data.isEmpty() && QDir::isAbsolutePath(data) && QFileInfo(data).isDir();
}

}  // namespace

TFout TQtBestandsOpslag::NaarPrullenbak(const std::string& naam) {
  QFile f(Q(naam));
  if ((PrullenbakBruikbaar() && f.moveToTrash()) || f.remove()) return std::nullopt;
  return Tekst(QStringLiteral("Kan de oude reservekopie \"%1\" niet verwijderen: %2"), naam,
               f.errorString());
}

TFout TQtBestandsOpslag::Hernoem(const std::string& van, const std::string& naar) {
#if defined(Q_OS_UNIX)
  const QString sjabloon = QStringLiteral("Kan \"%1\" niet vervangen: %2");
  std::string bron = Pad(van).toStdString();
  const auto it = open_.find(van);
  const bool naamloos = it != open_.end() && it->second.naamloos;
  if (naamloos) {
    // The name comes only now, just before the rename: the moment in which a killed save
    // leaves a temporary file (for the next save to remove) is as short as it gets. The
    // name may differ from van when that one was taken meanwhile.
    const QFileInfo fi(Q(naar));
    if (int fout = GeefNaam(it->second.fd, QFile::encodeName(fi.absolutePath()),
                            QFile::encodeName(fi.fileName()).toStdString(), bron))
      return Tekst(sjabloon, naar, SysteemReden(fout));
  }
  if (::rename(bron.c_str(), Pad(naar).constData()) != 0) {
    const int fout = errno;
    if (naamloos) ::unlink(bron.c_str());  // unnamed again: Verwijder only closes it
    return Tekst(sjabloon, naar, SysteemReden(fout));
  }
#else
  // Not atomic: a Windows build needs MoveFileEx with MOVEFILE_REPLACE_EXISTING here.
  QFile::remove(Q(naar));
  QFile f(Q(van));
  if (!f.rename(Q(naar)))
    return Tekst(QStringLiteral("Kan \"%1\" niet vervangen: %2"), naar, f.errorString());
#endif
  Sluit(van);  // in place: the lock of a running save goes
  return std::nullopt;
}

TFout TQtBestandsOpslag::SynchroniseerMap(const std::string& naam) {
#if defined(Q_OS_UNIX)
  const QString map = QFileInfo(Q(naam)).absolutePath();
  int fout = SyncPad(QFile::encodeName(map), O_DIRECTORY);
  // Some file systems cannot sync a folder; the rename is then as safe as they make it.
  if (fout != 0 && fout != EINVAL && fout != ENOTSUP && fout != EOPNOTSUPP)
    return Tekst(QStringLiteral("Kan de map van \"%1\" niet op de schijf vastleggen: %2"), naam,
                 SysteemReden(fout));
#else
  (void)naam;
#endif
  return std::nullopt;
}

void TQtBestandsOpslag::Verwijder(const std::string& naam) {
  // An unnamed file has nothing on disk to remove: closing it is enough.
  const auto it = open_.find(naam);
  if (it == open_.end() || !it->second.naamloos) QFile::remove(Q(naam));
  Sluit(naam);
}

}  // namespace kzo
