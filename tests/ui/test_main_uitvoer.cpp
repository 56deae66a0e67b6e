#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "output/tekstuitvoer.h"
#include "test_main_opzet.h"
#include "ui/dialogs/uitvoer/tekstuit.h"
#include "ui/main/commando/commando.h"
#include "ui/main/commando/uitvoercommando.h"

namespace kzo::test {
namespace {

class UitvoerTest : public HoofdvensterTest {
 protected:
  void SetUp() override {
    HoofdvensterTest::SetUp();
    VulCompetitie(Comp(), klok);
    Ctx().MeldCompetitieVervangen();
  }

  // Runs the command; bij works the dialog and says whether "&Ok" is clicked.
  void Voer(const std::function<bool(TTekstUit&)>& bij) {
    bool gezien = false;
    g.Bij<TTekstUit>([&](TTekstUit& d) {
      gezien = true;
      return bij(d) ? TScriptGebruiker::Ok(d) : QDialog::Rejected;
    });
    Trigger(actie::Uitvoer);
    EXPECT_TRUE(gezien);
  }
};

TEST_F(UitvoerTest, ExportsTheCurrentClassAndRemembersTheChoicesForTheRun) {
  QAction* uitvoer = f->Commando().Actie(actie::Uitvoer);
  EXPECT_EQ(QString::fromUtf8("&Uitvoer tekst/html bestand …"), uitvoer->text());
  EXPECT_TRUE(uitvoer->isEnabled());  // MX1 has results

  g.bestanden.push_back(Pad(QStringLiteral("mx1.htm")));
  Voer([](TTekstUit& d) {
    EXPECT_TRUE(d.Tekstbestand->isChecked());
    d.HtmlBestand->setChecked(true);
    return true;
  });
  TTekstUitOpties o = OptiesBijOpenen(Comp(), {});
  o.WoordA |= UitAHtml;
  const std::string verwacht = TekstUitvoer(Comp(), o, ',');
  EXPECT_EQ(QByteArray(verwacht.data(), static_cast<qsizetype>(verwacht.size())),
            LeesBytes(Pad(QStringLiteral("mx1.html"))));
  EXPECT_TRUE(f->findChild<TUitvoerCommando*>()->Onthouden().Html());
  EXPECT_EQ(0, Comp().Gewijzigd());

  // Opened again: the HTML choice is back. Cancelled: no save dialog.
  Voer([](TTekstUit& d) {
    EXPECT_TRUE(d.HtmlBestand->isChecked());
    return false;
  });
  EXPECT_EQ(1, g.bestandsvragen.size());

  // A class without results has nothing to export.
  Ctx().KiesKlasse(1);
  EXPECT_FALSE(uitvoer->isEnabled());
}

}  // namespace
}  // namespace kzo::test
