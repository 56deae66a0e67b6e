// In-place editing of the class grid: keys, checks, stores and cursor moves.
// Columns: 0 mark, 1 position, 2 name, 3 start number, 4.. results 1..

#include "core/file/meldingen.h"
#include "test_grid_fixture.h"

namespace kzo {
namespace {

TEST_F(GridTest, TypingANameOnAnEmptyCellStoresItAndMovesRight) {
  Vul({"", "Jan"});
  Toon();
  Ga(2, 1);
  Toets('P');
  ASSERT_TRUE(kg->Bewerkt());
  EXPECT_EQ(EditTekst(), "P");
  EXPECT_FALSE(kg->Editor()->hasSelectedText());
  QTest::keyClicks(kg->Editor(), "iet");
  EditToets(Qt::Key_Return);
  EXPECT_FALSE(kg->Bewerkt());
  EXPECT_EQ(Rijder(1).Rijder.Naam.Get(), "Piet");
  EXPECT_EQ(gewijzigd, 1);
  EXPECT_EQ(comp.Gewijzigd() & 1, 1);  // closing now asks to save
  EXPECT_EQ(kg->Grid()->Col(), 3);
  EXPECT_EQ(Klasse().SG.Col, 3);

  // On a name that is there the letter is dropped and the name selected for overtyping;
  // Esc keeps what was stored.
  Ga(2, 2);
  Toets('K');
  EXPECT_EQ(EditTekst(), "Jan");
  EXPECT_EQ(kg->Editor()->selectedText(), "Jan");
  QTest::keyClicks(kg->Editor(), "Kees");
  EditToets(Qt::Key_Escape);
  EXPECT_FALSE(kg->Bewerkt());
  EXPECT_EQ(Rijder(2).Rijder.Naam.Get(), "Jan");
  EXPECT_EQ(gewijzigd, 1);
  EXPECT_EQ(kg->Grid()->Col(), 2);
}

TEST_F(GridTest, DuplicateNameIsReportedButKept) {
  Vul({"Anna", "Bert", "", ""});
  Toon();
  Ga(2, 2);
  GridToets(Qt::Key_Return);
  QTest::keyClicks(kg->Editor(), "anna");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(gebruiker.meldingen, std::vector<std::uint32_t>{PakPositie(250, 1)});
  EXPECT_EQ(Rijder(2).Rijder.Naam.Get(), "anna");
  EXPECT_EQ(kg->ColMode(), 0);

  // Two riders without a name are no duplicates.
  Ga(2, 3);
  Toets('X');
  EditToets(Qt::Key_Backspace);
  EditToets(Qt::Key_Return);
  EXPECT_EQ(gebruiker.meldingen.size(), 1u);
}

TEST_F(GridTest, DuplicateStartNumberIsRefusedInAnyLetterCase) {
  Vul({"A", "B", "C"});
  Rijder(2).Rijder.RijNr.Set("12A");
  Toon();
  Ga(3, 1);
  Toets('1');
  QTest::keyClicks(kg->Editor(), "2a");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(gebruiker.meldingen, std::vector<std::uint32_t>{PakPositie(251, 2)});
  EXPECT_TRUE(kg->Bewerkt());  // the editor stays for a correction
  EXPECT_EQ(kg->ColMode(), 2);
  EXPECT_EQ(Rijder(1).Rijder.RijNr.Get(), "");
  EXPECT_EQ(kg->Grid()->Col(), 3);

  // A click elsewhere in the grid neither closes the editor nor moves the cursor.
  Klik(2, 3);
  EXPECT_TRUE(kg->Bewerkt());
  EXPECT_EQ(kg->Grid()->Row(), 1);

  // A class switch drops the refused number.
  kg->SluitBewerking(true);
  EXPECT_FALSE(kg->Bewerkt());
  EXPECT_EQ(Rijder(1).Rijder.RijNr.Get(), "");
  EXPECT_EQ(gewijzigd, 0);

  Toets('7');
  EditToets(Qt::Key_Return);
  EXPECT_EQ(Rijder(1).Rijder.RijNr.Get(), "7");
  EXPECT_EQ(gewijzigd, 1);
}

TEST_F(GridTest, EditorTakesNoMoreCharactersThanTheFieldHolds) {
  comp.Club.AlgOptie = 0x41;  // points typed, not stored as places: dns stays in the grid
  Vul({"", "B"});
  Rijder(2).Uitslag(1) = UitDns;
  Toon();
  const struct {
    int kol;
    int max;
  } gevallen[] = {{2, 30}, {3, 5}, {4, 2}};
  for (const auto& g : gevallen) {
    Ga(g.kol, 1);
    Toets('1');
    QTest::keyClicks(kg->Editor(), QString(50, QLatin1Char('2')));
    EXPECT_EQ(EditTekst().length(), g.max) << g.kol;
    EditToets(Qt::Key_Escape);
  }
  // A longer text of the program's own is shown whole and can only shrink.
  Ga(4, 2);
  GridToets(Qt::Key_Return);
  EXPECT_EQ(EditTekst(), "dns");
  EditToets(Qt::Key_End);
  QTest::keyClick(kg->Editor(), '1');
  EXPECT_EQ(EditTekst(), "dns");
  EditToets(Qt::Key_Backspace);
  EXPECT_EQ(EditTekst(), "dn");
}

TEST(GeldigeUitslagTest, PointsEntryAcceptsOnlyWhatTheTableGives) {
  TClubInfo club = NulRecord<TClubInfo>();
  StandaardClubInfo(club, 0);  // 50 47 45 43 41, 1 point less per further place
  club.AlgOptie |= 0x40;
  const struct {
    int v;
    bool geldig;
  } gevallen[] = {{44, false}, {40, true},  {45, true},  {0, true}, {41, true},
                  {50, true},  {51, false}, {46, false}, {-2, true}};
  for (const auto& g : gevallen) EXPECT_EQ(GeldigeUitslag(club, g.v), g.geldig) << g.v;

  club.AlgOptie &= ~0x40;  // typed as stored: anything goes
  EXPECT_TRUE(GeldigeUitslag(club, 44));
  club.AlgOptie |= 0x40;
  club.punttel[0] = 1;  // a table of one entry gives nothing above it
  EXPECT_FALSE(GeldigeUitslag(club, 51));
}

TEST_F(GridTest, RefusedResultKeepsTheOldValueAndTheCursor) {
  Vul({"A"});
  Toon();
  Ga(4, 1);
  Toets('4');
  QTest::keyClicks(kg->Editor(), "4");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(gebruiker.meldingen, std::vector<std::uint32_t>{51});
  EXPECT_EQ(Rijder(1).Uitslag(1), UitGeen);
  EXPECT_FALSE(kg->Bewerkt());
  EXPECT_EQ(kg->ColMode(), 3);
  EXPECT_EQ(kg->Grid()->Col(), 4);

  Toets('4');
  QTest::keyClicks(kg->Editor(), "5");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(Rijder(1).Uitslag(1), 3);  // 45 points is third place
  EXPECT_EQ(kg->Grid()->Col(), 5);
}

TEST_F(GridTest, ResultCellKeys) {
  comp.Club.AlgOptie = 0x01;  // results typed as they are stored
  Vul({"A", "B"});
  Rijder(1).Uitslag(1) = 12;
  Rijder(2).Uitslag(1) = 12;
  Toon();

  // A digit replaces the shown value.
  Ga(4, 1);
  Toets('7');
  EXPECT_EQ(EditTekst(), "7");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(Rijder(1).Uitslag(1), 7);
  EXPECT_EQ(kg->Grid()->Col(), 5);

  // A letter opens the old value selected, without the letter; capital X is swallowed,
  // small x stores "x".
  Ga(4, 2);
  Toets('a');
  EXPECT_EQ(EditTekst(), "12");
  EXPECT_EQ(kg->Editor()->selectedText(), "12");
  QTest::keyClick(kg->Editor(), 'X');
  EXPECT_EQ(EditTekst(), "12");
  QTest::keyClick(kg->Editor(), 'x');
  EXPECT_EQ(EditTekst(), "x");
  EditToets(Qt::Key_Return);
  EXPECT_EQ(Rijder(2).Uitslag(1), UitX);

  // Emptying a result stores none.
  Ga(4, 1);
  GridToets(Qt::Key_Return);
  EditToets(Qt::Key_Backspace);
  EditToets(Qt::Key_Return);
  EXPECT_EQ(Rijder(1).Uitslag(1), UitGeen);
}

TEST_F(GridTest, LettersOpenTheDQDialogOnlyOnResultsStoredAsPlaces) {
  Vul({"", "B"});
  Rijder(2).Uitslag(2) = UitDnf;
  Toon();
  const struct {
    char c;
    int preset;
  } gevallen[] = {{'d', UitDQ}, {'Q', UitDQ}, {'f', UitDnf}, {'s', UitDns}};
  for (const auto& g : gevallen) {
    Ga(4, 1);
    Toets(g.c);
    EXPECT_FALSE(kg->Bewerkt()) << g.c;
    ASSERT_FALSE(dq.empty());
    EXPECT_EQ(dq.back(), g.preset) << g.c;
  }
  // A dnf already there opens the dialog without a preset, whatever is typed.
  Ga(5, 2);
  Toets('3');
  EXPECT_EQ(dq.back(), 0);
  EXPECT_EQ(dq.size(), 5u);

  // On a name the letter is just a letter.
  Ga(2, 1);
  Toets('d');
  EXPECT_EQ(EditTekst(), "d");
  kg->SluitBewerking(false);

  // With results typed as points the letter is filtered like any other.
  comp.Club.AlgOptie &= ~0x20;
  Ga(4, 1);
  Toets('d');
  EXPECT_TRUE(kg->Bewerkt());
  EXPECT_EQ(EditTekst(), "");
  EXPECT_EQ(dq.size(), 5u);
}

TEST_F(GridTest, EnterAndArrowsMoveTheCursorAfterAnAcceptedValue) {
  comp.Club.AlgOptie = 0x01;
  Vul({"A", "B"});
  Toon();
  const int laatste = kg->Grid()->ColCount() - 1;

  Ga(laatste, 1);
  Toets('5');
  EditToets(Qt::Key_Return);
  EXPECT_EQ(kg->Grid()->Col(), kg->Grid()->LeftCol());
  EXPECT_EQ(kg->Grid()->Row(), 2);

  Ga(laatste, 2);
  Toets('6');
  EditToets(Qt::Key_Return);
  EXPECT_EQ(kg->Grid()->Col(), laatste);
  EXPECT_EQ(kg->Grid()->Row(), 2);
  EXPECT_EQ(Rijder(2).Uitslag(3), 6);

  // Down from the last row goes round to row 1, up from row 1 to the last row.
  Toets('7');
  EditToets(Qt::Key_Down);
  EXPECT_EQ(kg->Grid()->Row(), 1);
  Toets('8');
  EditToets(Qt::Key_Up);
  EXPECT_EQ(kg->Grid()->Row(), 2);
  EXPECT_EQ(Rijder(1).Uitslag(3), 8);

  // Enter without a change closes the editor but does not move.
  GridToets(Qt::Key_Return);
  EditToets(Qt::Key_Return);
  EXPECT_FALSE(kg->Bewerkt());
  EXPECT_EQ(kg->Grid()->Col(), laatste);
}

TEST_F(GridTest, StartingAnEditRemovesTheFinalStandings) {
  Vul({"A", "B"});
  TKlasse& k = Klasse();
  const int kolommen = k.SG.ColCount();
  k.SG.SetColCount(kolommen + 1);  // one computed net column
  k.MakeColData(kolommen, kolommen, VeldNetto, 2);
  k.SG.Kop(kolommen) = "Netto";
  k.BN = 1;
  k.SG.Rij(1).positie = "2";
  Rijder(1).SaveUitslagen();
  Rijder(1).Uitslag(1) = 1003;  // discarded while the standing shows
  Toon();

  Ga(kolommen, 1);
  GridToets(Qt::Key_Return);
  EXPECT_EQ(k.BN, 0);
  EXPECT_EQ(k.SG.ColCount(), kolommen);
  EXPECT_EQ(kg->Grid()->ColCount(), kolommen);
  EXPECT_EQ(Rijder(1).Uitslag(1), UitGeen);
  EXPECT_EQ(k.SG.Rij(1).positie, "1");
  // The edit happens on the first scrolling column of the same row.
  EXPECT_EQ(kg->Grid()->Col(), 2);
  EXPECT_TRUE(kg->Bewerkt());
  EXPECT_EQ(EditTekst(), "A");
}

}  // namespace
}  // namespace kzo
