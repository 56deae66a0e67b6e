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
    VulCompetitie(f->Competitie(), klok);
    f->ToonCompetitie();
  }

  // Runs the command; bij gets the dialog once it shows, and closes it.
  void Voer(const std::function<void(TTekstUit&)>& bij) {
    bool gezien = false;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<TTekstUit*>(QApplication::activeModalWidget());
      if (d) {
        gezien = true;
        bij(*d);
      }
      // Never leave a modal window open, whatever showed.
      if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) w->close();
    });
    f->Commando().Actie(actie::Uitvoer)->trigger();
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
    d.accept();
  });
  TTekstUitOpties o = OptiesBijOpenen(f->Competitie(), {});
  o.WoordA |= UitAHtml;
  const std::string verwacht = TekstUitvoer(f->Competitie(), o, ',');
  EXPECT_EQ(QByteArray(verwacht.data(), static_cast<qsizetype>(verwacht.size())),
            LeesBytes(Pad(QStringLiteral("mx1.html"))));
  EXPECT_TRUE(f->Uitvoer().Onthouden().Html());
  EXPECT_EQ(0, f->Competitie().Gewijzigd());

  // Opened again: the HTML choice is back. Cancelled: no save dialog.
  Voer([](TTekstUit& d) {
    EXPECT_TRUE(d.HtmlBestand->isChecked());
    d.reject();
  });
  EXPECT_EQ(1, g.bestandsvragen.size());

  // A class without results has nothing to export.
  f->KiesTab(1);
  f->TabControl1Change();
  EXPECT_FALSE(uitvoer->isEnabled());
}

}  // namespace
}  // namespace kzo::test
