#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <cstring>

#include "bouwer.h"
#include "core/records/instellingen.h"
#include "omgeving.h"
#include "ui/dialogs/club/clubdata.h"
#include "ui/dialogs/club/newfile.h"
#include "ui/dialogs/club/rekavan.h"
#include "ui/widgets/stringgrid.h"

namespace kzo::test {
namespace {

// Defaults (finish order, points table 50, 47, 45, 43, 41) and the classes A, B, C of
// three riders with a place (or points) and a DQ or a place.
struct Opzet {
  TOmgeving env;
  TCompetitie& comp = env.comp;
  TScriptGebruiker& g = env.g;
  Opzet() {
    comp.StandaardInstellingen(1);
    comp.Club.Clubnaam.Set("MX Club");
    comp.Tabs.clear();
    for (const std::string n : {"A", "B", "C"}) {
      TKlasse& k = VoegKlasse(comp, n, 2);
      for (int r = 1; r <= 3; ++r)
        VoegRijder(comp, k, n + " " + std::to_string(r), {r, r == 1 ? UitDQ : r + 5});
      k.SetAantalUitslagen();
    }
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> v;
    for (const auto& k : comp.Tabs) v.push_back(k ? k->Naam() : "?");
    return v;
  }
  std::vector<int> Punttel() const {
    return {comp.Club.punttel, comp.Club.punttel + 1 + comp.Club.punttel[0]};
  }
};

std::vector<QString> Cellen(const TClubData& d) {
  std::vector<QString> v;
  for (int c = 1; c <= 10; ++c)
    if (!d.PuntCel(c).isEmpty()) v.push_back(d.PuntCel(c));
  return v;
}

// Types text into place c of the points table as the user does, ending with Enter.
void Typ(TClubData& d, int c, const QString& tekst) {
  d.StringGrid1->SetCurrentCell(c, 1);
  if (tekst.isEmpty()) {
    QTest::keyClick(d.StringGrid1, Qt::Key_Return);
    d.EditSG->selectAll();
    QTest::keyClick(d.EditSG, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(d.StringGrid1, tekst.left(1));
    QTest::keyClicks(d.EditSG, tekst.mid(1));
  }
  QTest::keyClick(d.EditSG, Qt::Key_Return);
}

TEST(ClubData, LoadShowsTheHeader) {
  Opzet o;
  o.comp.Club.Schrap = 3;
  o.comp.Club.RekOptie = 0x10 | 0x40 | 1;
  o.comp.Club.GemidOptie = 2;
  o.comp.Club.AlgOptie = 0x61 | 3;
  o.comp.Club.PuntAftrek = 2;
  TClubData d(o.env.ctx);
  d.Laden();
  EXPECT_EQ(QStringLiteral("MX Club"), d.EditCN->text());
  ASSERT_EQ(3, d.ListBox1->count());
  EXPECT_EQ(QStringLiteral("C"), d.ListBox1->item(2)->text());
  EXPECT_EQ(3, o.comp.Tabs[2]->indexnr);
  EXPECT_EQ((std::vector<QString>{"50", "47", "45", "43", "41"}), Cellen(d));
  EXPECT_EQ(QStringLiteral("Aftrek punten na plaats 5"), d.Label11->text());
  EXPECT_EQ(2, d.SpinEdit1->value());
  EXPECT_TRUE(d.RadioButton1->isChecked());
  EXPECT_FALSE(d.Button6->isEnabled());
  // Discards: their spin on, the percentage off; DQ may be discarded while discarding.
  EXPECT_TRUE(d.RadioButton4->isChecked());
  EXPECT_TRUE(d.SEschrap->isEnabled());
  EXPECT_FALSE(d.SEproc->isEnabled());
  EXPECT_TRUE(d.CheckBox2->isEnabled());
  EXPECT_TRUE(d.CheckBox2->isChecked());
  EXPECT_TRUE(d.RadioGroup1Items[1]->isChecked());
  EXPECT_TRUE(d.RadioGroup2Items[2]->isChecked());
  EXPECT_TRUE(d.RadioGroup3Items[3]->isChecked());
  // Finish order: the storage group starts disabled, minimum 1 point may be chosen.
  EXPECT_TRUE(d.RadioGroup4Items[0]->isChecked());
  EXPECT_FALSE(d.RadioGroup4->isEnabled());
  EXPECT_TRUE(d.CheckBox1->isEnabled());
  EXPECT_FALSE(d.Button5->isEnabled());
}

TEST(ClubData, NetMethodButtonsSwitchTheirControls) {
  Opzet o;
  TClubData d(o.env.ctx);
  d.Laden();  // counting results, 50 %
  EXPECT_TRUE(d.SEproc->isEnabled());
  EXPECT_FALSE(d.SEschrap->isEnabled());
  EXPECT_TRUE(d.CheckBox2->isEnabled());
  d.SEschrap->setValue(0);
  d.RadioButton4->click();
  EXPECT_FALSE(d.SEproc->isEnabled());
  EXPECT_FALSE(d.RadioGroup1->isEnabled());
  EXPECT_FALSE(d.CheckBox2->isEnabled());  // nothing is discarded
  d.SEproc->setValue(100);
  d.RadioButton3->click();
  EXPECT_FALSE(d.CheckBox2->isEnabled());  // every result counts
}

TEST(ClubData, CancelAfterPresetRestoresTheSequence) {
  Opzet o;
  TClubInfo& club = o.comp.Club;
  club.RekMethode = 3;
  std::memset(club.MethRek, 0, sizeof club.MethRek);
  club.MethRek[0][0] = 6, club.MethRek[1][0] = 2, club.MethRek[1][1] = 200;
  club.RekWarn = 4;
  const TClubInfo voor = club;
  {
    TClubData d(o.env.ctx);
    d.Laden();
    EXPECT_TRUE(d.RadioButton6->isChecked());
    EXPECT_TRUE(d.Button6->isEnabled());
    d.RadioButton2->click();  // "Ongebruikte &uitslagen erbij" applies at once
    EXPECT_EQ(3, club.MethRek[0][0]);
    EXPECT_EQ(3, club.RekWarn);
    EXPECT_FALSE(d.Button6->isEnabled());
    d.Annuleren();
  }
  EXPECT_EQ(0, std::memcmp(&voor, &club, sizeof club));
  // With "&Ok" the preset stays.
  TClubData d(o.env.ctx);
  d.Laden();
  d.RadioButton5->click();
  d.Toepassen();
  EXPECT_EQ(2, club.RekMethode);
  const std::uint8_t preset2[10] = {2, 3, 4, 0, 1, 0, 5, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(preset2, club.MethRek, 10));
}

TEST(ClubData, AdvancedButtonRunsTheTieBreakDialog) {
  Opzet o;
  TClubData d(o.env.ctx);
  int geopend = 0;
  o.g.Bij<TRekAvan>([&](TRekAvan&) {
    ++geopend;
    return QDialog::Rejected;
  });
  d.Laden();
  d.RadioButton6->click();
  ASSERT_TRUE(d.Button6->isEnabled());
  d.Button6->click();
  EXPECT_EQ(1, geopend);
}

TEST(ClubData, PointsTableEdits) {
  struct Geval {
    int plaats;
    const char* tekst;
    std::vector<QString> tabel;
    std::vector<std::uint32_t> meldingen;
  } gevallen[] = {
      // A first place lower by a multiple of 10 lowers the rest by as much.
      {1, "30", {"30", "27", "25", "23", "21"}, {}},
      // Otherwise a warning, and the value is kept.
      {1, "45", {"45", "47", "45", "43", "41"}, {53}},
      {3, "48", {"50", "47", "48", "43", "41"}, {52}},
      {2, "46", {"50", "46", "45", "43", "41"}, {}},
      {6, "40", {"50", "47", "45", "43", "41", "40"}, {}},
      {1, "0", {"47", "45", "43", "41"}, {}},
  };
  for (const auto& c : gevallen) {
    Opzet o;
    TClubData d(o.env.ctx);
    d.Laden();
    Typ(d, c.plaats, QString::fromLatin1(c.tekst));
    EXPECT_EQ(c.tabel, Cellen(d)) << c.plaats << " " << c.tekst;
    EXPECT_EQ(c.meldingen, o.g.meldingen) << c.plaats << " " << c.tekst;
    EXPECT_FALSE(d.CelOpen());
    EXPECT_EQ(c.plaats % 10 + 1, d.StringGrid1->Col());
    EXPECT_EQ(QStringLiteral("Aftrek punten na plaats %1").arg(c.tabel.size()), d.Label11->text());
  }
}

TEST(ClubData, PointsAbove500OrAByteAreRefusedAndTheEditStaysOpen) {
  for (const char* tekst : {"501", "256", "9999"}) {
    Opzet o;
    TClubData d(o.env.ctx);
    d.Laden();
    Typ(d, 2, QString::fromLatin1(tekst));
    EXPECT_TRUE(d.CelOpen()) << tekst;
    EXPECT_EQ(QStringLiteral("47"), d.EditSG->text()) << tekst;
    EXPECT_EQ(QStringLiteral("47"), d.PuntCel(2));
    if (QString::fromLatin1(tekst).toInt() > 500) {
      EXPECT_EQ(std::vector<std::uint32_t>{50}, o.g.meldingen) << tekst;
    } else {
      EXPECT_TRUE(o.g.meldingen.empty());
      EXPECT_EQ(1u, o.g.fouten.size());
    }
    // The largest value that fits is taken (with the order warning).
    d.EditSG->selectAll();
    QTest::keyClicks(d.EditSG, QStringLiteral("255"));
    QTest::keyClick(d.EditSG, Qt::Key_Return);
    EXPECT_FALSE(d.CelOpen());
    EXPECT_EQ(QStringLiteral("255"), d.PuntCel(2)) << tekst;
    d.Toepassen();
    EXPECT_EQ(255, o.comp.Club.punttel[2]) << tekst;
  }
}

TEST(ClubData, CellEditTakesDigitsOnlyAndEscDiscards) {
  Opzet o;
  TClubData d(o.env.ctx);
  d.Laden();
  d.StringGrid1->SetCurrentCell(4, 1);
  QTest::keyClick(d.StringGrid1, Qt::Key_A);  // opens the edit with "a"
  ASSERT_TRUE(d.CelOpen());
  QTest::keyClicks(d.EditSG, QStringLiteral("x9"));
  EXPECT_EQ(QStringLiteral("a9"), d.EditSG->text());
  QTest::keyClick(d.EditSG, Qt::Key_Return);
  EXPECT_EQ(std::vector<std::uint32_t>{51}, o.g.meldingen);  // not a number: kept
  EXPECT_EQ(QStringLiteral("43"), d.PuntCel(4));

  d.StringGrid1->SetCurrentCell(4, 1);
  QTest::keyClick(d.StringGrid1, Qt::Key_Return);
  EXPECT_EQ(QStringLiteral("43"), d.EditSG->text());
  QTest::keyClicks(d.EditSG, QStringLiteral("0"));
  QTest::keyClick(d.EditSG, Qt::Key_Escape);
  EXPECT_FALSE(d.CelOpen());
  EXPECT_EQ(QStringLiteral("43"), d.PuntCel(4));
}

TEST(ClubData, EmptiedPlaceClosesTheGapOnOk) {
  Opzet o;
  o.comp.Club.punttel[0] = 3;
  TClubData d(o.env.ctx);
  d.Laden();
  Typ(d, 2, QString());
  // The emptied place is lower than the next one: the order warning, then the empty cell.
  EXPECT_EQ(std::vector<std::uint32_t>{53}, o.g.meldingen);
  EXPECT_EQ(QString(), d.PuntCel(2));
  EXPECT_EQ(QStringLiteral("Aftrek punten na plaats 2"), d.Label11->text());
  d.Toepassen();
  EXPECT_EQ((std::vector<int>{2, 50, 45}), o.Punttel());
}

TEST(ClubData, ApplyKeepsFieldsInTheirRanges) {
  Opzet o;
  TClubData d(o.env.ctx);
  d.Laden();
  d.EditCN->setText(QStringLiteral("De Modderbaan"));
  d.RadioButton4->click();
  d.SEschrap->setValue(25);  // more than 20: stored as 0
  d.SEplm->setValue(21);
  d.SEproc->setValue(100);
  d.SpinEdit1->setValue(3);
  d.RadioGroup2Items[3]->setChecked(true);
  d.RadioGroup3Items[5]->setChecked(true);
  d.Edit2->setText(QStringLiteral("Woonplaats"));
  d.CheckBox1->setChecked(true);
  d.Toepassen();
  const TClubInfo& club = o.comp.Club;
  EXPECT_EQ("De Modderbaan", club.Clubnaam.Get());
  EXPECT_EQ(0, club.Schrap);
  EXPECT_EQ(0, club.RekPlus1);
  EXPECT_EQ(100, club.RekPercentage);
  EXPECT_EQ(3, club.PuntAftrek);
  EXPECT_EQ(3, club.GemidOptie);
  EXPECT_EQ(0x61 | 5, club.AlgOptie);
  EXPECT_EQ("Woonplaats", club.Veldnaam[1].Get());
  EXPECT_EQ(0x10 | 0x20, club.RekOptie);  // rounding up, discards, at least 1 point
  EXPECT_EQ(2, o.comp.Gewijzigd() & 2);
}

TEST(ClubData, AddMoveToTopAndOk) {
  Opzet o;
  TKlasse* a = o.comp.Tabs[0].get();
  TKlasse* c = o.comp.Tabs[2].get();
  const std::uint32_t id = o.comp.Club.IDCounter;
  TClubData d(o.env.ctx);
  d.Laden();
  QTest::keyClicks(d.EditKL, QStringLiteral("Veteranen"));
  d.Button4->click();
  EXPECT_EQ(QString(), d.EditKL->text());
  EXPECT_EQ(-1, d.Curnr());
  ASSERT_EQ(4, d.ListBox1->count());
  d.ListBox1->setCurrentRow(3);
  EXPECT_EQ(3, d.Curnr());
  EXPECT_EQ(QStringLiteral("Veteranen"), d.EditKL->text());
  EXPECT_TRUE(d.SpeedButton1->isEnabled());
  for (int i = 0; i < 4; ++i) d.SpeedButton1->click();  // the last click is at the top
  EXPECT_EQ(0, d.Curnr());
  int klaar = 0;
  QObject::connect(&o.env.ctx, &TContext::KlassenLoslaten, [&] { ++klaar; });
  d.Toepassen();
  EXPECT_EQ(1, klaar);
  EXPECT_EQ((std::vector<std::string>{"Veteranen", "A", "B", "C"}), o.Namen());
  EXPECT_EQ(a, o.comp.Tabs[1].get());
  EXPECT_EQ(c, o.comp.Tabs[3].get());
  EXPECT_EQ(4, o.comp.Club.aantalklasse);
  const TKlasse& nieuw = *o.comp.Tabs[0];
  ASSERT_EQ(2, nieuw.SG.RowCount());
  ASSERT_NE(nullptr, nieuw.Rijder(1));
  EXPECT_TRUE(nieuw.Rijder(1)->IsLeeg());
  EXPECT_EQ(id, nieuw.Rijder(1)->Rijder.IDnum);
  EXPECT_EQ(id + 1, o.comp.Club.IDCounter);
  EXPECT_EQ("1", nieuw.SG.Rij(1).positie);
}

TEST(ClubData, RenameDeleteAndTheLimitOfTwenty) {
  Opzet o;
  TClubData d(o.env.ctx);
  d.Laden();
  // Rename B with Enter in the name box.
  d.ListBox1->setCurrentRow(1);
  d.EditKL->selectAll();
  QTest::keyClicks(d.EditKL, QStringLiteral("Junioren"));
  QTest::keyClick(d.EditKL, Qt::Key_Return);
  EXPECT_EQ(QStringLiteral("Junioren"), d.ListBox1->item(1)->text());
  // Delete A: no question; the line now at its place is shown.
  d.ListBox1->setCurrentRow(0);
  d.Button5->click();
  EXPECT_EQ(2, d.ListBox1->count());
  EXPECT_EQ(0, d.Curnr());
  EXPECT_EQ(QStringLiteral("Junioren"), d.EditKL->text());
  EXPECT_TRUE(o.g.vragen.empty());
  // Up to 20 lines; a 21st name is not added, nor an empty one.
  d.ListBox1->clearSelection();
  for (int i = 0; i < 20; ++i) {
    d.EditKL->setText(QStringLiteral("K%1").arg(i));
    d.Toevoegen();
  }
  EXPECT_EQ(20, d.ListBox1->count());
  EXPECT_EQ(QStringLiteral("K19"), d.EditKL->text());
  d.EditKL->clear();
  d.Toevoegen();
  EXPECT_EQ(20, d.ListBox1->count());
  d.Toepassen();
  EXPECT_EQ(20u, o.comp.Tabs.size());
  EXPECT_EQ("Junioren", o.comp.Tabs[0]->Naam());
  EXPECT_EQ("C", o.comp.Tabs[1]->Naam());
}

TEST(ClubData, OkWithoutClassesAppliesNothing) {
  TOmgeving o;
  TCompetitie& comp = o.comp;
  comp.StandaardInstellingen(1);
  TClubData d(o.ctx);
  d.Laden();
  EXPECT_EQ(0, d.ListBox1->count());
  d.EditCN->setText(QStringLiteral("Niets"));
  d.Toepassen();
  EXPECT_EQ("", comp.Club.Clubnaam.Get());
  EXPECT_EQ(0, comp.Gewijzigd());
  ASSERT_EQ(1u, comp.Tabs.size());
  EXPECT_EQ(nullptr, comp.Tabs[0]);
}

TEST(ClubData, NewClassesTakeThePlaceholderTab) {
  TOmgeving o;
  TCompetitie& comp = o.comp;
  comp.StandaardInstellingen(1);
  TClubData d(o.ctx);
  d.Laden();
  d.EditKL->setText(QStringLiteral("MX2"));
  d.Toevoegen();
  d.Toepassen();
  EXPECT_EQ(1, comp.AantalKlassen());
  ASSERT_EQ(1u, comp.Tabs.size());
  EXPECT_EQ("MX2", comp.Tabs[0]->Naam());
}

TEST(ClubData, StorageToPointsAsksAndConverts) {
  for (const bool ja : {false, true}) {
    Opzet o;
    TClubData d(o.env.ctx);
    d.Laden();
    ASSERT_FALSE(d.RadioGroup4->isEnabled());
    // Changing the deduction and back switches the storage group on.
    d.SpinEdit1->setValue(2);
    EXPECT_FALSE(d.RadioGroup4->isEnabled());
    d.SpinEdit1->setValue(1);
    ASSERT_TRUE(d.RadioGroup4->isEnabled());
    d.RadioGroup4Items[1]->click();
    EXPECT_FALSE(d.StringGrid1->isEnabled());
    EXPECT_FALSE(d.SpinEdit1->isEnabled());
    d.RadioGroup4Items[0]->click();  // back on the stored method: editable again
    EXPECT_TRUE(d.StringGrid1->isEnabled());
    d.RadioGroup4Items[1]->click();
    o.g.antwoorden.push_back(ja ? IGebruiker::Antwoord::Ja : IGebruiker::Antwoord::Nee);
    d.Toepassen();
    EXPECT_EQ(std::vector<QString>{QStringLiteral("Opslag methode van de uitslagen wijzigen ?")},
              o.g.vragen);
    const TRijder& r1 = *o.comp.Tabs[1]->Rijder(1);
    const TRijder& r3 = *o.comp.Tabs[1]->Rijder(3);
    if (ja) {
      EXPECT_EQ(0x01, o.comp.Club.AlgOptie & 0x61);
      EXPECT_EQ(50, r1.Uitslag(1));
      EXPECT_EQ(45, r3.Uitslag(1));
      EXPECT_EQ(38, r3.Uitslag(2));  // place 8
    } else {
      EXPECT_EQ(0x61, o.comp.Club.AlgOptie & 0x61);
      EXPECT_EQ(1, r1.Uitslag(1));
      EXPECT_EQ(8, r3.Uitslag(2));
    }
    EXPECT_EQ(UitDQ, r1.Uitslag(2));
    EXPECT_EQ(UitGeen, r1.Uitslag(3));
  }
}

TEST(ClubData, PointsStorageConvertsBackToPlaces) {
  Opzet o;
  o.comp.Club.AlgOptie = 0x01;
  o.comp.Tabs[0]->Rijder(2)->Uitslag(1) = 47;
  o.comp.Tabs[0]->Rijder(3)->Uitslag(1) = 48;  // no place gives 48
  {
    // A points edit locks the storage method for this visit.
    TClubData d(o.env.ctx);
    d.Laden();
    Typ(d, 5, QStringLiteral("42"));
    EXPECT_FALSE(d.RadioGroup4->isEnabled());
  }
  TClubData d(o.env.ctx);
  d.Laden();
  EXPECT_TRUE(d.RadioGroup4->isEnabled());
  EXPECT_TRUE(d.RadioGroup4Items[1]->isChecked());
  EXPECT_FALSE(d.CheckBox1->isEnabled());
  d.RadioGroup4Items[0]->click();
  o.g.antwoorden.push_back(IGebruiker::Antwoord::Ja);
  d.Toepassen();
  EXPECT_EQ(0x61, o.comp.Club.AlgOptie);
  EXPECT_EQ(2, o.comp.Tabs[0]->Rijder(2)->Uitslag(1));
  EXPECT_EQ(UitGeen, o.comp.Tabs[0]->Rijder(3)->Uitslag(1));
}

TEST(NewFile, Captions) {
  TNewFile d;
  EXPECT_EQ(QStringLiteral("Nieuw"), d.windowTitle());
  EXPECT_EQ(0, d.Keuze());
  EXPECT_EQ(QStringLiteral("&Nieuw"), d.OkKnop->text());
  EXPECT_EQ(QStringLiteral("Met &huidige instellingen en namen van rijders"),
            d.RadioGroup1[2]->text());
  int hulp = 0;
  QObject::connect(&d, &TNewFile::Hulp, [&](int c) { hulp = c; });
  d.HelpKnop->click();
  EXPECT_EQ(120, hulp);
}

}  // namespace
}  // namespace kzo::test
