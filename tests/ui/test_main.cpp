#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>

#include "core/file/gebruikersinstellingen.h"
#include "test_main_opzet.h"
#include "ui/main/commando/commando.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/opstart.h"
#include "ui/main/venster/status.h"

namespace kzo::test {
namespace {

// ---- command line and title ----

TEST(CommandoRegel, QuotedProgramPathAndNamesWithBlanks) {
  struct Geval {
    const char* regel;
    QStringList parameters;
    const char* naam;
  } gevallen[] = {
      // A quoted program path: the rest after one separator, blanks kept.
      {R"("C:\Program Files\KZO\KZO.EXE" C:\Mijn data\club 2024.kzo)",
       {R"(C:\Mijn)", "data\\club", "2024.kzo"},
       R"(C:\Mijn data\club 2024.kzo)"},
      {R"("c:\kzo\kzo.exe"  "D:\a b.kzo"  )", {R"(D:\a b.kzo)"}, R"(D:\a b.kzo)"},
      // No quoted path: the parameters joined with single blanks.
      {"kzobaan mijn  club.kzo", {"mijn", "club.kzo"}, "mijn club.kzo"},
      {"/usr/bin/kzobaan /tmp/x y.kzo", {"/tmp/x y.kzo"}, "/tmp/x y.kzo"},
      {"kzobaan \"x.kzo\"", {" \"x.kzo\"\t"}, "x.kzo"},
      // No parameters: no name, whatever the line holds.
      {R"("C:\KZO\KZO.EXE" )", {}, ""},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(QString::fromUtf8(g.naam),
              CommandoRegelBestand(QString::fromUtf8(g.regel), g.parameters))
        << g.regel;
}

TEST(VensterTitel, ClubPairCutAt33WholeAt63) {
  const std::string club30(30, 'C'), klasse30(30, 'K');
  EXPECT_EQ(Q(club30 + " - " + klasse30), VensterTitel(club30, klasse30));
  EXPECT_EQ(63, VensterTitel(club30, klasse30).size());
  // Longer texts than the records hold are still cut by the rule.
  EXPECT_EQ(Q(std::string(33, 'C') + std::string(30, 'K')),
            VensterTitel(std::string(40, 'C'), std::string(40, 'K')));
  EXPECT_EQ(QStringLiteral("Club - MX1"), VensterTitel("Club", "MX1"));
  EXPECT_EQ(QStringLiteral(" - MX1"), VensterTitel("", "MX1"));
}

TEST(VensterPlaatsing, StoredPlacementRules) {
  const QSize scherm(1280, 1024);
  auto v = [](int top, int left, int h, int w, int staat) {
    TVenster x;
    x.Top = top, x.Left = left, x.Height = h, x.Width = w, x.State = staat;
    return x;
  };
  struct Geval {
    TVenster v;
    TPlaatsing::Soort soort;
  } gevallen[] = {
      {v(10, 20, 400, 600, 0), TPlaatsing::Normaal},
      {v(10, 20, 400, 75, 0), TPlaatsing::Niets},     // too narrow
      {v(10, 20, 75, 600, 0), TPlaatsing::Niets},     // too low
      {v(10, 1180, 400, 600, 0), TPlaatsing::Niets},  // left edge within 100 of the right
      {v(10, 1179, 400, 600, 0), TPlaatsing::Normaal},
      {v(924, 20, 400, 600, 0), TPlaatsing::Niets},
      {v(0, 0, 10, 10, 2), TPlaatsing::Maximaliseren},
      {v(10, 20, 400, 600, 0x102), TPlaatsing::Maximaliseren},  // only the low byte counts
      {v(10, 20, 400, 600, 1), TPlaatsing::Niets},              // minimised
  };
  for (const auto& g : gevallen) {
    const TPlaatsing p = BepaalPlaatsing(g.v, scherm);
    EXPECT_EQ(g.soort, p.soort) << g.v.Left << " " << g.v.Width << " " << g.v.State;
    if (p.soort == TPlaatsing::Normaal) {
      EXPECT_EQ(QRect(g.v.Left, g.v.Top, g.v.Width, g.v.Height), p.rect);
    }
  }
}

// ---- start-up ----

TEST_F(HoofdvensterTest, StartsWithoutCompetition) {
  EXPECT_EQ(QStringLiteral("Kzobaan"), f->windowTitle());
  ASSERT_EQ(1, f->TabControl1()->count());
  EXPECT_EQ(QStringLiteral("?"), f->TabControl1()->tabText(0));
  EXPECT_EQ(87, Ctx().Staat().EindOptie);
  EXPECT_EQ(1, f->HelpContext());
  EXPECT_EQ(QStringLiteral("Punten"), f->Paneel(0));
}

TEST_F(HoofdvensterTest, OpensNameWithBlanksAfterQuotedProgramPath) {
  const QString pad = MaakBestand(QStringLiteral("mijn club 2024.kzo"));
  f->Opstarten(QStringLiteral("\"C:\\KZO\\KZO.EXE\" ") + pad, pad.split(QLatin1Char(' ')));
  EXPECT_EQ(S(pad), Comp().Bestandsnaam);
  EXPECT_TRUE(g.meldingen.empty());
  ASSERT_EQ(2, f->TabControl1()->count());
  EXPECT_EQ(QStringLiteral("MX1"), f->TabControl1()->tabText(0));
  EXPECT_EQ(QStringLiteral("Jeugd"), f->TabControl1()->tabText(1));
  EXPECT_EQ(QStringLiteral("MX Club Test - MX1"), f->windowTitle());
  EXPECT_EQ(10, f->HelpContext());
  EXPECT_EQ(S(pad), inst.Teksten.at(kLastFile));
  EXPECT_NE(0, Ctx().StartStempel());
}

TEST_F(HoofdvensterTest, MissingFileShowsCode4ThenRunsTheStartUpAction) {
  const QString laatste = MaakBestand(QStringLiteral("laatste.kzo"));
  inst.Getallen[kKzoOptie] = 2;
  inst.Teksten[kLastFile] = S(laatste);
  const QString weg = Pad(QStringLiteral("bestaat niet.kzo"));
  f->Opstarten(QStringLiteral("kzobaan ") + weg, {weg});
  EXPECT_EQ(std::vector<std::uint32_t>{4}, g.meldingen);
  EXPECT_EQ(S(laatste), Comp().Bestandsnaam);

  // Action 1 shows the open dialog; cancelling it leaves the window empty.
  TMainForm f2(g, inst, disk, klok);
  inst.Getallen[kKzoOptie] = 0x11;  // and hides the tool bar
  g.bestanden.push_back(std::nullopt);
  f2.Opstarten(QStringLiteral("kzobaan"), {});
  EXPECT_EQ(1u, g.bestandsvragen.size());
  EXPECT_EQ(0, f2.Context().Competitie().AantalKlassen());
  EXPECT_TRUE(f2.Commando().Knoppenbalk()->isHidden());
}

TEST_F(HoofdvensterTest, OpensTheExampleCompetition) {
  const QString pad = QFileInfo(QStringLiteral(KZO_VOORBEELD)).absoluteFilePath();
  ASSERT_TRUE(QFileInfo(pad).isFile()) << KZO_VOORBEELD;
  Open(pad);
  EXPECT_TRUE(g.meldingen.empty());
  EXPECT_GE(f->TabControl1()->count(), 2);
  const QString club = Q(Comp().Club.Clubnaam.Get());
  for (int t = 0; t < f->TabControl1()->count(); ++t) {
    f->TabControl1()->setCurrentIndex(t);
    EXPECT_EQ(VensterTitel(S(club), S(f->TabControl1()->tabText(t))), f->windowTitle());
    EXPECT_EQ(Comp().Tabs[static_cast<std::size_t>(t)].get(), f->Grid().Klasse());
  }
}

// ---- switching class ----

TEST_F(HoofdvensterTest, TabSwitchSetsTitleStatusAndCommands) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TCommando& c = f->Commando();
  EXPECT_TRUE(c.Menu(TCommando::MenuBerekenen)->menuAction()->isVisible());
  EXPECT_TRUE(c.Regel(actie::Eindstanden));

  f->TabControl1()->setCurrentIndex(1);  // as the user picks a tab
  EXPECT_EQ(QStringLiteral("MX Club Test - Jeugd"), f->windowTitle());
  EXPECT_EQ(Comp().Tabs[1].get(), f->Grid().Klasse());
  EXPECT_EQ(1, Comp().ActieveTab);
  EXPECT_FALSE(c.Menu(TCommando::MenuBerekenen)->menuAction()->isVisible());
  EXPECT_FALSE(c.Regel(actie::Eindstanden));
  EXPECT_FALSE(c.ContextEindstanden()->isEnabled());

  // Panel 0 by the way results are typed; panel 1 by the rider field the club chose.
  TClubInfo& club = Comp().Club;
  club.AlgOptie = 0x20 | 0x02;  // finishing places; start number in panel 1
  TKlasse& mx1 = *Comp().Tabs[0];
  mx1.Rijder(2)->Rijder.Optie |= 1;
  f->TabControl1()->setCurrentIndex(0);
  EXPECT_EQ(QStringLiteral("Finish volgorde"), f->Paneel(0));
  f->Grid().Grid()->SetCurrentCell(2, 2);
  EXPECT_EQ(QStringLiteral("102 (Buitenmededinging)"), f->Paneel(1));
  club.AlgOptie = 0x60;
  Ctx().KiesKlasse(f->TabControl1()->currentIndex());
  EXPECT_EQ(QStringLiteral("Punten"), f->Paneel(0));
}

TEST(StatusPanelen, KolomPaneelByColumnKind) {
  TCompetitie comp;
  const TClubInfo& club = comp.Club;
  TKlasse* k = &VoegKlasse(comp, "MX1", 4, 2);
  k->Rijder(1)->Rijder.Optie |= 4;
  k->Rijder(3)->Rijder.Optie |= 4;
  EXPECT_EQ(QStringLiteral("Geselecteerd: 2"), KolomPaneelTekst(*k, 2, 1, club));
  // A discarded result while a standing is shown.
  k->BN = 1;
  k->NettoTekst = "netto";
  k->Rijder(1)->Uitslag(1) += 1000;
  EXPECT_EQ(QStringLiteral("Geschrapte uitslag"), KolomPaneelTekst(*k, k->UitslKolom(1), 1, club));
  EXPECT_EQ(KolomInfo(*k, club, k->UitslKolom(1)), KolomPaneelTekst(*k, k->UitslKolom(1), 2, club));
  // Totals: the net-method text, by standing kind.
  const int c = k->SG.ColCount();
  k->SG.SetColCount(c + 2);
  k->MakeColData(c, c, VeldNetto, 0);
  k->MakeColData(c + 1, c + 1, VeldBruto, 0);
  EXPECT_EQ(QStringLiteral("netto"), KolomPaneelTekst(*k, c, 1, club));
  EXPECT_EQ(QStringLiteral("netto"), KolomPaneelTekst(*k, c + 1, 1, club));
  k->BN = 3;
  EXPECT_EQ(QString(), KolomPaneelTekst(*k, c, 1, club));
  EXPECT_EQ(QString(), KolomPaneelTekst(*k, c + 1, 1, club));
}

TEST(StatusPanelen, RidersCountedForTheAboutBox) {
  TCompetitie comp;
  comp.Tabs.clear();
  VoegKlasse(comp, "A", 5, 1);
  VoegKlasse(comp, "B", 3, 0);
  comp.Tabs.push_back(std::make_unique<TKlasse>("Leeg", comp.Club));  // one row, no rider
  comp.Tabs.emplace_back();
  EXPECT_EQ(8, AantalRijders(comp));
  // A last row with an empty rider is not counted.
  comp.Tabs[0]->SG.SetRowCount(7);
  comp.Tabs[0]->SG.Rij(6).rijder = std::make_unique<TRijder>();
  EXPECT_EQ(8, AantalRijders(comp));
}

// ---- enabling rules ----

TEST_F(HoofdvensterTest, CommandsFollowTheOpenCompetition) {
  TCommando& c = f->Commando();
  auto aan = [&](int nr) { return c.Actie(nr)->isEnabled(); };
  EXPECT_FALSE(c.Menu(TCommando::MenuBewerken)->menuAction()->isVisible());
  EXPECT_FALSE(c.Menu(TCommando::MenuZoeken)->menuAction()->isVisible());
  EXPECT_FALSE(c.Menu(TCommando::MenuBerekenen)->menuAction()->isVisible());
  EXPECT_TRUE(aan(actie::Openen));
  EXPECT_FALSE(aan(actie::Bewaren));
  EXPECT_FALSE(aan(actie::BewaarAls));
  EXPECT_FALSE(aan(actie::RijderToevoegen));
  EXPECT_FALSE(aan(actie::Bewaar));

  Open(MaakBestand(QStringLiteral("club.kzo")));
  EXPECT_TRUE(c.Menu(TCommando::MenuBewerken)->menuAction()->isVisible());
  EXPECT_TRUE(c.Menu(TCommando::MenuZoeken)->menuAction()->isVisible());
  for (int nr : {actie::Bewaren, actie::BewaarAls, actie::RijderToevoegen}) EXPECT_TRUE(aan(nr));
  // Switched on by the rules, but their dialogs are not there yet.
  for (int nr : {actie::KlasseToevoegen, actie::Printen, actie::RijderVerwijderen,
                 actie::SnelUitslagen, actie::Dagklassement}) {
    EXPECT_TRUE(c.Regel(nr)) << nr;
    EXPECT_FALSE(aan(nr)) << nr;
  }
  EXPECT_FALSE(aan(actie::Plakken));

  // "&Bewaar" follows the modified flag.
  EXPECT_FALSE(aan(actie::Bewaar));
  Comp().MarkeerGewijzigd(1);
  Ctx().MeldGewijzigd();
  EXPECT_TRUE(aan(actie::Bewaar));
}

TEST_F(HoofdvensterTest, RulesEvaluatedWhenMenusOpen) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TCommando& c = f->Commando();
  TKlasse& k = *Comp().Tabs[0];

  // No standings anywhere: "&Verwijder eindstanden" is off when "Be&rekenen" opens.
  emit c.Menu(TCommando::MenuBerekenen)->aboutToShow();
  EXPECT_FALSE(c.Actie(actie::VerwijderEindstanden)->isEnabled());
  // A computed column: on, and the command takes it away again.
  const int kolommen = k.SG.ColCount();
  k.SG.SetColCount(kolommen + 1);
  k.MakeColData(kolommen, kolommen, VeldNetto, 0);
  k.BN = 1;
  emit c.Menu(TCommando::MenuBerekenen)->aboutToShow();
  ASSERT_TRUE(c.Actie(actie::VerwijderEindstanden)->isEnabled());
  c.Actie(actie::VerwijderEindstanden)->trigger();
  EXPECT_EQ(0, k.BN);
  EXPECT_EQ(kolommen, k.SG.ColCount());

  // The DQ rule: a result cell with finishing places; never a name cell.
  Comp().Club.AlgOptie |= 0x20;
  f->Grid().Grid()->SetCurrentCell(2, 1);
  emit c.Contextmenu()->aboutToShow();
  EXPECT_FALSE(c.Regel(actie::DQ));
  f->Grid().Grid()->SetCurrentCell(k.UitslKolom(1), 1);
  emit c.Menu(TCommando::MenuBewerken)->aboutToShow();
  EXPECT_TRUE(c.Regel(actie::DQ));
  EXPECT_FALSE(c.Actie(actie::DQ)->isEnabled());  // the dialog comes later
  c.Actie(actie::DQ)->setEnabled(true);           // as the editor's menu does
  EXPECT_FALSE(c.Actie(actie::DQ)->isEnabled());
}

TEST_F(HoofdvensterTest, MenusHoldEveryEntryInOrder) {
  auto teksten = [](QMenu* m) {
    QStringList t;
    for (QAction* a : m->actions()) t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t.join(QLatin1Char('|'));
  };
  TCommando& c = f->Commando();
  EXPECT_EQ(QString::fromUtf8("&Nieuw …|&Openen …|&Klasse uit bestand toevoegen …|-|&Bewaren|"
                              "B&ewaar als …|&Uitvoer tekst/html bestand …|-|P&rinteen …|-|"
                              "&Afsluiten"),
            teksten(c.Menu(TCommando::MenuBestand)));
  EXPECT_EQ(QString::fromUtf8("&Gegevens rijder …|&Rijder toevoegen …|R&ijder verwijderen …|"
                              "&Verwijder rijder buitenmededingen …|-|"
                              "&Kopieer rijdergegevens / Klasse …|&Plakken rijdersgegevens|-|"
                              "&Snel uitslagen toevoegen …|&Uitslag kolommen toevoegen …|"
                              "Ui&tslagen wissen / verwijderen …|"
                              "&Diskwalificatie (DQ), dnf, dns …|-|I&nformatie uitslagen …|"
                              "&Controle uitslagen …"),
            teksten(c.Menu(TCommando::MenuBewerken)));
  EXPECT_EQ(QString::fromUtf8("&Snelzoeken|&Uitgebreid zoeken …|-|&Alles selecteren|"
                              "S&electeer oneven plaatsen|Se&lectie omkeren|Sele&ctie opheffen|-|"
                              "S&orteren …"),
            teksten(c.Menu(TCommando::MenuZoeken)));
  EXPECT_EQ(QString::fromUtf8("Rijder&gegevens...|&Rijder toevoegen..|Rijder &verwijderen...|-|"
                              "&Snel uitslagen toevoegen...|&Informatie uitslagen...|"
                              "&Controle uitslagen...|&Diskwalificatie (DQ), dnf, dns …|-|"
                              "&Eindstanden berekenen...|&Dagklassement...|-|"
                              "&Weergave instellen..."),
            teksten(c.Contextmenu()));
  QStringList balk;
  for (QAction* a : c.Knoppenbalk()->actions()) {
    balk << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().pixmap(24).isNull()) << qPrintable(a->toolTip());
    }
  }
  // Help has no hint of its own: its caption shows.
  EXPECT_EQ(QString::fromUtf8("Nieuwe Club|Open bestand|Gegevens bewaren|Afdrukken|-|"
                              "Gegevens rijder bewerken|Een rijder toevoegen|Rijder verwijderen|-|"
                              "Snel uitslagen toevoegen|Informatie uitslagen|Uitslagen controleren|"
                              "-|Eindstanden berekenen|Bereken dagklassement|-|Help …"),
            balk.join(QLatin1Char('|')));
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_S), c.Actie(actie::Bewaren)->shortcut());
  EXPECT_EQ(QKeySequence(Qt::Key_F4), c.Actie(actie::SelectieOpheffen)->shortcut());
}

// ---- saving and closing ----

TEST_F(HoofdvensterTest, SavingKeepsThePreviousFileAsBak) {
  const QString pad = MaakBestand(QStringLiteral("club.kzo"));
  const QByteArray oud = LeesBytes(pad);
  Open(pad);
  Comp().Tabs[0]->Rijder(1)->Rijder.Naam.Set("Nieuwe Naam");
  Comp().MarkeerGewijzigd(1);
  f->Commando().Actie(actie::Bewaren)->trigger();
  EXPECT_TRUE(g.fouten.empty());
  EXPECT_EQ(oud, LeesBytes(Pad(QStringLiteral("club.BAK"))));
  EXPECT_NE(oud, LeesBytes(pad));
  EXPECT_EQ(0, Comp().Gewijzigd());
  EXPECT_FALSE(f->Commando().Actie(actie::Bewaar)->isEnabled());
  // What was saved reads back.
  TMainForm f2(g, inst, disk, klok);
  f2.Opstarten(QStringLiteral("kzobaan ") + pad, {pad});
  EXPECT_EQ("Nieuwe Naam", f2.Context().Competitie().Tabs[0]->Rijder(1)->Rijder.Naam.Get());
}

TEST_F(HoofdvensterTest, FileWithoutVersionBitAsksBeforeSaving) {
  const QString pad = MaakBestand(QStringLiteral("oud.kzo"));
  const QByteArray oud = LeesBytes(pad);
  Open(pad);
  Comp().Club.versie &= ~kVersie99;  // as read from an older file
  Comp().MarkeerGewijzigd(1);
  Ctx().MeldGewijzigd();
  g.antwoorden.push_back(IGebruiker::Antwoord::Nee);
  f->Commando().Actie(actie::Bewaar)->trigger();
  ASSERT_EQ(1u, g.vragen.size());
  EXPECT_TRUE(g.vragen[0].startsWith(QStringLiteral("Let Op!\n")));
  EXPECT_EQ(oud, LeesBytes(pad));
  EXPECT_EQ(1, Comp().Gewijzigd());

  g.antwoorden.push_back(IGebruiker::Antwoord::Ja);
  f->Commando().Actie(actie::Bewaren)->trigger();
  EXPECT_EQ(0, Comp().Gewijzigd());
  EXPECT_TRUE(QFileInfo::exists(Pad(QStringLiteral("oud.BAK"))));
  // Written with the bit: no question the next time.
  Comp().MarkeerGewijzigd(1);
  f->Commando().Actie(actie::Bewaren)->trigger();
  EXPECT_EQ(2u, g.vragen.size());
}

TEST_F(HoofdvensterTest, SaveAsNameRules) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  g.bestanden.push_back(Pad(QStringLiteral("uitslag.txt")));
  f->Commando().Actie(actie::BewaarAls)->trigger();
  EXPECT_FALSE(QFileInfo::exists(Pad(QStringLiteral("uitslag.txt"))));
  g.bestanden.push_back(Pad(QStringLiteral("uitslag")));
  f->Commando().Actie(actie::BewaarAls)->trigger();
  EXPECT_TRUE(QFileInfo::exists(Pad(QStringLiteral("uitslag.kzo"))));
  EXPECT_EQ(S(Pad(QStringLiteral("uitslag.kzo"))), Comp().Bestandsnaam);
  // The next dialog starts where this one ended.
  EXPECT_EQ(QFileInfo(Pad(QStringLiteral("uitslag"))).absolutePath(), Ctx().BeginMap());
}

TEST_F(HoofdvensterTest, ClosingWithUnsavedChanges) {
  const QString pad = MaakBestand(QStringLiteral("club.kzo"));
  const QByteArray oud = LeesBytes(pad);
  Open(pad);
  Comp().MarkeerGewijzigd(1);

  g.antwoorden.push_back(IGebruiker::Antwoord::Annuleren);
  EXPECT_FALSE(f->close());
  EXPECT_EQ(QStringLiteral("Gegevens zijn nog niet bewaard, Bewaren ?"), g.vragen.back());
  EXPECT_EQ(2, Comp().AantalKlassen());

  g.antwoorden.push_back(IGebruiker::Antwoord::Nee);
  EXPECT_TRUE(f->close());
  EXPECT_EQ(oud, LeesBytes(pad));
  EXPECT_EQ(0, Comp().AantalKlassen());
  EXPECT_EQ(QStringLiteral("Kzobaan"), f->windowTitle());
  EXPECT_TRUE(inst.Binair.count(kFormSet));
}

TEST_F(HoofdvensterTest, ClosingWithYesSavesFirst) {
  const QString pad = MaakBestand(QStringLiteral("club.kzo"));
  Open(pad);
  Comp().Tabs[1]->Rijder(1)->Rijder.Naam.Set("Bewaard");
  Comp().MarkeerGewijzigd(1);
  g.antwoorden.push_back(IGebruiker::Antwoord::Ja);
  EXPECT_TRUE(f->close());
  EXPECT_TRUE(QFileInfo::exists(Pad(QStringLiteral("club.BAK"))));
  EXPECT_TRUE(LeesBytes(pad).contains("Bewaard"));
}

TEST_F(HoofdvensterTest, YesWithoutASavedFileKeepsTheWindowOpen) {
  // A competition never saved: Yes asks for a name; cancelling that must not drop it.
  Open(MaakBestand(QStringLiteral("club.kzo")));
  Comp().Bestandsnaam.clear();
  Comp().MarkeerGewijzigd(1);
  g.antwoorden.push_back(IGebruiker::Antwoord::Ja);
  g.bestanden.push_back(std::nullopt);
  EXPECT_FALSE(f->close());
  EXPECT_EQ(2, Comp().AantalKlassen());
}

TEST_F(HoofdvensterTest, StoredPlacementUnlessSwitchedOff) {
  TVenster v;
  v.Top = 40, v.Left = 50, v.Height = 300, v.Width = 500;
  SchrijfVenster(inst, v);
  TMainForm geplaatst(g, inst, disk, klok);
  EXPECT_EQ(QSize(500, 300), geplaatst.size());
  EXPECT_EQ(QPoint(50, 40), geplaatst.pos());
  inst.Getallen[kKzoOptie] = 0x20;
  TMainForm ontworpen(g, inst, disk, klok);
  EXPECT_EQ(QSize(628, 442), ontworpen.size());
}

TEST_F(HoofdvensterTest, ClosingMinimisedKeepsTheStoredPlacement) {
  TVenster v;
  v.Top = 11, v.Left = 22, v.Height = 333, v.Width = 444;
  SchrijfVenster(inst, v);
  const TBinair20 voor = inst.Binair.at(kFormSet);
  TMainForm f2(g, inst, disk, klok);
  f2.setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(f2.close());
  EXPECT_EQ(voor, inst.Binair.at(kFormSet));
}

// ---- commands ----

TEST_F(HoofdvensterTest, SelectionCommandsAndStatusCount) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  TCommando& c = f->Commando();
  TKlasse& k = *Comp().Tabs[0];
  f->Grid().Grid()->SetCurrentCell(2, 1);
  c.Actie(actie::AllesSelecteren)->trigger();
  EXPECT_EQ(5, k.Selected());
  EXPECT_EQ(QStringLiteral("Geselecteerd: 5"), f->Paneel(2));
  c.Actie(actie::SelecteerOneven)->trigger();
  EXPECT_EQ(3, k.Selected());
  EXPECT_TRUE(k.Rijder(1)->Geselecteerd());
  EXPECT_FALSE(k.Rijder(2)->Geselecteerd());
  c.Actie(actie::SelectieOmkeren)->trigger();
  EXPECT_EQ(2, k.Selected());
  c.Actie(actie::SelectieOpheffen)->trigger();
  EXPECT_EQ(0, k.Selected());
  EXPECT_EQ(QString(), f->Paneel(2));
  EXPECT_EQ(0, Comp().Gewijzigd());  // marks are no change to the data
}

TEST_F(HoofdvensterTest, HelpGoesToItsContextOrSaysNoneIsInstalled) {
  inst.Teksten[kKzoMap] = S(map.path());
  f->Commando().Actie(actie::Help)->trigger();
  ASSERT_EQ(1u, g.informatie.size());
  EXPECT_TRUE(g.informatie[0].contains(QStringLiteral("geen help")));
  EXPECT_TRUE(g.links.empty());

  ASSERT_TRUE(QDir(map.path()).mkpath(QStringLiteral("hulp")));
  ASSERT_TRUE(SchrijfBytes(Pad(QStringLiteral("hulp/1.html")), {'x'}));
  ASSERT_TRUE(SchrijfBytes(Pad(QStringLiteral("hulp/index.html")), {'x'}));
  f->Commando().Actie(actie::Help)->trigger();
  ASSERT_EQ(1u, g.links.size());
  EXPECT_EQ(QUrl::fromLocalFile(QFileInfo(Pad(QStringLiteral("hulp/1.html"))).absoluteFilePath()),
            g.links.back());
  // With a competition open the context is 10; without its page, the help's index.
  Open(MaakBestand(QStringLiteral("club.kzo")));
  f->Commando().Actie(actie::Help)->trigger();
  EXPECT_TRUE(g.links.back().toLocalFile().endsWith(QStringLiteral("hulp/index.html")));
  EXPECT_EQ(1u, g.informatie.size());
}

TEST_F(HoofdvensterTest, MessagesWithAForeignStampAreIgnored) {
  Open(MaakBestand(QStringLiteral("club.kzo")));
  f->TabControl1()->blockSignals(true);
  f->TabControl1()->setCurrentIndex(1);
  f->TabControl1()->blockSignals(false);
  Ctx().Bericht(1, Ctx().StartStempel() + 1);
  EXPECT_EQ(Comp().Tabs[0].get(), f->Grid().Klasse());
  Ctx().Bericht(1, Ctx().StartStempel());
  EXPECT_EQ(Comp().Tabs[1].get(), f->Grid().Klasse());
}

}  // namespace
}  // namespace kzo::test
