// Drawing rules of the class grid, checked on cells rendered into an image.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "test_grid_fixture.h"
#include "ui/widgets/stringgrid_kleur.h"

namespace kzo {
namespace {

class GridTekenTest : public GridTest {
 protected:
  QImage Teken(int c, int r, bool geselecteerd = false, bool vast = false) {
    const QRect rect(0, 0, kg->Grid()->ColWidth(c), kg->Grid()->DefaultRowHeight());
    QImage img(rect.size(), QImage::Format_ARGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    TCelStaat staat;
    staat.geselecteerd = geselecteerd;
    staat.vast = vast;
    kg->ActiveSGDrawCell(p, c, r, rect, staat);
    return img;
  }
  // The bottom-right pixel: background, never text.
  static QColor Achtergrond(const QImage& img) {
    return img.pixelColor(img.width() - 1, img.height() - 1);
  }
  static int RodePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor k = img.pixelColor(x, y);
        if (k.red() > 200 && k.green() < 90 && k.blue() < 90) ++n;
      }
    return n;
  }
  QColor Palet(QPalette::ColorRole rol) { return kg->Grid()->palette().color(rol); }
};

TEST_F(GridTekenTest, DiscardedResultsAndDQ) {
  comp.Club.SchrKleur = 0x00C0C0FF;  // light red-pink
  Vul({"A", "B", "C"});
  Rijder(1).Uitslag(1) = 1003;  // a discarded third place
  Rijder(2).Uitslag(1) = UitDQ;
  Rijder(3).Uitslag(1) = 995;  // a discarded DQ
  Toon();

  const QColor schrap = KleurNaarQt(comp.Club.SchrKleur, kg->Grid()->palette());
  EXPECT_EQ(Achtergrond(Teken(4, 1)), schrap);
  EXPECT_EQ(Achtergrond(Teken(4, 1, true)), Palet(QPalette::Highlight));
  comp.Club.DisplayInfo |= 0x40;  // discarded results without their own background
  EXPECT_EQ(Achtergrond(Teken(4, 1)), Palet(QPalette::Base));
  comp.Club.DisplayInfo &= ~0x40;

  EXPECT_GT(RodePixels(Teken(4, 2)), 0);    // DQ in red
  EXPECT_EQ(RodePixels(Teken(4, 1)), 0);    // a number is not
  const QImage geschrapteDQ = Teken(4, 3);  // discarded DQ: normal text, discard background
  EXPECT_EQ(RodePixels(geschrapteDQ), 0);
  EXPECT_EQ(Achtergrond(geschrapteDQ), schrap);
}

TEST_F(GridTekenTest, CurrentCellIndicatorWaitsForTheTimer) {
  Vul({"A", "B"});
  Toon();
  Ga(4, 1);
  const QColor knop = KleurNaarQt(SysteemKleur(15), kg->Grid()->palette());
  const QColor indicator = KleurNaarQt(SysteemKleur(3), kg->Grid()->palette());
  ASSERT_NE(knop, indicator);
  ASSERT_TRUE(kg->IndicatorWacht());
  EXPECT_EQ(Achtergrond(Teken(4, 0, false, true)), knop);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !kg->IndicatorWacht(); }));
  EXPECT_EQ(Achtergrond(Teken(4, 0, false, true)), indicator);
  EXPECT_EQ(Achtergrond(Teken(0, 1, false, true)), indicator);
  EXPECT_EQ(Achtergrond(Teken(5, 0, false, true)), knop);
  EXPECT_EQ(Achtergrond(Teken(0, 2, false, true)), knop);
}

TEST_F(GridTekenTest, SelectionMarkIsDrawnFromTheRider) {
  Vul({"A"});
  Toon();
  Rijder(1).Rijder.Optie |= 4;
  Teken(0, 1, false, true);
  EXPECT_EQ(Klasse().SG.Rij(1).marker, "*");
  Rijder(1).Rijder.Optie &= ~4;
  Teken(0, 1, false, true);
  EXPECT_EQ(Klasse().SG.Rij(1).marker, " ");
}

TEST_F(GridTekenTest, KolomInfoShowsTheSeriesOfAColumn) {
  Vul({"A"}, 5);
  TUitslagInfo info = NulRecord<TUitslagInfo>();
  info.Uitsl[0] = 2;
  info.Uitsl[1] = 3;
  info.Datum.Set("20240505");
  info.Opmerking.Set("Zand");
  Klasse().SG.Kolom(Klasse().UitslKolom(2))->SetInfo(info);

  EXPECT_EQ(KolomInfo(Klasse(), comp.Club, Klasse().UitslKolom(3)), " 5 mei Zand");
  EXPECT_EQ(KolomInfo(Klasse(), comp.Club, Klasse().UitslKolom(1)), "");
  comp.Club.DisplayInfo |= 0x08;
  Klasse().SG.Kolom(Klasse().UitslKolom(2))->info->Optie = 1;
  EXPECT_EQ(KolomInfo(Klasse(), comp.Club, Klasse().UitslKolom(2)),
            " 5 mei 2024 Zand (niet tellend)");

  // The header hint follows the mouse: only result headers of a series have one.
  Toon();
  auto beweeg = [&](int c, int r) {
    QWidget* vp = kg->Grid()->viewport();
    const QPoint p = kg->Grid()->CellRect(c, r).center();
    QMouseEvent e(QEvent::MouseMove, p, vp->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
  };
  beweeg(Klasse().UitslKolom(3), 0);
  EXPECT_TRUE(kg->Grid()->HintAan());
  EXPECT_EQ(kg->Grid()->Hint(), " 5 mei 2024 Zand (niet tellend)");
  for (QPoint cel :
       {QPoint(Klasse().UitslKolom(1), 0), QPoint(2, 0), QPoint(Klasse().UitslKolom(3), 1)}) {
    beweeg(Klasse().UitslKolom(3), 0);
    beweeg(cel.x(), cel.y());
    EXPECT_FALSE(kg->Grid()->HintAan()) << cel.x() << "," << cel.y();
    EXPECT_TRUE(kg->Grid()->Hint().isEmpty());
  }
}

}  // namespace
}  // namespace kzo
