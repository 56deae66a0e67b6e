#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/file/gebruikersinstellingen.h"
#include "core/records/datum.h"
#include "scriptgebruiker.h"
#include "ui/dialogs/algemeen/overkzo.h"
#include "ui/dialogs/algemeen/setextra.h"

namespace kzo {
namespace {

int GekozenActie(const TSetExtra& d) {
  for (int i = 0; i < 3; ++i)
    if (d.RadioGroup1[static_cast<std::size_t>(i)]->isChecked()) return i;
  return -1;
}

TEST(SetExtra, LoadShowsTheStoredSettings) {
  struct Geval {
    std::int32_t optie;
    int actie;
    bool verberg, bewaarVenster;
  } gevallen[] = {
      {0x00, 0, false, true},
      {0x21, 1, false, false},  // open dialog at start, tool bar shown, placement not kept
      {0x12, 2, true, true},
      {0x03, 0, false, true},  // action 3 acts as none
  };
  for (const auto& c : gevallen) {
    TGeheugenInstellingen inst;
    TScriptGebruiker g;
    inst.Getallen[kKzoOptie] = c.optie;
    inst.Teksten[kKzoWork] = "/data/kzo";
    inst.Teksten[kKzoMap] = "/opt/kzo/";
    TSetExtra d(inst, g);
    d.Laden();
    EXPECT_EQ(c.actie, GekozenActie(d)) << c.optie;
    EXPECT_EQ(c.verberg, d.CheckBox1->isChecked()) << c.optie;
    EXPECT_EQ(c.bewaarVenster, d.CheckBox2->isChecked()) << c.optie;
    EXPECT_EQ(QStringLiteral("/data/kzo"), d.Edit1->text());
    EXPECT_EQ(QStringLiteral("/opt/kzo/"), d.Edit2->text());
  }
}

TEST(SetExtra, ApplyWritesOptionWordAndFolders) {
  TGeheugenInstellingen inst;
  TScriptGebruiker g;
  TSetExtra d(inst, g);
  d.Laden();  // nothing stored: none, tool bar shown, placement kept
  EXPECT_EQ(0, GekozenActie(d));
  EXPECT_TRUE(d.CheckBox2->isChecked());
  d.RadioGroup1[2]->setChecked(true);
  d.CheckBox1->setChecked(true);
  d.CheckBox2->setChecked(false);
  // The folder buttons go through the folder browser; cancelling keeps the text.
  g.bestanden.push_back(QStringLiteral("/home/club/kzo"));
  g.bestanden.push_back(std::nullopt);
  d.Button1->click();
  d.Edit2->setText(QStringLiteral("/opt/kzo"));
  d.Button2->click();
  EXPECT_EQ((std::vector<QString>{QStringLiteral("Werkmap, locatie voor KZO gegevens"),
                                  QStringLiteral("Map van KZO hulp bestanden")}),
            g.bestandsvragen);
  EXPECT_TRUE(d.Toepassen());
  EXPECT_EQ(2 | KzoVerbergKnoppenbalk | KzoPlaatsingNiet, inst.Getallen.at(kKzoOptie));
  EXPECT_EQ("/home/club/kzo", inst.Teksten.at(kKzoWork));
  EXPECT_EQ("/opt/kzo", inst.Teksten.at(kKzoMap));
  EXPECT_FALSE(KnoppenbalkZichtbaar(inst));

  // Loaded again, the dialog shows what was written.
  TSetExtra d2(inst, g);
  d2.Laden();
  EXPECT_EQ(2, GekozenActie(d2));
  EXPECT_TRUE(d2.CheckBox1->isChecked());
  EXPECT_FALSE(d2.CheckBox2->isChecked());
}

TEST(SetExtra, OkCancelAndHelp) {
  TGeheugenInstellingen inst;
  TScriptGebruiker g;
  TSetExtra d(inst, g);
  d.Laden();
  int hulp = 0;
  QObject::connect(&d, &TSetExtra::Hulp, [&](int c) { hulp = c; });
  d.HelpKnop->click();
  EXPECT_EQ(570, hulp);
  // F1 asks for the same page while the dialog is the active window.
  hulp = 0;
  d.show();
  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  QTest::keyClick(&d, Qt::Key_F1);
  EXPECT_EQ(570, hulp);
  d.hide();

  d.AnnuleerKnop->click();
  EXPECT_EQ(QDialog::Rejected, d.result());
  EXPECT_TRUE(inst.Getallen.empty());

  // A store that cannot be written: the failure is shown and the dialog stays.
  inst.SchrijvenFaalt = true;
  d.OkKnop->click();
  ASSERT_EQ(1u, g.fouten.size());
  EXPECT_EQ(QString::fromUtf8(kInstellingenFout), g.fouten[0]);
  EXPECT_EQ(QDialog::Rejected, d.result());
  inst.SchrijvenFaalt = false;
  d.OkKnop->click();
  EXPECT_EQ(QDialog::Accepted, d.result());
  EXPECT_EQ(0, inst.Getallen.at(kKzoOptie));
}

TEST(OverKzo, FileLinesWithDatesAndCounts) {
  TCompetitie comp;
  comp.Bestandsnaam = "/data/club.kzo";
  comp.Club.IDnummer = NaarStempel(TDatumTijd{2024, 3, 5, 14, 7, 0});
  comp.Club.UpDate = 0;  // never saved
  TScriptGebruiker g;
  ToverKzo d(comp, 4, 97, g);
  EXPECT_EQ((QStringList{QStringLiteral("Bestand : /data/club.kzo"),
                         QStringLiteral("Aangemaakt op : 05-03-2024  14:07"),
                         QStringLiteral("Laatste bewerkt : "), QStringLiteral("Aantal klassen : 4"),
                         QStringLiteral("Aantal rijders : 97")}),
            d.BestandsRegels());
}

}  // namespace
}  // namespace kzo
