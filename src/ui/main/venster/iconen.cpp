#include "ui/main/venster/iconen.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <initializer_list>

namespace kzo {

namespace {

// Every picture is drawn on a 24 x 24 grid and scaled to the size asked for.
constexpr qreal kRaster = 24.0;

const QColor kLijn(60, 60, 70);
const QColor kWit(255, 255, 255);
const QColor kBlauw(45, 110, 200);
const QColor kGroen(40, 150, 60);
const QColor kRood(205, 45, 40);
const QColor kGoud(235, 180, 40);

QPen Pen(const QColor& c, qreal w = 1.2) {
  QPen p(c, w);
  p.setJoinStyle(Qt::RoundJoin);
  p.setCapStyle(Qt::RoundCap);
  return p;
}

// A closed outline through the given corners.
QPainterPath Veelhoek(std::initializer_list<QPointF> hoeken) {
  QPainterPath pad;
  pad.addPolygon(QPolygonF(QList<QPointF>(hoeken)));
  pad.closeSubpath();
  return pad;
}

void Blad(QPainter& p, QRectF r, qreal ezelsoor = 5) {
  QPainterPath pad;
  pad.moveTo(r.left(), r.top());
  pad.lineTo(r.right() - ezelsoor, r.top());
  pad.lineTo(r.right(), r.top() + ezelsoor);
  pad.lineTo(r.right(), r.bottom());
  pad.lineTo(r.left(), r.bottom());
  pad.closeSubpath();
  p.setPen(Pen(kLijn));
  p.setBrush(kWit);
  p.drawPath(pad);
  QPainterPath oor;
  oor.moveTo(r.right() - ezelsoor, r.top());
  oor.lineTo(r.right() - ezelsoor, r.top() + ezelsoor);
  oor.lineTo(r.right(), r.top() + ezelsoor);
  p.setBrush(QColor(220, 220, 225));
  p.drawPath(oor);
}

void Regels(QPainter& p, qreal x1, qreal x2, qreal y, int n, qreal stap = 3) {
  p.setPen(Pen(QColor(150, 150, 160), 1.0));
  for (int i = 0; i < n; ++i) p.drawLine(QPointF(x1, y + i * stap), QPointF(x2, y + i * stap));
}

void Persoon(QPainter& p, QPointF midden, qreal schaal, const QColor& kleur) {
  p.setPen(Pen(kleur.darker(140), 1.0));
  p.setBrush(kleur);
  p.drawEllipse(QPointF(midden.x(), midden.y() - 4.5 * schaal), 3.2 * schaal, 3.2 * schaal);
  QPainterPath romp;
  romp.moveTo(midden.x() - 6 * schaal, midden.y() + 6 * schaal);
  romp.cubicTo(midden.x() - 6 * schaal, midden.y() - 1 * schaal, midden.x() + 6 * schaal,
               midden.y() - 1 * schaal, midden.x() + 6 * schaal, midden.y() + 6 * schaal);
  romp.closeSubpath();
  p.drawPath(romp);
}

void Rondje(QPainter& p, QPointF m, qreal straal, const QColor& kleur) {
  QRadialGradient g(m.x() - straal / 3, m.y() - straal / 3, straal * 1.6);
  g.setColorAt(0, kleur.lighter(135));
  g.setColorAt(1, kleur.darker(115));
  p.setPen(Pen(kleur.darker(150), 1.0));
  p.setBrush(g);
  p.drawEllipse(m, straal, straal);
}

void Plus(QPainter& p, QPointF m, const QColor& kleur) {
  Rondje(p, m, 5, kleur);
  p.setPen(Pen(kWit, 2.0));
  p.drawLine(QPointF(m.x() - 2.6, m.y()), QPointF(m.x() + 2.6, m.y()));
  p.drawLine(QPointF(m.x(), m.y() - 2.6), QPointF(m.x(), m.y() + 2.6));
}

void Min(QPainter& p, QPointF m, const QColor& kleur) {
  Rondje(p, m, 5, kleur);
  p.setPen(Pen(kWit, 2.0));
  p.drawLine(QPointF(m.x() - 2.6, m.y()), QPointF(m.x() + 2.6, m.y()));
}

void Letter(QPainter& p, QRectF r, const QString& tekst, qreal hoogte) {
  QFont f;
  f.setFamily(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(static_cast<int>(hoogte));
  p.setFont(f);
  p.setPen(kWit);
  p.drawText(r, Qt::AlignCenter, tekst);
}

void TekenNieuw(QPainter& p) {
  Blad(p, QRectF(4.5, 2.5, 14, 19));
  Regels(p, 7, 15, 11, 4);
  // A small star: something new.
  QPainterPath ster;
  const QPointF m(17.5, 6.5);
  for (int i = 0; i < 10; ++i) {
    const qreal hoek = -M_PI / 2 + i * M_PI / 5;
    const qreal r = i % 2 ? 1.8 : 4.6;
    QPointF pt(m.x() + r * std::cos(hoek), m.y() + r * std::sin(hoek));
    i == 0 ? ster.moveTo(pt) : ster.lineTo(pt);
  }
  ster.closeSubpath();
  p.setPen(Pen(QColor(190, 130, 0), 0.9));
  p.setBrush(kGoud);
  p.drawPath(ster);
}

void TekenOpenen(QPainter& p) {
  const QColor map(225, 175, 60);
  p.setPen(Pen(map.darker(160)));
  p.setBrush(map.darker(115));
  const QPainterPath achter =
      Veelhoek({{2.5, 5}, {9, 5}, {11, 7}, {19.5, 7}, {19.5, 19.5}, {2.5, 19.5}});
  p.drawPath(achter);
  Blad(p, QRectF(6, 4, 11, 11), 3);
  const QPainterPath voor = Veelhoek({{2.5, 19.5}, {6.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}});
  QLinearGradient g(0, 10.5, 0, 19.5);
  g.setColorAt(0, map.lighter(115));
  g.setColorAt(1, map);
  p.setPen(Pen(map.darker(160)));
  p.setBrush(g);
  p.drawPath(voor);
}

void TekenBewaar(QPainter& p) {
  const QPainterPath schijf = Veelhoek({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}});
  QLinearGradient g(0, 3, 0, 21);
  g.setColorAt(0, kBlauw.lighter(125));
  g.setColorAt(1, kBlauw.darker(110));
  p.setPen(Pen(kBlauw.darker(170)));
  p.setBrush(g);
  p.drawPath(schijf);
  p.setPen(Pen(QColor(130, 130, 140), 0.8));
  p.setBrush(kWit);
  p.drawRect(QRectF(6.5, 3.5, 10, 7));
  p.setBrush(QColor(90, 90, 100));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(13, 4.5, 2.5, 5));
  p.setBrush(QColor(235, 235, 240));
  p.setPen(Pen(QColor(130, 130, 140), 0.8));
  p.drawRect(QRectF(6, 14, 12, 6.5));
  Regels(p, 7.5, 16.5, 16, 2, 2.5);
}

void TekenPrinten(QPainter& p) {
  Blad(p, QRectF(6.5, 2.5, 11, 9), 3);
  QLinearGradient g(0, 9, 0, 18);
  g.setColorAt(0, QColor(200, 200, 205));
  g.setColorAt(1, QColor(140, 140, 150));
  p.setPen(Pen(kLijn));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2.5, 9, 19, 9), 2, 2);
  p.setBrush(kWit);
  p.drawRect(QRectF(6.5, 15, 11, 6.5));
  Regels(p, 8.5, 15.5, 17.5, 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kGroen);
  p.drawEllipse(QPointF(18.5, 11.8), 1.0, 1.0);
}

void TekenRijder(QPainter& p) {
  p.setPen(Pen(kLijn));
  p.setBrush(QColor(245, 245, 235));
  p.drawRoundedRect(QRectF(1.5, 4.5, 21, 15), 2, 2);
  p.save();
  p.setClipRect(QRectF(2, 5, 9.5, 14));
  Persoon(p, QPointF(7, 13), 0.75, kBlauw);
  p.restore();
  Regels(p, 12.5, 19.5, 9, 4, 3);
}

void TekenRijderToevoegen(QPainter& p) {
  Persoon(p, QPointF(9.5, 12), 1.15, kBlauw);
  Plus(p, QPointF(17.5, 17.5), kGroen);
}

void TekenRijderVerwijderen(QPainter& p) {
  Persoon(p, QPointF(9.5, 12), 1.15, kBlauw);
  Min(p, QPointF(17.5, 17.5), kRood);
}

void TekenSnelUitslagen(QPainter& p) {
  // The chequered flag: a race's finishing order.
  p.setPen(Pen(QColor(110, 80, 50), 1.6));
  p.drawLine(QPointF(4, 3), QPointF(4, 22));
  const QRectF vlag(4.5, 3.5, 16, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(kWit);
  p.drawRect(vlag);
  p.setBrush(QColor(25, 25, 25));
  const qreal w = vlag.width() / 4, h = vlag.height() / 3;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c)
      if ((r + c) % 2 == 0) p.drawRect(QRectF(vlag.left() + c * w, vlag.top() + r * h, w, h));
  p.setPen(Pen(kLijn, 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(vlag);
  // A lightning bolt: quick.
  const QPainterPath flits =
      Veelhoek({{17, 12}, {12.5, 18}, {15.5, 18}, {13, 23}, {20, 16}, {17, 16}, {19.5, 12}});
  p.setPen(Pen(QColor(190, 120, 0), 0.8));
  p.setBrush(kGoud);
  p.drawPath(flits);
}

void TekenInformatieUitslagen(QPainter& p) {
  Blad(p, QRectF(2.5, 2.5, 13, 18), 4);
  Regels(p, 5, 13, 8, 4);
  Rondje(p, QPointF(16.5, 16.5), 6, kBlauw);
  Letter(p, QRectF(10.5, 10.5, 12, 12), QStringLiteral("i"), 9);
}

void TekenControleUitslagen(QPainter& p) {
  p.setPen(Pen(QColor(120, 85, 40)));
  p.setBrush(QColor(190, 140, 80));
  p.drawRoundedRect(QRectF(3.5, 3.5, 16, 19), 1.5, 1.5);
  p.setBrush(kWit);
  p.setPen(Pen(QColor(150, 150, 160), 0.8));
  p.drawRect(QRectF(5.5, 6, 12, 14.5));
  p.setPen(Pen(kLijn));
  p.setBrush(QColor(170, 170, 180));
  p.drawRoundedRect(QRectF(8, 2, 7, 3.5), 1, 1);
  p.setPen(Pen(kGroen, 2.6));
  p.drawPolyline(QPolygonF({QPointF(8, 13.5), QPointF(11, 16.5), QPointF(20.5, 7)}));
}

void TekenEindstanden(QPainter& p) {
  // A cup.
  QLinearGradient g(5, 0, 19, 0);
  g.setColorAt(0, kGoud.darker(115));
  g.setColorAt(0.4, kGoud.lighter(130));
  g.setColorAt(1, kGoud.darker(120));
  p.setPen(Pen(QColor(160, 110, 0)));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2, 5, 7, 7), 90 * 16, 180 * 16);
  p.drawArc(QRectF(15, 5, 7, 7), -90 * 16, 180 * 16);
  QPainterPath beker;
  beker.moveTo(5.5, 3);
  beker.lineTo(18.5, 3);
  beker.cubicTo(18.5, 11, 15, 14, 12, 14);
  beker.cubicTo(9, 14, 5.5, 11, 5.5, 3);
  beker.closeSubpath();
  p.setBrush(g);
  p.drawPath(beker);
  p.drawRect(QRectF(10.5, 14, 3, 3.5));
  p.setBrush(QColor(110, 80, 50));
  p.setPen(Pen(QColor(70, 50, 30)));
  p.drawRect(QRectF(7, 17.5, 10, 4));
}

void TekenDagklassement(QPainter& p) {
  p.setPen(Pen(kLijn));
  p.setBrush(kWit);
  p.drawRoundedRect(QRectF(3, 4, 18, 17), 1.5, 1.5);
  p.setBrush(kRood);
  p.drawRect(QRectF(3, 4, 18, 5));
  p.setPen(Pen(kLijn, 1.6));
  p.drawLine(QPointF(7.5, 2.5), QPointF(7.5, 6));
  p.drawLine(QPointF(16.5, 2.5), QPointF(16.5, 6));
  // A podium: the day's classification.
  p.setPen(Pen(kBlauw.darker(140), 0.8));
  p.setBrush(kBlauw);
  p.drawRect(QRectF(10, 12, 4, 7.5));
  p.setBrush(kBlauw.lighter(140));
  p.drawRect(QRectF(6, 14.5, 4, 5));
  p.drawRect(QRectF(14, 16, 4, 3.5));
}

void TekenHelp(QPainter& p) {
  Rondje(p, QPointF(12, 12), 9.5, kBlauw);
  Letter(p, QRectF(2.5, 2.5, 19, 19), QStringLiteral("?"), 15);
}

void Teken(TIcoon soort, QPainter& p) {
  switch (soort) {
    case TIcoon::Nieuw:
      TekenNieuw(p);
      break;
    case TIcoon::Openen:
      TekenOpenen(p);
      break;
    case TIcoon::Bewaar:
      TekenBewaar(p);
      break;
    case TIcoon::Printen:
      TekenPrinten(p);
      break;
    case TIcoon::Rijder:
      TekenRijder(p);
      break;
    case TIcoon::RijderToevoegen:
      TekenRijderToevoegen(p);
      break;
    case TIcoon::RijderVerwijderen:
      TekenRijderVerwijderen(p);
      break;
    case TIcoon::SnelUitslagen:
      TekenSnelUitslagen(p);
      break;
    case TIcoon::InformatieUitslagen:
      TekenInformatieUitslagen(p);
      break;
    case TIcoon::ControleUitslagen:
      TekenControleUitslagen(p);
      break;
    case TIcoon::Eindstanden:
      TekenEindstanden(p);
      break;
    case TIcoon::Dagklassement:
      TekenDagklassement(p);
      break;
    case TIcoon::Help:
      TekenHelp(p);
      break;
  }
}

class TTekenIcoon final : public QIconEngine {
 public:
  explicit TTekenIcoon(TIcoon soort) : soort_(soort) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QPixmap pixmap(const QSize& grootte, QIcon::Mode mode, QIcon::State) override {
    QImage beeld(grootte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    {
      QPainter p(&beeld);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      const qreal schaal = std::min(grootte.width(), grootte.height()) / kRaster;
      p.translate((grootte.width() - kRaster * schaal) / 2,
                  (grootte.height() - kRaster * schaal) / 2);
      p.scale(schaal, schaal);
      Teken(soort_, p);
    }
    if (mode == QIcon::Disabled) Grijs(beeld);
    return QPixmap::fromImage(beeld);
  }

  QSize actualSize(const QSize& grootte, QIcon::Mode, QIcon::State) override { return grootte; }
  QIconEngine* clone() const override { return new TTekenIcoon(soort_); }

 private:
  // A disabled button shows a faint grey picture, as every desktop does.
  static void Grijs(QImage& beeld) {
    for (int y = 0; y < beeld.height(); ++y) {
      auto* rij = reinterpret_cast<QRgb*>(beeld.scanLine(y));
      for (int x = 0; x < beeld.width(); ++x) {
        const QRgb c = qUnpremultiply(rij[x]);
        const int g = (qRed(c) * 11 + qGreen(c) * 16 + qBlue(c) * 5) / 32;
        const int grijs = qMin(255, g / 2 + 110);
        rij[x] = qPremultiply(qRgba(grijs, grijs, grijs, qAlpha(c) * 2 / 5));
      }
    }
  }

  TIcoon soort_;
};

}  // namespace

QIcon MaakIcoon(TIcoon soort) { return QIcon(new TTekenIcoon(soort)); }

}  // namespace kzo
