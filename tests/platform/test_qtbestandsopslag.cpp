#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include "core/file/bestand.h"
#include "nepopslag.h"  // how failures print
#include "platform/qtbestandsopslag.h"
#include "testbestanden.h"

namespace kzo {
namespace {

QByteArray Inhoud(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Namen(const QString& map) {
  return QDir(map).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class OpslagTest : public ::testing::Test {
 protected:
  OpslagTest() { test::VulCompetitie(comp, true); }

  TFout Bewaar(const QString& pad) {
    comp.MarkeerGewijzigd(1);
    return BestandBewaren(comp, pad.toStdString(), comp.Club.Lettertype, klok, opslag,
                          instellingen);
  }

  QTemporaryDir map;
  TCompetitie comp;
  TQtBestandsOpslag opslag;
  TGeheugenInstellingen instellingen;
  TVasteKlok klok{test::kMaakMoment};
};

TEST_F(OpslagTest, SavingKeepsTheBackupAndTrashesTheOlderOne) {
  const QString naam = map.filePath("uitslag.kzo");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  const QByteArray eerste = Inhoud(naam);
  EXPECT_EQ(Namen(map.path()), QStringList{"uitslag.kzo"});
  QFile::setPermissions(naam, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

  comp.Club.Clubnaam.Set("Tweede");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  const QByteArray tweede = Inhoud(naam);
  EXPECT_EQ(Namen(map.path()), (QStringList{"uitslag.BAK", "uitslag.kzo"}));
  EXPECT_EQ(Inhoud(map.filePath("uitslag.BAK")), eerste);
  EXPECT_EQ(QFile::permissions(naam) & 0x7077,  // Qt's owner/group/other bits
            (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup) & 0x7077);

  comp.Club.Clubnaam.Set("Derde");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  EXPECT_EQ(Namen(map.path()), (QStringList{"uitslag.BAK", "uitslag.kzo"}));
  EXPECT_EQ(Inhoud(map.filePath("uitslag.BAK")), tweede);
  EXPECT_EQ(comp.Gewijzigd(), 0);
  EXPECT_EQ(instellingen.Teksten["LastFile"], naam.toStdString());

  // The oldest version went to the trash.
  const QString prullenbak =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
  bool gevonden = false;
  for (QDirIterator it(prullenbak, QDir::Files); it.hasNext();)
    gevonden = gevonden || Inhoud(it.next()) == eerste;
  EXPECT_TRUE(gevonden) << prullenbak.toStdString();

  TCompetitie terug;
  TLaadUitslag u = BestandLaden(terug, naam.toStdString(), opslag, instellingen);
  EXPECT_TRUE(u.ok);
  EXPECT_EQ(terug.Club.Clubnaam.Get(), "Derde");
}

TEST_F(OpslagTest, AFailedSaveLeavesNoTemporaryFile) {
  // The folder does not exist: nothing can be written.
  TFout f = Bewaar(map.filePath("weg/uitslag.kzo"));
  ASSERT_TRUE(f.has_value());
  EXPECT_NE(f->find("weg"), std::string::npos) << *f;
  EXPECT_TRUE(Namen(map.path()).isEmpty());

  // A folder where the file should be: written and synced, but the rename fails.
  ASSERT_TRUE(QDir(map.path()).mkdir("bezet.kzo"));
  f = Bewaar(map.filePath("bezet.kzo"));
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(Namen(map.path()), QStringList{"bezet.kzo"});
  EXPECT_EQ(comp.Gewijzigd(), 1);
  EXPECT_EQ(comp.Bestandsnaam, "");
}

TEST_F(OpslagTest, ReadingChecksTheLimit) {
  const QString naam = map.filePath("x.kzo");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  std::vector<std::uint8_t> bytes;
  EXPECT_EQ(opslag.LeesBestand(naam.toStdString(), 1u << 20, bytes), std::nullopt);
  EXPECT_EQ(bytes.size(), static_cast<std::size_t>(QFileInfo(naam).size()));
  EXPECT_TRUE(opslag.LeesBestand(naam.toStdString(), 100, bytes).has_value());
  EXPECT_FALSE(opslag.Bestaat(map.path().toStdString()));  // a folder is no file
}

QByteArray Bytes(const std::vector<std::uint8_t>& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// The temporary files of a save of uitslag.kzo in map.
QStringList Tijdelijk(const QString& map) {
  return Namen(map).filter(QRegularExpression("^uitslag\\.kzo\\.kzotmp-[A-Za-z0-9]{6}$"));
}

TEST_F(OpslagTest, SavingThroughALinkKeepsTheLink) {
  ASSERT_TRUE(QDir(map.path()).mkdir("data"));
  const QString echt = map.filePath("data/seizoen.kzo");
  ASSERT_EQ(Bewaar(echt), std::nullopt);
  const QByteArray eerste = Inhoud(echt);
  const QString link = map.filePath("uitslag.kzo");
  ASSERT_EQ(::symlink("data/seizoen.kzo", QFile::encodeName(link).constData()), 0);

  comp.Club.Clubnaam.Set("Tweede");
  ASSERT_EQ(Bewaar(link), std::nullopt);
  EXPECT_TRUE(QFileInfo(link).isSymbolicLink());
  char doel[64] = {};
  EXPECT_EQ(std::string(doel, ::readlink(QFile::encodeName(link).constData(), doel, sizeof doel)),
            "data/seizoen.kzo");
  EXPECT_EQ(Namen(map.path()), (QStringList{"data", "uitslag.kzo"}));
  EXPECT_EQ(Namen(map.filePath("data")), (QStringList{"seizoen.BAK", "seizoen.kzo"}));
  EXPECT_FALSE(QFileInfo(map.filePath("data/seizoen.BAK")).isSymbolicLink());
  EXPECT_EQ(Inhoud(map.filePath("data/seizoen.BAK")), eerste);
  TCompetitie terug;
  ASSERT_TRUE(BestandLaden(terug, link.toStdString(), opslag, instellingen).ok);
  EXPECT_EQ(terug.Club.Clubnaam.Get(), "Tweede");
  EXPECT_EQ(comp.Bestandsnaam, link.toStdString());
  EXPECT_EQ(instellingen.Teksten["LastFile"], link.toStdString());
}

// Mode 0444 is refused also for root, who could write the file: the mode bits decide.
TEST_F(OpslagTest, AWriteProtectedFileIsRefusedAndLeftAlone) {
  const QString naam = map.filePath("uitslag.kzo");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  const QByteArray eerste = Inhoud(naam);
  comp.Club.Clubnaam.Set("Tweede");
  ASSERT_EQ(Bewaar(naam), std::nullopt);
  const QByteArray tweede = Inhoud(naam);
  ASSERT_EQ(::chmod(QFile::encodeName(naam).constData(), 0444), 0);
  const QString link = map.filePath("link.kzo");
  ASSERT_EQ(::symlink("uitslag.kzo", QFile::encodeName(link).constData()), 0);

  comp.Club.Clubnaam.Set("Derde");
  for (const QString& als : {naam, link}) {
    const TFout f = Bewaar(als);
    ASSERT_TRUE(f.has_value()) << als.toStdString();
    EXPECT_TRUE(f.SchrijfBeveiligd());
    EXPECT_NE(f->find("schrijfbeveiligd"), std::string::npos) << *f;
    EXPECT_NE(f->find(naam.toStdString()), std::string::npos) << *f;
    EXPECT_EQ(Inhoud(naam), tweede);
    EXPECT_EQ(Inhoud(map.filePath("uitslag.BAK")), eerste);
    EXPECT_EQ(Namen(map.path()), (QStringList{"link.kzo", "uitslag.BAK", "uitslag.kzo"}));
    EXPECT_TRUE(QFileInfo(link).isSymbolicLink());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(naam).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(comp.Gewijzigd(), 1);
  }
}

// A write that fails as on a full disk: the system's reason and the user's file, never the
// temporary file. A file size limit makes the write fail for real (EFBIG, as ENOSPC would).
TEST_F(OpslagTest, AFailedWriteNamesTheSystemsReasonAndTheUsersFile) {
  const QString naam = map.filePath("uitslag.kzo");
  for (bool naamloos : {true, false}) {
    TQtBestandsOpslag o(naamloos);
    struct rlimit oud;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oud), 0);
    struct rlimit klein = oud;
    klein.rlim_cur = 1024;  // the competition takes a few kilobytes
    auto signaal = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    comp.MarkeerGewijzigd(1);
    const TFout f =
        BestandBewaren(comp, naam.toStdString(), comp.Club.Lettertype, klok, o, instellingen);
    ::setrlimit(RLIMIT_FSIZE, &oud);
    ::signal(SIGXFSZ, signaal);

    ASSERT_TRUE(f.has_value()) << naamloos;
    EXPECT_FALSE(f.SchrijfBeveiligd());
    EXPECT_NE(f->find("\"" + naam.toStdString() + "\""), std::string::npos) << *f;
    EXPECT_NE(f->find(std::strerror(EFBIG)), std::string::npos) << *f;
    EXPECT_EQ(f->find("kzotmp"), std::string::npos) << *f;
    EXPECT_EQ(f->find("Unknown error"), std::string::npos) << *f;
    EXPECT_TRUE(Namen(map.path()).isEmpty()) << Namen(map.path()).join(' ').toStdString();
    EXPECT_EQ(comp.Gewijzigd(), 1);
  }
}

// Temporary files that killed saves of the same file left go with the next save, whether
// that one writes an unnamed or a named file. A save still running (here: another storage
// object between its write and its rename), files of other names and files of the user's
// that merely look alike stay.
TEST_F(OpslagTest, StaleTemporaryFilesOfTheSameFileGo) {
  for (bool naamloos : {true, false}) {
    const QString sub = map.filePath(naamloos ? "naamloos" : "benoemd");
    ASSERT_TRUE(QDir().mkpath(sub));
    const QString naam = sub + "/uitslag.kzo";
    TQtBestandsOpslag o(naamloos);
    const QStringList blijven = {"ander.kzo.kzotmp-Oud123", "uitslag.kzo.kzotmp-Oud12",
                                 "uitslag.kzo.kzotmp-Oud1234", "uitslag.kzo.bewaar"};
    for (const QString& n : blijven + QStringList{"uitslag.kzo.kzotmp-Oud123"}) {
      QFile f(sub + "/" + n);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("half");
    }
    TQtBestandsOpslag lopend(false);  // a named file, so that it is there to be seen
    std::string bezig;
    const std::vector<std::uint8_t> inhoud{1, 2, 3};
    ASSERT_EQ(lopend.SchrijfTijdelijk(naam.toStdString(), inhoud, bezig), std::nullopt);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(bezig)));

    comp.MarkeerGewijzigd(1);
    ASSERT_EQ(BestandBewaren(comp, naam.toStdString(), comp.Club.Lettertype, klok, o, instellingen),
              std::nullopt);
    QStringList verwacht =
        blijven + QStringList{"uitslag.kzo", QFileInfo(QString::fromStdString(bezig)).fileName()};
    verwacht.sort();
    EXPECT_EQ(Namen(sub), verwacht) << naamloos;

    // Once that save is over, its file is in place and nothing of it is left.
    ASSERT_EQ(lopend.Hernoem(bezig, naam.toStdString()), std::nullopt);
    EXPECT_EQ(Inhoud(naam), QByteArray("\x01\x02\x03"));
    EXPECT_TRUE(Tijdelijk(sub).isEmpty());
  }
}

// A saving process killed at random moments, again and again: the file is always a whole
// old or new competition, the backup too, and temporary files never pile up; the next save
// removes what the killed ones left.
TEST_F(OpslagTest, KilledSavesLeaveWholeFilesAndNoPileOfTemporaryFiles) {
  // Large enough that a kill often lands inside the write.
  TCompetitie a, b;
  for (TCompetitie* c : {&a, &b}) {
    test::VulCompetitie(*c, true);
    test::VoegKlasseToe(*c, "Groot", 300, 30);
  }
  b.Club.Clubnaam.Set("Tweede");
  const QByteArray oud = Bytes(BestandBytes(a, a.Club.Lettertype, klok));
  const QByteArray nieuw = Bytes(BestandBytes(b, b.Club.Lettertype, klok));
  ASSERT_NE(oud, nieuw);
  std::mt19937 toeval(11);
  for (bool naamloos : {true, false}) {
    const QString sub = map.filePath(naamloos ? "naamloos" : "benoemd");
    ASSERT_TRUE(QDir().mkpath(sub));
    const std::string naam = (sub + "/uitslag.kzo").toStdString();
    {
      TQtBestandsOpslag o(naamloos);
      ASSERT_EQ(BestandBewaren(a, naam, a.Club.Lettertype, klok, o, instellingen), std::nullopt);
    }
    int midden = 0;  // kills that left a temporary file: the write was under way
    for (int i = 0; i < 30; ++i) {
      const pid_t pid = ::fork();
      ASSERT_GE(pid, 0);
      if (pid == 0) {
        TQtBestandsOpslag o(naamloos);
        TGeheugenInstellingen eigen;
        for (int n = 0;; ++n) {
          TCompetitie& c = n % 2 ? a : b;
          if (BestandBewaren(c, naam, c.Club.Lettertype, klok, o, eigen)) ::_exit(3);
        }
      }
      std::this_thread::sleep_for(std::chrono::microseconds(1000 + toeval() % 30000));
      ::kill(pid, SIGKILL);
      int status = 0;
      ::waitpid(pid, &status, 0);
      ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process stopped by itself: " << status;

      const QByteArray nu = Inhoud(QString::fromStdString(naam));
      EXPECT_TRUE(nu == oud || nu == nieuw) << "kill " << i << ": " << nu.size() << " bytes";
      const QString bak = sub + "/uitslag.BAK";
      if (QFileInfo::exists(bak)) {
        const QByteArray b2 = Inhoud(bak);
        EXPECT_TRUE(b2 == oud || b2 == nieuw) << "backup after kill " << i;
      }
      const QStringList tijdelijk = Tijdelijk(sub);
      EXPECT_LE(tijdelijk.size(), 1) << tijdelijk.join(' ').toStdString();
      midden += static_cast<int>(tijdelijk.size());
      for (const QString& n : Namen(sub))
        EXPECT_TRUE(n == "uitslag.kzo" || n == "uitslag.BAK" || tijdelijk.contains(n))
            << n.toStdString();
    }
    TQtBestandsOpslag o(naamloos);
    ASSERT_EQ(BestandBewaren(a, naam, a.Club.Lettertype, klok, o, instellingen), std::nullopt);
    EXPECT_EQ(Namen(sub), (QStringList{"uitslag.BAK", "uitslag.kzo"})) << naamloos;
    RecordProperty(naamloos ? "naamloos_midden" : "benoemd_midden", midden);
  }
}

}  // namespace
}  // namespace kzo
