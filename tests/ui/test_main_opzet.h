#pragma once

// A main window on scripted prompts, settings in memory and the real disk, with
// competitions built in code.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "bouwer.h"
#include "core/file/bestand.h"
#include "core/file/instellingenopslag.h"
#include "core/model/competitie.h"
#include "core/records/datum.h"
#include "omgeving.h"
#include "platform/qtbestandsopslag.h"
#include "scriptgebruiker.h"
#include "ui/main/commando/commando.h"
#include "ui/main/venster/mainform.h"

namespace kzo::test {

// A competition "MX Club Test" with the classes MX1 (5 riders, 3 results) and
// Jeugd (3 riders, no results).
inline void VulCompetitie(TCompetitie& comp, const TKlok& klok) {
  comp.StandaardInstellingen(DatumNu(klok));
  comp.Club.Clubnaam.Set("MX Club Test");
  comp.Tabs.clear();
  VoegKlasse(comp, "MX1", 5, 3);
  VoegKlasse(comp, "Jeugd", 3, 0);
}

inline bool SchrijfBytes(const QString& naam, const std::vector<std::uint8_t>& bytes) {
  QFile f(naam);
  return f.open(QIODevice::WriteOnly) &&
         f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
}

inline QByteArray LeesBytes(const QString& naam) {
  QFile f(naam);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class HoofdvensterTest : public ::testing::Test {
 protected:
  TScriptGebruiker g;
  TGeheugenInstellingen inst;
  TQtBestandsOpslag disk;
  TVasteKlok klok{TDatumTijd{2024, 3, 5, 14, 7, 0}};
  QTemporaryDir map;
  std::unique_ptr<TMainForm> f = std::make_unique<TMainForm>(g, inst, disk, klok);

  // An old backup goes to the trash: keep that trash inside the test's own folder.
  void SetUp() override {
    oudeDataMap_ = qgetenv("XDG_DATA_HOME");
    QDir(map.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(map.filePath(QStringLiteral("data"))));
  }
  void TearDown() override { qputenv("XDG_DATA_HOME", oudeDataMap_); }

  TContext& Ctx() { return f->Context(); }
  TCompetitie& Comp() { return f->Context().Competitie(); }
  void Trigger(int nr) { f->Commando().Actie(nr)->trigger(); }
  bool Aan(int nr) { return f->Commando().Actie(nr)->isEnabled(); }

  QString Pad(const QString& naam) const { return map.filePath(naam); }

  // Writes the test competition to a file and returns its name.
  QString MaakBestand(const QString& naam) {
    TCompetitie comp;
    VulCompetitie(comp, klok);
    const auto bytes = BestandBytes(comp, comp.Club.Lettertype, klok);
    const QString pad = Pad(naam);
    EXPECT_TRUE(SchrijfBytes(pad, bytes));
    return pad;
  }

  void Open(const QString& pad) {
    f->Opstarten(QStringLiteral("kzobaan ") + pad, {pad});
    ASSERT_EQ(S(pad), Comp().Bestandsnaam);
  }

 private:
  QByteArray oudeDataMap_;
};

}  // namespace kzo::test
