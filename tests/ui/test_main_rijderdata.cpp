#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <set>

#include "core/file/meldingen.h"
#include "test_main_opzet.h"
#include "ui/dialogs/rijder/rijderdata.h"
#include "ui/main/commando/commando.h"
#include "ui/main/commando/rijdercommando.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo::test {
namespace {

class RijderDataTest : public HoofdvensterTest {
 protected:
  void SetUp() override {
    HoofdvensterTest::SetUp();
    VulCompetitie(Comp(), klok);
    Ctx().MeldCompetitieVervangen();
  }

  TRijderData& w() { return *f->findChild<TRijderData*>(); }
  TCompetitie& comp() { return Comp(); }
  TKlasse& klasse(int t) { return *Comp().Tabs[static_cast<std::size_t>(t)]; }
  void NaarRij(int r) { f->Grid().Grid()->SetCurrentCell(f->Grid().Grid()->Col(), r); }
  // Typing into a field: replaces its text and marks it changed.
  static void Typ(QLineEdit* e, const QString& tekst) {
    e->selectAll();
    QTest::keyClicks(e, tekst);
  }
  void Toets(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(w().Edit1, static_cast<Qt::Key>(key), mod);
  }
};

TEST_F(RijderDataTest, OpensOnTheGridsRowAndFollowsItsCursor) {
  comp().Club.Veldnaam[0].Set("Woonplaats");
  klasse(0).Rijder(2)->Rijder.Extra[0].Set("Assen");
  NaarRij(2);
  f->Commando().Actie(actie::Rijder)->trigger();
  ASSERT_TRUE(w().isVisible());
  EXPECT_TRUE(w().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(QStringLiteral("Rijdergegevens"), w().windowTitle());
  EXPECT_EQ(QStringLiteral("Woonplaats"), w().Label3->text());
  EXPECT_EQ(QStringLiteral("Rijder 2"), w().Edit1->text());
  EXPECT_EQ(QStringLiteral("102"), w().Edit2->text());
  EXPECT_EQ(QStringLiteral("Assen"), w().Edit3->text());
  EXPECT_FALSE(w().VerwijderKnop->isEnabled());  // waits for the removal dialog

  // Clicking another row in the grid shows that rider at once.
  NaarRij(4);
  EXPECT_EQ(QStringLiteral("Rijder 4"), w().Edit1->text());
  EXPECT_EQ(4, w().Getoond());
  EXPECT_EQ(0, comp().Gewijzigd());  // looking changes nothing

  // A name stored by the grid's own editor shows in the window too.
  f->Grid().Grid()->SetCurrentCell(2, 4);
  f->Grid().StartBewerken(QChar());
  f->Grid().Editor()->setText(QStringLiteral("Uit het grid"));
  f->Grid().Editor()->setModified(true);
  f->Grid().SluitBewerking(false);
  EXPECT_EQ(QStringLiteral("Uit het grid"), w().Edit1->text());
}

TEST_F(RijderDataTest, DuplicateStartNumberThenPageDownStoresNameOnly) {
  NaarRij(2);
  f->Commando().Actie(actie::Rijder)->trigger();
  Typ(w().Edit1, QStringLiteral("Jan Jansen"));
  Typ(w().Edit2, QStringLiteral("104"));  // rider 4's number
  Typ(w().Edit3, QStringLiteral("Emmen"));
  QTest::keyClick(w().Edit2, Qt::Key_PageDown);

  const TRijder& r2 = *klasse(0).Rijder(2);
  EXPECT_EQ("Jan Jansen", r2.Rijder.Naam.Get());
  EXPECT_EQ("102", r2.Rijder.RijNr.Get());
  EXPECT_EQ("", r2.Rijder.Extra[0].Get());  // waits behind the refused number
  ASSERT_EQ(1u, g.meldingen.size());
  EXPECT_EQ(PakPositie(251, 4), g.meldingen[0]);
  EXPECT_EQ(2, f->Grid().Grid()->Row());
  EXPECT_EQ(2, w().Getoond());
  EXPECT_EQ(QStringLiteral("104"), w().Edit2->text());
  EXPECT_EQ(w().Edit2, w().focusWidget());
  EXPECT_EQ(1, comp().Gewijzigd() & 1);

  // A free number goes through, with the field that waited; then the move happens.
  Typ(w().Edit2, QStringLiteral("7"));
  QTest::keyClick(w().Edit2, Qt::Key_PageDown);
  EXPECT_EQ("7", r2.Rijder.RijNr.Get());
  EXPECT_EQ("Emmen", r2.Rijder.Extra[0].Get());
  EXPECT_EQ(3, f->Grid().Grid()->Row());
  EXPECT_EQ(QStringLiteral("Rijder 3"), w().Edit1->text());
  EXPECT_EQ(1u, g.meldingen.size());
}

TEST_F(RijderDataTest, DuplicateNameIsKeptAndEmptyNumbersAreNoDuplicates) {
  klasse(0).Rijder(1)->Rijder.RijNr.Set("");
  NaarRij(3);
  f->Commando().Actie(actie::Rijder)->trigger();
  Typ(w().Edit1, QStringLiteral("Rijder 5"));
  w().Edit2->clear();
  w().Edit2->setModified(true);
  w().Vorige();
  EXPECT_EQ("Rijder 5", klasse(0).Rijder(3)->Rijder.Naam.Get());
  EXPECT_EQ("", klasse(0).Rijder(3)->Rijder.RijNr.Get());
  EXPECT_EQ(std::vector<std::uint32_t>{PakPositie(250, 5)}, g.meldingen);
  // The name's warning does not hold the window: it moved on.
  EXPECT_EQ(2, f->Grid().Grid()->Row());
}

TEST_F(RijderDataTest, NavigationKeysAndButtons) {
  NaarRij(3);
  f->Commando().Actie(actie::Rijder)->trigger();
  struct Stap {
    int key;
    Qt::KeyboardModifiers mod;
    int rij;
  } stappen[] = {
      {Qt::Key_PageDown, Qt::NoModifier, 4},
      {Qt::Key_PageDown, Qt::ControlModifier, 5},
      {Qt::Key_PageDown, Qt::NoModifier, 5},
      {Qt::Key_PageUp, Qt::NoModifier, 4},
      {Qt::Key_PageUp, Qt::ControlModifier, 1},
      {Qt::Key_PageUp, Qt::NoModifier, 1},
      {Qt::Key_PageDown, Qt::ShiftModifier, 1},  // other modifiers are left alone
      {Qt::Key_PageDown, Qt::ControlModifier | Qt::AltModifier, 1},
  };
  for (const Stap& s : stappen) {
    Toets(s.key, s.mod);
    EXPECT_EQ(s.rij, f->Grid().Grid()->Row()) << s.key << " " << s.mod;
    EXPECT_EQ(QString::fromStdString("Rijder " + std::to_string(s.rij)), w().Edit1->text());
  }
  w().LaatsteKnop->click();
  EXPECT_EQ(5, w().Getoond());
  w().VorigeKnop->click();
  EXPECT_EQ(4, w().Getoond());
  w().EersteKnop->click();
  EXPECT_EQ(1, w().Getoond());
  w().VolgendeKnop->click();
  EXPECT_EQ(2, w().Getoond());

  // Enter moves on like Tab and never reaches a field as a character.
  w().Edit1->setFocus();
  const QString naam = w().Edit1->text();
  Toets(Qt::Key_Return);
  EXPECT_EQ(w().Edit2, w().focusWidget());
  EXPECT_EQ(naam, w().Edit1->text());
  EXPECT_FALSE(w().Edit1->isModified());
}

TEST_F(RijderDataTest, BmMarkStoredOnMoveAndEscape) {
  NaarRij(1);
  f->Commando().Actie(actie::Rijder)->trigger();
  w().CheckBox1->setChecked(true);
  Toets(Qt::Key_PageDown);
  EXPECT_TRUE(klasse(0).Rijder(1)->BM());
  EXPECT_EQ(1, comp().Gewijzigd() & 1);
  EXPECT_TRUE(f->Commando().Actie(actie::Bewaar)->isEnabled());
  EXPECT_FALSE(w().CheckBox1->isChecked());  // rider 2 is not BM

  // Esc stores and hands the keyboard back to the grid; the window stays.
  Typ(w().Edit4, QStringLiteral("Yamaha"));
  QTest::keyClick(w().Edit4, Qt::Key_Escape);
  EXPECT_EQ("Yamaha", klasse(0).Rijder(2)->Rijder.Extra[1].Get());
  EXPECT_TRUE(w().isVisible());
}

TEST_F(RijderDataTest, LeavingAFieldStoresItAndARefusedNumberTakesTheFocusBack) {
  NaarRij(2);
  f->Commando().Actie(actie::Rijder)->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
  w().Edit1->setFocus();
  Typ(w().Edit1, QStringLiteral("Piet Tab"));
  QTest::keyClick(w().Edit1, Qt::Key_Tab);
  QCoreApplication::processEvents();
  EXPECT_EQ("Piet Tab", klasse(0).Rijder(2)->Rijder.Naam.Get());
  EXPECT_TRUE(w().Edit2->hasFocus());

  Typ(w().Edit2, QStringLiteral("105"));
  QTest::keyClick(w().Edit2, Qt::Key_Return);  // as Tab
  QCoreApplication::processEvents();
  EXPECT_EQ(std::vector<std::uint32_t>{PakPositie(251, 5)}, g.meldingen);
  EXPECT_EQ("102", klasse(0).Rijder(2)->Rijder.RijNr.Get());
  EXPECT_TRUE(w().Edit2->hasFocus());
}

TEST_F(RijderDataTest, StoresOnDeactivateClassSwitchAndClose) {
  NaarRij(2);
  f->Commando().Actie(actie::Rijder)->trigger();
  Typ(w().Edit1, QStringLiteral("Weg uit venster"));
  QEvent weg(QEvent::WindowDeactivate);
  QApplication::sendEvent(&w(), &weg);
  EXPECT_EQ("Weg uit venster", klasse(0).Rijder(2)->Rijder.Naam.Get());

  // A class switch stores into the class being left, then shows the new class's rider.
  Typ(w().Edit1, QStringLiteral("Voor de wissel"));
  f->TabControl1()->setCurrentIndex(1);
  EXPECT_EQ("Voor de wissel", klasse(0).Rijder(2)->Rijder.Naam.Get());
  EXPECT_EQ(klasse(1).Rijder(klasse(1).SG.Row)->Rijder.Naam.Get(), S(w().Edit1->text()));

  // A dialog that reorganises data closes the window after storing.
  Typ(w().Edit5, QStringLiteral("Laatste"));
  Ctx().DialoogVoorbereiden();
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ("Laatste", klasse(1).Rijder(klasse(1).SG.Row)->Rijder.Extra[2].Get());

  // Closing it by hand stores too.
  f->Commando().Actie(actie::Rijder)->trigger();
  Typ(w().Edit2, QStringLiteral("88"));
  w().close();
  EXPECT_EQ("88", klasse(1).Rijder(klasse(1).SG.Row)->Rijder.RijNr.Get());
}

TEST_F(RijderDataTest, OpeningAnotherFileClosesTheWindowFirst) {
  const QString pad = MaakBestand(QStringLiteral("ander.kzo"));
  f->Commando().Actie(actie::Rijder)->trigger();
  Typ(w().Edit1, QStringLiteral("Nog bewaren"));
  Open(pad);
  EXPECT_FALSE(w().isVisible());
  EXPECT_EQ(0, w().Getoond());
}

TEST_F(RijderDataTest, AddRiderWithF2UpToTheLimit) {
  Ctx().KiesKlasse(1);
  TKlasse& k = klasse(1);  // Jeugd: 3 riders
  QAction* f2 = f->Commando().Actie(actie::RijderToevoegen);
  EXPECT_EQ(QKeySequence(Qt::Key_F2), f2->shortcut());
  EXPECT_EQ(QKeySequence(Qt::Key_F5), f->Commando().Actie(actie::Rijder)->shortcut());

  // Without the window: a new row, then the window on it with the name to type.
  f2->trigger();
  ASSERT_TRUE(w().isVisible());
  ASSERT_EQ(5, k.SG.RowCount());
  EXPECT_EQ(4, f->Grid().Grid()->Row());
  EXPECT_EQ(4, w().Getoond());
  EXPECT_EQ(w().Edit1, w().focusWidget());
  EXPECT_FALSE(f->Grid().Bewerkt());

  // With the window: its own button; an untyped new row is used again.
  f2->trigger();
  EXPECT_EQ(5, k.SG.RowCount());
  for (int n = 4; n <= MaxRijders; ++n) {
    w().Edit1->setText(QString::fromStdString("Nieuw " + std::to_string(n)));
    w().Edit1->setModified(true);
    f2->trigger();
  }
  EXPECT_EQ(MaxRijders + 1, k.SG.RowCount());
  EXPECT_EQ("Nieuw 500", k.Rijder(MaxRijders)->Rijder.Naam.Get());
  EXPECT_EQ(1, g.piepjes);  // full: nothing added
  EXPECT_EQ(MaxRijders, w().Getoond());
  // Identities stay unique.
  std::set<std::uint32_t> ids;
  for (int r = 1; r <= MaxRijders; ++r) ids.insert(k.Rijder(r)->Rijder.IDnum);
  EXPECT_EQ(static_cast<std::size_t>(MaxRijders), ids.size());
}

TEST_F(RijderDataTest, StayOnTopToggleKeepsThePlace) {
  f->Commando().Actie(actie::Rijder)->trigger();
  const QRect plaats = w().geometry();
  EXPECT_EQ(1, w().AltijdZichtbaarTag());
  w().SlotKnop->click();
  EXPECT_EQ(0, w().AltijdZichtbaarTag());
  EXPECT_FALSE(w().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(w().isVisible());
  EXPECT_EQ(plaats, w().geometry());
  w().SlotKnop->click();
  EXPECT_EQ(1, w().AltijdZichtbaarTag());
  EXPECT_TRUE(w().windowFlags() & Qt::WindowStaysOnTopHint);
  // The toggle keeps the rider it shows.
  EXPECT_EQ(f->Grid().Grid()->Row(), w().Getoond());
}

}  // namespace
}  // namespace kzo::test
