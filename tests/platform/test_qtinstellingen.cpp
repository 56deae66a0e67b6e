#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/file/gebruikersinstellingen.h"
#include "platform/qtinstellingen.h"

namespace kzo {
namespace {

TEST(QtInstellingen, ValuesKeepTheirNamesAndTypes) {
  QTemporaryDir map;
  const QString ini = map.filePath("kzo.ini");
  {
    TQtInstellingen s(ini);
    SchrijfGetal(s, kKzoOptie, 0x21);
    SchrijfTekst2(s, kKzoMap, "/opt/kzo");
    SchrijfTekst2(s, kLastFile, "/d/één.kzo");
    SchrijfVenster(s, TVenster{1, 2, 300, 400, 2});
  }
  TQtInstellingen s(ini);
  EXPECT_EQ(StartActie(s), 1);
  EXPECT_TRUE(KnoppenbalkZichtbaar(s));
  EXPECT_EQ(ProgrammaMap(s, "/x"), "/opt/kzo/");
  EXPECT_EQ(LeesTekst2(s, kLastFile), "/d/één.kzo");
  TVenster v;
  ASSERT_TRUE(LeesVenster(s, v));
  EXPECT_EQ(v.Height, 300);
  EXPECT_EQ(v.State, 2);
  // Another type under the name reads as missing.
  EXPECT_EQ(LeesGetal(s, kKzoMap), 0);
  EXPECT_EQ(s.LeesBinair(kKzoMap), std::nullopt);
  EXPECT_EQ(s.LeesTekst(kFormSet), std::nullopt);
}

TEST(QtInstellingen, TheUsersStoreIsNamedAfterTheProgram) {
  QTemporaryDir map;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, map.path());
  TQtInstellingen s;
  BewaarLaatsteBestand(s, "/d/x.kzo");
  EXPECT_TRUE(QFileInfo::exists(map.filePath("PYM_Wendaron/KZO.conf")));
  EXPECT_EQ(LeesTekst2(s, kLastFile), "/d/x.kzo");
}

TEST(QtInstellingen, AStoreThatCannotBeWrittenFailsWithTheText) {
  QTemporaryDir map;
  QFile blok(map.filePath("bestand"));
  ASSERT_TRUE(blok.open(QIODevice::WriteOnly));
  blok.close();
  TQtInstellingen s(map.filePath("bestand/kzo.ini"));  // its folder is a file
  EXPECT_EQ(LeesGetal(s, kKzoOptie), 0);
  try {
    SchrijfGetal(s, kKzoOptie, 1);
    FAIL() << "no failure";
  } catch (const TInstellingenFout& e) {
    EXPECT_STREQ(e.what(), "Kan de instellingen niet bewaren in registry");
  }
}

}  // namespace
}  // namespace kzo
