#include "ui/main/venster/hulp.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kzo {

QString HulpPagina(const QString& programmaMap, int context) {
  const QDir map(QDir(programmaMap).filePath(QStringLiteral("hulp")));
  for (const QString& naam :
       {QStringLiteral("%1.html").arg(context), QStringLiteral("index.html")}) {
    const QFileInfo f(map.filePath(naam));
    if (f.isFile()) return f.absoluteFilePath();
  }
  return {};
}

void ToonHulp(int context, const QString& programmaMap, IGebruiker& gebruiker) {
  const QString pagina = HulpPagina(programmaMap, context);
  if (!pagina.isEmpty()) {
    const QUrl url = QUrl::fromLocalFile(pagina);
    if (gebruiker.OpenLink(url)) return;
  }
#ifdef Q_OS_WIN
  // The compiled help of the Windows installation, opened at its context number.
  const QString chm = QDir(programmaMap).filePath(QStringLiteral("KZO.CHM"));
  if (QFileInfo(chm).isFile() &&
      QProcess::startDetached(QStringLiteral("hh.exe"),
                              {QStringLiteral("-mapid"), QString::number(context), chm}))
    return;
#endif
  gebruiker.Informatie(
      QStringLiteral("Er is geen help geïnstalleerd.\nDe help hoort in de map \"hulp\" in de "
                     "programmamap:\n%1")
          .arg(QDir::toNativeSeparators(programmaMap)));
}

}  // namespace kzo
