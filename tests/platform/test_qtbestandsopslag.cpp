#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    EXPECT_EQ(comp.Gewijzigd, 1);
  }
}

}  // namespace
}  // namespace kzo
