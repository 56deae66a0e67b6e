// Selection marks, header sorting and dragging rows in the class grid.

#include <QApplication>

#include "test_grid_fixture.h"

namespace kzo {
namespace {

class GridSelectieTest : public GridTest {
 protected:
  std::vector<std::string> Namen() {
    std::vector<std::string> n;
    for (int r = 1; r < Klasse().SG.RowCount(); ++r) n.push_back(Rijder(r).Rijder.Naam.Get());
    return n;
  }
  std::vector<std::string> Posities() {
    std::vector<std::string> p;
    for (int r = 1; r < Klasse().SG.RowCount(); ++r) p.push_back(Klasse().SG.Rij(r).positie);
    return p;
  }
  std::vector<int> Geselecteerd() {
    std::vector<int> s;
    for (int r = 1; r < Klasse().SG.RowCount(); ++r)
      if (Rijder(r).Geselecteerd()) s.push_back(r);
    return s;
  }
  void Stuur(QEvent::Type type, QPoint p, Qt::MouseButton knop, Qt::MouseButtons knoppen) {
    QWidget* vp = kg->Grid()->viewport();
    QMouseEvent e(type, p, vp->mapToGlobal(p), knop, knoppen, Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
  }
  // Drags a row by its mark cell.
  void Sleep(int van, int naar) {
    const QPoint a = kg->Grid()->CellRect(0, van).center();
    const QPoint b = kg->Grid()->CellRect(0, naar).center();
    Stuur(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    Stuur(QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    Stuur(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
  }
};

TEST_F(GridSelectieTest, MarkColumnAndSelectionCommands) {
  Vul({"A", "B", "C", "D"});
  Toon();
  std::vector<std::pair<int, int>> gekozen;
  QObject::connect(kg.get(), &TKlasseGrid::CelGekozen,
                   [&](int c, int r) { gekozen.emplace_back(c, r); });

  Klik(0, 2);
  EXPECT_EQ(Geselecteerd(), std::vector<int>{2});
  ASSERT_FALSE(gekozen.empty());
  EXPECT_EQ(gekozen.back(), std::make_pair(0, 2));  // the status bar counts again
  Klik(0, 2);
  EXPECT_TRUE(Geselecteerd().empty());

  kg->SelecteerOneven();
  EXPECT_EQ(Geselecteerd(), (std::vector<int>{1, 3}));
  kg->SelectieOmkeren();
  EXPECT_EQ(Geselecteerd(), (std::vector<int>{2, 4}));
  kg->AllesSelecteren();
  EXPECT_EQ(Geselecteerd(), (std::vector<int>{1, 2, 3, 4}));
  kg->SelectieOpheffen();
  EXPECT_TRUE(Geselecteerd().empty());
  EXPECT_EQ(gewijzigd, 0);  // marks are not saved data

  // A click with Ctrl held does nothing.
  QTest::mouseClick(kg->Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    kg->Grid()->CellRect(0, 1).center());
  EXPECT_TRUE(Geselecteerd().empty());
}

TEST_F(GridSelectieTest, HeaderClickSortsAndASecondClickReverses) {
  Vul({"Cees", "Anna", "Bert"});
  Toon();
  Klik(2, 0);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Anna", "Bert", "Cees"}));
  EXPECT_EQ(Klasse().SG.Kolom(2)->Sorted, 1);
  Klik(2, 0);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Cees", "Bert", "Anna"}));
  EXPECT_EQ(Klasse().SG.Kolom(2)->Sorted, 0);

  // Just right of the last header still counts as that header, a little further not.
  const int laatste = kg->Grid()->ColCount() - 1;
  const QRect kop = kg->Grid()->CellRect(laatste, 0);
  auto klikOp = [&](int x) {
    QTest::mouseClick(kg->Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(x, kop.center().y()));
  };
  klikOp(kop.right() + 10);
  EXPECT_EQ(Klasse().SG.Kolom(laatste)->Sorted, 0);
  klikOp(kop.right() + 4);
  EXPECT_EQ(Klasse().SG.Kolom(laatste)->Sorted, 1);
}

TEST_F(GridSelectieTest, HeaderClickWithOneRiderDoesNotSort) {
  Vul({"Anna"});
  Toon();
  Klik(2, 0);
  EXPECT_EQ(Klasse().SG.Kolom(2)->Sorted, 0);
}

TEST_F(GridSelectieTest, DraggedRowsAreRenumbered) {
  Vul({"A", "B", "C"});
  Toon();
  Ga(3, 1);
  Sleep(1, 3);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(Posities(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(kg->Grid()->Row(), 3);  // the cursor stays with its rider
  EXPECT_EQ(Klasse().SG.Row, 3);

  // With a standing shown, BM riders get "BM" and the others count on.
  Klasse().BN = 1;
  Rijder(2).Rijder.Optie |= 1;
  Sleep(3, 1);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(Posities(), (std::vector<std::string>{"1", "2", "BM"}));
  Klasse().BN = 0;
}

}  // namespace
}  // namespace kzo
