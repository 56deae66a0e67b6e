#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "bouwer.h"
#include "output/tekstuitvoer.h"
#include "scriptgebruiker.h"
#include "ui/dialogs/uitvoer/tekstuit.h"

namespace kzo {
namespace {

// Two classes with results, remarks and a rider marked selected.
TCompetitie Competitie() {
  TCompetitie comp;
  comp.StandaardInstellingen(0);
  comp.Club.Clubnaam.Set("MC <Duinrand> & Zn");
  comp.Club.AlgOptie = 0x80;  // names swapped, zeros empty
  comp.Tabs.clear();
  for (const char* naam : {"MX1", "Jeugd"}) {
    TKlasse& k = test::VoegKlasse(comp, naam, 3);
    for (int r = 1; r <= 3; ++r) {
      TRijder& rd = test::VoegRijder(comp, k, "Jansen, Piet " + std::to_string(r),
                                     {r, r == 2 ? -1 : 0, 20 - r}, std::to_string(10 * r));
      if (r == 3) rd.Rijder.Optie |= RijderGeselecteerd;
    }
    k.SetAantalUitslagen();
  }
  return comp;
}

QByteArray Lees(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray B(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

class TekstUitTest : public ::testing::Test {
 protected:
  TCompetitie comp = Competitie();
  TScriptGebruiker g;
  QTemporaryDir map;
  TTekstUitOpties onthouden;
  TTekstUit d{comp, g, onthouden, QString(), ','};

  QString Pad(const char* naam) const { return map.filePath(QString::fromUtf8(naam)); }
};

TEST_F(TekstUitTest, CaptionsAndDefaults) {
  d.Laden();
  EXPECT_EQ(QStringLiteral("Uitvoer tekst / HTML bestand"), d.windowTitle());
  EXPECT_TRUE(d.Tekstbestand->isChecked());
  EXPECT_TRUE(d.HuidigeKlasse->isChecked());
  EXPECT_FALSE(d.CheckListBox1->isEnabled());
  ASSERT_EQ(2, d.CheckListBox1->count());
  EXPECT_EQ(QStringLiteral("Jeugd"), d.CheckListBox1->item(1)->text());
  EXPECT_TRUE(d.Uitslagen->isChecked());
  EXPECT_TRUE(d.Startnummer->isChecked());
  for (QCheckBox* c : {d.Netto, d.Bruto, d.Totaal, d.AantalUitslagen, d.Gemiddelde}) {
    EXPECT_FALSE(c->isChecked()) << S(c->text());
    EXPECT_FALSE(c->isEnabled()) << S(c->text());
  }
  EXPECT_FALSE(d.Informatie->isChecked());
  EXPECT_TRUE(d.WisselNaam->isChecked());  // AlgOptie bit 4 clear
  EXPECT_TRUE(d.NulLeeg->isChecked());     // AlgOptie bit 7 set
  EXPECT_TRUE(d.Clubnaam->isChecked());
  EXPECT_TRUE(d.KlasseNaam->isChecked());
  EXPECT_FALSE(d.AlleenGeselecteerd->isChecked());
  EXPECT_FALSE(d.LeegPrint->isChecked());
  EXPECT_EQ(QStringLiteral("--"), d.LeegTekst->text());
  EXPECT_EQ(4, d.LeegTekst->maxLength());
  EXPECT_FALSE(d.EenVeld->isChecked());
  EXPECT_EQ(QStringLiteral("-"), d.TussenTekst->text());
  EXPECT_EQ(QStringLiteral("Ka&rakter(s) tussen uitslagen: "), d.TussenLabel->text());
  EXPECT_TRUE(d.Tabteken->isChecked());
  EXPECT_EQ(QStringLiteral(" "), d.KarakterTekst->text());
  EXPECT_FALSE(d.KarakterTekst->isEnabled());
  EXPECT_FALSE(d.LeegTekst->isEnabled());
  EXPECT_FALSE(d.TussenTekst->isEnabled());
}

TEST_F(TekstUitTest, EnablingRules) {
  d.Laden();
  // The class list follows "Sele&ctie van klassen:", which selects its first entry.
  d.SelectieKlassen->setChecked(true);
  EXPECT_TRUE(d.CheckListBox1->isEnabled());
  EXPECT_EQ(0, d.CheckListBox1->currentRow());
  EXPECT_TRUE(d.CheckListBox1->item(0)->isSelected());
  d.AlleKlassen->setChecked(true);
  EXPECT_FALSE(d.CheckListBox1->isEnabled());
  EXPECT_TRUE(d.CheckListBox1->selectedItems().isEmpty());

  d.Karakter->setChecked(true);
  EXPECT_TRUE(d.KarakterTekst->isEnabled());
  d.LeegPrint->setChecked(true);
  EXPECT_TRUE(d.LeegTekst->isEnabled());
  d.EenVeld->setChecked(true);
  EXPECT_TRUE(d.TussenTekst->isEnabled());
  EXPECT_TRUE(d.TussenLabel->isEnabled());

  // Results off: their three options and both text boxes go; on again: back by the rules.
  d.Uitslagen->setChecked(false);
  for (QWidget* w : std::initializer_list<QWidget*>{d.NulLeeg, d.LeegPrint, d.EenVeld, d.LeegTekst,
                                                    d.TussenTekst})
    EXPECT_FALSE(w->isEnabled());
  d.LeegPrint->setChecked(false);
  d.Uitslagen->setChecked(true);
  EXPECT_TRUE(d.NulLeeg->isEnabled());
  EXPECT_FALSE(d.LeegTekst->isEnabled());
  EXPECT_TRUE(d.TussenTekst->isEnabled());

  // HTML: no joined results, no separators.
  d.HtmlBestand->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{d.EenVeld, d.Tabteken, d.Puntkomma,
                                                    d.ElkVeldRegel, d.Karakter})
    EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(d.NulLeeg->isEnabled());
  d.Tekstbestand->setChecked(true);
  EXPECT_TRUE(d.EenVeld->isEnabled());
  EXPECT_TRUE(d.Karakter->isEnabled());
  EXPECT_TRUE(d.KarakterTekst->isEnabled());
}

TEST_F(TekstUitTest, TotalChoicesFollowTheStandingsAndRememberedChoicesReturn) {
  comp.Tabs[1]->BN = 2;
  d.Laden();
  EXPECT_TRUE(d.Netto->isEnabled() && d.Netto->isChecked());
  EXPECT_TRUE(d.Bruto->isEnabled() && d.Bruto->isChecked());
  EXPECT_FALSE(d.Gemiddelde->isEnabled());

  d.HtmlBestand->setChecked(true);
  d.SelectieKlassen->setChecked(true);
  d.CheckListBox1->item(1)->setCheckState(Qt::Checked);
  d.Puntkomma->setChecked(true);
  d.Startnummer->setChecked(false);
  d.Bruto->setChecked(false);
  d.Clubnaam->setChecked(false);
  d.AlleenGeselecteerd->setChecked(true);
  d.LeegTekst->setText(QStringLiteral("xx"));
  d.TussenTekst->setText(QStringLiteral("1234567890123456789"));
  TTekstUitOpties terug = OptiesOnthouden(d.Opties());
  EXPECT_EQ("123456789012345", terug.TussenTekst);

  // Same run, same standings: every remembered choice returns, but not the class
  // checks and the rider subset.
  TTekstUit d2(comp, g, terug, QString(), ',');
  d2.Laden();
  EXPECT_TRUE(d2.HtmlBestand->isChecked());
  EXPECT_TRUE(d2.SelectieKlassen->isChecked());
  EXPECT_EQ(Qt::Unchecked, d2.CheckListBox1->item(1)->checkState());
  EXPECT_TRUE(d2.Puntkomma->isChecked());
  EXPECT_FALSE(d2.Startnummer->isChecked());
  EXPECT_TRUE(d2.Netto->isChecked());
  EXPECT_FALSE(d2.Bruto->isChecked());
  EXPECT_FALSE(d2.Clubnaam->isChecked());
  EXPECT_FALSE(d2.AlleenGeselecteerd->isChecked());
  EXPECT_EQ(QStringLiteral("xx"), d2.LeegTekst->text());
  EXPECT_EQ(QStringLiteral("123456789012345"), d2.TussenTekst->text());

  // The standings went away: the remembered "Netto" is not restored.
  comp.Tabs[1]->BN = 0;
  TTekstUit d3(comp, g, terug, QString(), ',');
  d3.Laden();
  EXPECT_FALSE(d3.Netto->isChecked());
  EXPECT_FALSE(d3.Netto->isEnabled());
}

// The options kzo-tool builds: the dialog's opening choices with its flags applied.
TTekstUitOpties ToolOpties(const TCompetitie& comp, bool html, std::vector<int> klassen,
                           std::uint16_t bUit, std::uint16_t bAan) {
  TTekstUitOpties o = OptiesBijOpenen(comp, TTekstUitOpties{});
  o.WoordA = static_cast<std::uint16_t>(
      (o.WoordA & ~(UitAHuidigeKlasse | UitAAlleKlassen | UitASelectieKlassen)) |
      (klassen.empty() ? UitAAlleKlassen : UitASelectieKlassen) | (html ? UitAHtml : 0));
  o.WoordB = static_cast<std::uint16_t>((o.WoordB & ~bUit) | bAan);
  o.Klassen = std::move(klassen);
  return o;
}

TEST_F(TekstUitTest, HtmlExportEqualsTheToolsBytesAndHtmBecomesHtml) {
  d.Laden();
  d.HtmlBestand->setChecked(true);
  d.SelectieKlassen->setChecked(true);
  d.CheckListBox1->item(1)->setCheckState(Qt::Checked);
  d.WisselNaam->setChecked(false);
  d.Informatie->setChecked(true);
  d.Startnummer->setChecked(false);
  g.bestanden.push_back(Pad("uitslag.htm"));
  const TTekstUitOpties o = d.Opties();
  ASSERT_TRUE(d.Uitvoeren(o, map.path(), ','));
  EXPECT_FALSE(QFile::exists(Pad("uitslag.htm")));
  const QByteArray bytes = Lees(Pad("uitslag.html"));

  // --html --classes 2 --no-swap-names --info --no-startnr
  const TTekstUitOpties tool =
      ToolOpties(comp, true, {1}, UitBWisselNaam | UitBStartnummer, UitBInformatie);
  EXPECT_EQ(tool.WoordA | UitAAanwezig, o.WoordA);
  EXPECT_EQ(tool.WoordB, o.WoordB);
  EXPECT_EQ(B(TekstUitvoer(comp, tool, ',')), bytes);
  EXPECT_TRUE(bytes.contains("<table")) << bytes.constData();
  EXPECT_TRUE(bytes.contains("Jeugd"));
  EXPECT_FALSE(bytes.contains(" - MX1"));
  EXPECT_EQ(0, comp.Gewijzigd());
}

TEST_F(TekstUitTest, TextExportWithJoinedResultsAndOwnSeparator) {
  d.Laden();
  d.AlleKlassen->setChecked(true);
  d.Karakter->setChecked(true);
  d.KarakterTekst->setText(QStringLiteral("|"));
  d.EenVeld->setChecked(true);
  d.LeegPrint->setChecked(true);
  d.AlleenGeselecteerd->setChecked(true);
  g.bestanden.push_back(Pad("stand"));  // no extension: ".txt"
  const TTekstUitOpties o = d.Opties();
  ASSERT_TRUE(d.Uitvoeren(o, map.path(), ','));
  const QByteArray bytes = Lees(Pad("stand.txt"));

  TTekstUitOpties tool = ToolOpties(comp, false, {}, 0, UitBEenVeld | UitBLeegPrint);
  tool.WoordA = static_cast<std::uint16_t>((tool.WoordA & ~UitATabteken) | UitAKarakter);
  tool.KarakterTekst = "|";
  tool.AlleenGeselecteerd = true;
  EXPECT_EQ(B(TekstUitvoer(comp, tool, ',')), bytes);
  // Only the selected rider, results joined with the empty-result text.
  EXPECT_TRUE(bytes.contains("|30| 3----17\r\n")) << bytes.constData();
  EXPECT_FALSE(bytes.contains("Piet 1"));
}

TEST_F(TekstUitTest, CancelledOrUncreatableFileWritesNothingQuietly) {
  d.Laden();
  g.bestanden.push_back(std::nullopt);
  EXPECT_FALSE(d.Uitvoeren(d.Opties(), map.path(), ','));
  g.bestanden.push_back(Pad("geen/map/uit.txt"));
  EXPECT_FALSE(d.Uitvoeren(d.Opties(), map.path(), ','));
  EXPECT_TRUE(g.meldingen.empty());
  EXPECT_TRUE(g.fouten.empty());
  EXPECT_EQ(QStringList(), QDir(map.path()).entryList(QDir::Files));
}

}  // namespace
}  // namespace kzo
