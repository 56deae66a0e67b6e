#include "ui/main/venster/opstart.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kzo {

QString CommandoRegelBestand(const QString& regel, const QStringList& parameters) {
  if (parameters.isEmpty()) return {};
  QString naam;
  const qsizetype p = regel.toUpper().indexOf(QStringLiteral("EXE\""));
  if (p >= 0)
    naam = regel.mid(p + 5);  // past the quote and the one separator after it
  else
    naam = parameters.join(QLatin1Char(' '));
  naam.remove(QLatin1Char('"'));
  qsizetype begin = 0, eind = naam.size();
  while (begin < eind && naam.at(begin).unicode() <= ' ') ++begin;
  while (eind > begin && naam.at(eind - 1).unicode() <= ' ') --eind;
  return naam.mid(begin, eind - begin);
}

QString EigenCommandoRegel() {
#ifdef Q_OS_WIN
  return QString::fromWCharArray(GetCommandLineW());
#else
  return QCoreApplication::arguments().join(QLatin1Char(' '));
#endif
}

QStringList EigenParameters() { return QCoreApplication::arguments().mid(1); }

TPlaatsing BepaalPlaatsing(const TVenster& v, QSize scherm) {
  TPlaatsing p;
  switch (v.State & 0xFF) {
    case 2:
      p.soort = TPlaatsing::Maximaliseren;
      break;
    case 0:
      if (v.Width > 75 && v.Height > 75 && v.Left < scherm.width() - 100 &&
          v.Top < scherm.height() - 100) {
        p.soort = TPlaatsing::Normaal;
        p.rect = QRect(v.Left, v.Top, v.Width, v.Height);
      }
      break;
    default:
      break;
  }
  return p;
}

TVenster VensterVan(const QRect& rect, int staat) {
  TVenster v;
  v.Top = rect.top();
  v.Left = rect.left();
  v.Height = rect.height();
  v.Width = rect.width();
  v.State = staat;
  return v;
}

}  // namespace kzo
