#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "bouwer.h"
#include "core/records/instellingen.h"
#include "omgeving.h"
#include "ui/main/grid/klassegrid.h"

namespace kzo {

// A shown class grid over one class of riders with three results.
class GridTest : public ::testing::Test {
 protected:
  GridTest() {
    comp.StandaardInstellingen(0);
    comp.Tabs.clear();
    test::VoegKlasse(comp, "MX2", 0);
  }

  TKlasse& Klasse() { return *comp.Tabs[0]; }

  // Riders named after the given texts, rows 1.. in order.
  void Vul(const std::vector<std::string>& namen, int uitslagen = 3) {
    TKlasse& k = Klasse();
    k.InfoKlasse.aantaluitslagen = uitslagen;
    k.SetupSG(comp.Club);
    k.SG.SetRowCount(1);
    for (const std::string& naam : namen) test::VoegRijder(comp, k, naam);
    k.SetAantalUitslagen();
  }

  void Toon() {
    kg = std::make_unique<TKlasseGrid>(o.ctx);
    kg->resize(800, 400);
    kg->show();
    kg->ToonKlasse(&Klasse());
    QObject::connect(&o.ctx, &TContext::WijzigingGemeld, [this] { ++gewijzigd; });
    QObject::connect(kg.get(), &TKlasseGrid::DQGevraagd, [this](int p) { dq.push_back(p); });
  }

  void Ga(int c, int r) { ASSERT_TRUE(kg->Grid()->SetCurrentCell(c, r)); }
  void Toets(char c) { QTest::keyClick(kg->Grid(), c); }
  void GridToets(Qt::Key k) { QTest::keyClick(kg->Grid(), k); }
  void EditToets(Qt::Key k) { QTest::keyClick(kg->Editor(), k); }
  QString EditTekst() const { return kg->Editor()->text(); }
  TRijder& Rijder(int r) { return *Klasse().Rijder(r); }

  // A plain left click (press and release) on a cell of the grid.
  void Klik(int c, int r) {
    const QPoint p = kg->Grid()->CellRect(c, r).center();
    QTest::mouseClick(kg->Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  }

  test::TOmgeving o;
  TCompetitie& comp = o.comp;
  TScriptGebruiker& gebruiker = o.g;
  std::unique_ptr<TKlasseGrid> kg;
  int gewijzigd = 0;
  std::vector<int> dq;
};

}  // namespace kzo
