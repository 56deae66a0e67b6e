// The reusable string grid: scrolling that keeps the fixed cells, cell geometry, keys.

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include "ui/widgets/stringgrid.h"

namespace kzo {
namespace {

class StringGridTest : public ::testing::Test {
 protected:
  StringGridTest() {
    g.resize(400, 300);
    g.SetColCount(110);
    g.SetRowCount(501);
    g.SetFixedCols(2);
    g.SetDefaultRowHeight(18);
    g.show();
  }
  TStringGrid g;
};

TEST_F(StringGridTest, ScrollingToTheFarCornerKeepsFixedCellsInPlace) {
  ASSERT_TRUE(g.SetCurrentCell(109, 500));
  EXPECT_GT(g.TopRow(), 1);
  EXPECT_GT(g.LeftCol(), 2);
  const QRect hoek = g.CellRect(109, 500);
  ASSERT_FALSE(hoek.isEmpty());
  EXPECT_TRUE(g.viewport()->rect().contains(hoek));
  EXPECT_EQ(g.CellRect(0, 500).left(), 0);
  EXPECT_EQ(g.CellRect(109, 0).top(), 0);
  EXPECT_TRUE(g.CellRect(2, 1).isEmpty());  // scrolled out of view
  EXPECT_EQ(g.MouseToCell(hoek.center()), QPoint(109, 500));
  EXPECT_EQ(g.MouseToCell(g.CellRect(1, 0).center()), QPoint(1, 0));

  QTest::keyClick(&g, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(QPoint(g.Col(), g.Row()), QPoint(2, 1));
  EXPECT_EQ(g.TopRow(), 1);
  EXPECT_EQ(g.LeftCol(), 2);
  QTest::keyClick(&g, Qt::Key_End);
  EXPECT_EQ(QPoint(g.Col(), g.Row()), QPoint(109, 1));
  QTest::keyClick(&g, Qt::Key_PageDown);
  EXPECT_EQ(g.Row(), 1 + g.VisibleRowCount());
  QTest::keyClick(&g, Qt::Key_Up);
  EXPECT_EQ(g.Row(), g.VisibleRowCount());
}

TEST_F(StringGridTest, PaintsOnlyVisibleCells) {
  int getekend = 0;
  g.ZetTekenFunctie([&](QPainter&, int, int, const QRect&, TCelStaat) { ++getekend; });
  g.SetCurrentCell(60, 250);
  QImage beeld(g.viewport()->size(), QImage::Format_ARGB32);
  g.viewport()->render(&beeld);
  EXPECT_GT(getekend, 0);
  EXPECT_LT(getekend, 400);  // the viewport shows a few hundred cells at most
}

TEST_F(StringGridTest, OwnerSeesKeysFirstAndMayRefuseACell) {
  g.ZetToetsVoorvertoning([](QKeyEvent* e) { return e->key() == Qt::Key_Down; });
  QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 1);
  QTest::keyClick(&g, Qt::Key_Right);
  EXPECT_EQ(g.Col(), 3);

  std::vector<QPoint> voor;
  QObject::connect(&g, &TStringGrid::SelecteerCel, [&](int c, int r) {
    voor.emplace_back(c, r);
    EXPECT_EQ(g.Col(), 3);  // still the old cell
  });
  g.ZetMagKiezen([](int c, int) { return c != 5; });
  EXPECT_FALSE(g.SetCurrentCell(5, 1));
  EXPECT_TRUE(g.SetCurrentCell(4, 7));
  EXPECT_EQ(voor, std::vector<QPoint>{QPoint(4, 7)});
  EXPECT_FALSE(g.SetCurrentCell(1, 7));  // fixed cells are never current
}

}  // namespace
}  // namespace kzo
