#include "ui/dialogs/algemeen/overkzo.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/records/datum.h"
#include "ui/widgets/gebruiker.h"

namespace kzo {

namespace {

// The project's README, where contact and web addresses are kept: next to the program
// or in the source tree it was built from.
QString ZoekReadme() {
  QDir map(QCoreApplication::applicationDirPath());
  for (int i = 0; i < 5; ++i) {
    const QFileInfo f(map.filePath(QStringLiteral("README.md")));
    if (f.isFile()) return f.absoluteFilePath();
    if (!map.cdUp()) break;
  }
  return {};
}

// The program's picture: a chequered flag with the program's name.
QPixmap Plaatje() {
  QPixmap pm(180, 64);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF vlag(8, 10, 60, 40);
  const qreal w = vlag.width() / 6, h = vlag.height() / 4;
  p.setPen(Qt::NoPen);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c) {
      p.setBrush((r + c) % 2 ? Qt::white : QColor(30, 30, 30));
      p.drawRect(QRectF(vlag.left() + c * w, vlag.top() + r * h, w, h));
    }
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(vlag);
  p.setPen(QPen(QColor(110, 80, 50), 3));
  p.drawLine(QPointF(6, 8), QPointF(6, 60));
  QFont f;
  f.setBold(true);
  f.setPixelSize(30);
  p.setFont(f);
  p.setPen(QColor(45, 110, 200));
  p.drawText(QRectF(74, 8, 106, 48), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("KZO"));
  return pm;
}

QLabel* Link(const QString& tekst, const QString& readme, IGebruiker& gebruiker) {
  auto* l = new QLabel;
  l->setAlignment(Qt::AlignCenter);
  if (readme.isEmpty()) {
    l->setText(tekst);
    return l;
  }
  l->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                 .arg(QUrl::fromLocalFile(readme).toString(), tekst.toHtmlEscaped()));
  l->setCursor(Qt::PointingHandCursor);
  QObject::connect(l, &QLabel::linkActivated, l,
                   [&gebruiker](const QString& url) { gebruiker.OpenLink(QUrl(url)); });
  return l;
}

}  // namespace

ToverKzo::ToverKzo(const TCompetitie& comp, int K, int R, IGebruiker& gebruiker, QWidget* ouder)
    : TDialoog(T("Informatie"), Help, ouder) {
  const QString readme = ZoekReadme();

  auto* boven = new QGroupBox;
  auto* bovenLayout = new QVBoxLayout(boven);
  auto* naam = new QLabel(T("Kzobaan voor Windows"));
  QFont groot = naam->font();
  groot.setBold(true);
  groot.setPointSizeF(groot.pointSizeF() * 1.4);
  naam->setFont(groot);
  bovenLayout->addWidget(naam);
  bovenLayout->addWidget(new QLabel(T("Versie 3.02")));
  bovenLayout->addWidget(new QLabel(T("Standen van motorcross competities, door en voor clubs")));
  bovenLayout->addWidget(Link(T("Contact: zie README.md"), readme, gebruiker));
  plaatje_ = new QLabel;
  plaatje_->setPixmap(Plaatje());
  plaatje_->setCursor(Qt::PointingHandCursor);
  plaatje_->installEventFilter(this);
  bovenLayout->addWidget(plaatje_);
  bovenLayout->addWidget(Link(T("Website: zie README.md"), readme, gebruiker));
  for (QLabel* l : boven->findChildren<QLabel*>()) l->setAlignment(Qt::AlignCenter);

  auto* onder = new QGroupBox;
  auto* onderLayout = new QVBoxLayout(onder);
  const QString teksten[] = {
      T("Bestand : ") + Q(comp.Bestandsnaam),
      T("Aangemaakt op : ") + Q(BestandsDatumTekst(comp.Club.IDnummer, 0, true)),
      T("Laatste bewerkt : ") + Q(BestandsDatumTekst(comp.Club.UpDate, 0, true)),
      T("Aantal klassen : ") + QString::number(K),
      T("Aantal rijders : ") + QString::number(R),
  };
  for (const QString& t : teksten) {
    auto* l = new QLabel(t);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    regels_.append(l);
    onderLayout->addWidget(l);
  }

  QDialogButtonBox* knoppen = MaakKnoppen(KnopOk);
  knoppen->setCenterButtons(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(boven);
  layout->addWidget(onder);
  layout->addWidget(knoppen);
  setMinimumWidth(360);
}

QStringList ToverKzo::BestandsRegels() const {
  QStringList uit;
  for (const QLabel* l : regels_) uit << l->text();
  return uit;
}

bool ToverKzo::eventFilter(QObject* o, QEvent* e) {
  if (o == plaatje_ && e->type() == QEvent::MouseButtonRelease) {
    emit Hulp(Help);
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace kzo
