#include "platform/qtbestandsopslag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kzo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Tekst(const QString& sjabloon, const std::string& naam, const QString& reden) {
  return sjabloon.arg(QDir::toNativeSeparators(Q(naam)), reden).toStdString();
}

QString Beveiligd() {
  return QStringLiteral("Het bestand \"%1\" is schrijfbeveiligd (alleen-lezen).");
}

#if defined(Q_OS_UNIX)
QByteArray Pad(const std::string& naam) { return QFile::encodeName(Q(naam)); }
QString SysteemReden(int fout) { return QString::fromLocal8Bit(std::strerror(fout)); }

// fsync on a descriptor of its own: a read-only one is enough on POSIX systems.
int SyncPad(const QByteArray& pad, int extraVlaggen) {
  int fd = ::open(pad.constData(), O_RDONLY | O_CLOEXEC | extraVlaggen);
  if (fd < 0) return errno;
  int fout = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return fout;
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
#endif

}  // namespace

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
    if (QDir::isRelativePath(doel)) doel = QFileInfo(Q(pad)).path() + QLatin1Char('/') + doel;
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
  QTemporaryFile tf(fi.absolutePath() + QLatin1Char('/') + fi.fileName() +
                    QStringLiteral(".XXXXXX"));
  tf.setAutoRemove(false);
  if (!tf.open())
    return Tekst(QStringLiteral("Kan geen tijdelijk bestand maken bij \"%1\": %2"), doel,
                 tf.errorString());
  tijdelijk = tf.fileName().toStdString();
  // The new file takes the rights of the one it replaces; a new one those of the umask.
#if defined(Q_OS_UNIX)
  mode_t rechten;
  struct stat st;
  if (::stat(Pad(doel).constData(), &st) == 0) {
    rechten = st.st_mode & 07777;
  } else {
    // The umask can only be read by setting it; the program has one thread.
    mode_t masker = ::umask(0);
    ::umask(masker);
    rechten = 0666 & ~masker;
  }
  if (::fchmod(tf.handle(), rechten) != 0)
    return Tekst(QStringLiteral("Kan \"%1\" niet schrijven: %2"), tijdelijk, SysteemReden(errno));
#else
  if (fi.exists()) tf.setPermissions(fi.permissions());
#endif
  const auto n = static_cast<qint64>(bytes.size());
  if ((n > 0 && tf.write(reinterpret_cast<const char*>(bytes.data()), n) != n) || !tf.flush())
    return Tekst(QStringLiteral("Kan \"%1\" niet schrijven: %2"), tijdelijk, tf.errorString());
  tf.close();
  if (tf.error() != QFileDevice::NoError)
    return Tekst(QStringLiteral("Kan \"%1\" niet schrijven: %2"), tijdelijk, tf.errorString());
  return std::nullopt;
}

TFout TQtBestandsOpslag::Synchroniseer(const std::string& naam) {
#if defined(Q_OS_UNIX)
  if (int fout = SyncPad(Pad(naam), 0))
    return Tekst(QStringLiteral("Kan \"%1\" niet op de schijf vastleggen: %2"), naam,
                 SysteemReden(fout));
#else
  (void)naam;  // no portable way; the rename below is still what keeps the old file safe
#endif
  return std::nullopt;
}

TFout TQtBestandsOpslag::MaakKopie(const std::string& van, const std::string& naar) {
#if defined(Q_OS_UNIX)
  if (::link(Pad(van).constData(), Pad(naar).constData()) == 0) return std::nullopt;
  const int fout = errno;
  // File systems without hard links get a copy.
  if (fout != EXDEV && fout != EPERM && fout != ENOTSUP && fout != EOPNOTSUPP && fout != EMLINK &&
      fout != ENOSYS)
    return Tekst(QStringLiteral("Kan de reservekopie \"%1\" niet maken: %2"), naar,
                 SysteemReden(fout));
#endif
  QFile f(Q(van));
  if (!f.copy(Q(naar)))
    return Tekst(QStringLiteral("Kan de reservekopie \"%1\" niet maken: %2"), naar,
                 f.errorString());
  if (TFout s = Synchroniseer(naar)) {
    QFile::remove(Q(naar));
    return s;
  }
  return std::nullopt;
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
  if (::rename(Pad(van).constData(), Pad(naar).constData()) != 0)
    return Tekst(QStringLiteral("Kan \"%1\" niet vervangen: %2"), naar, SysteemReden(errno));
#else
  // Not atomic: a Windows build needs MoveFileEx with MOVEFILE_REPLACE_EXISTING here.
  QFile::remove(Q(naar));
  QFile f(Q(van));
  if (!f.rename(Q(naar)))
    return Tekst(QStringLiteral("Kan \"%1\" niet vervangen: %2"), naar, f.errorString());
#endif
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

void TQtBestandsOpslag::Verwijder(const std::string& naam) { QFile::remove(Q(naam)); }

}  // namespace kzo
