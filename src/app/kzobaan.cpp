// The desktop program.
//
//   kzobaan [FILE.kzo]
//   kzobaan --screenshot OUT.png [--tab N] FILE.kzo
//
// --screenshot starts on FILE with fresh settings (no prompts, nothing stored), shows
// tab N (default: the first class with results), saves a picture of the main window
// and ends; tools/screenshot.sh uses it.

#include <QApplication>
#include <QStringList>
#include <QTabBar>
#include <QTimer>
#include <cstdio>

#include "core/file/instellingenopslag.h"
#include "core/records/datum.h"
#include "platform/qtbestandsopslag.h"
#include "platform/qtinstellingen.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/mainform.h"
#include "ui/main/venster/opstart.h"
#include "ui/widgets/gebruiker.h"

namespace {

struct TOpties {
  QString screenshot;
  int tab = -1;
  QStringList parameters;  // what is left for the program itself
  bool eigen = false;      // one of our options was given
};

TOpties LeesOpties(const QStringList& args) {
  TOpties o;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) {
      o.screenshot = args[++i];
      o.eigen = true;
    } else if (args[i] == QLatin1String("--tab") && i + 1 < args.size()) {
      o.tab = args[++i].toInt() - 1;
      o.eigen = true;
    } else {
      o.parameters << args[i];
    }
  }
  return o;
}

// A class with results, so the picture shows what the program is for.
int TabMetUitslagen(kzo::TCompetitie& comp) {
  for (int t = 0; t < static_cast<int>(comp.Tabs.size()); ++t)
    if (auto& k = comp.Tabs[static_cast<std::size_t>(t)]; k && k->NR_Uit() > 0) return t;
  return 0;
}

int Screenshot(const TOpties& o, const QString& regel) {
  kzo::TQtGebruiker gebruiker(nullptr);
  kzo::TGeheugenInstellingen instellingen;
  kzo::TQtBestandsOpslag bestanden;
  kzo::TSysteemKlok klok;
  kzo::TMainForm form(gebruiker, instellingen, bestanden, klok);
  gebruiker.ZetOuder(&form);
  form.resize(920, 560);
  form.show();
  form.Opstarten(regel, o.parameters);
  kzo::TCompetitie& comp = form.Context().Competitie();
  const int tab =
      o.tab >= 0 && o.tab < static_cast<int>(comp.Tabs.size()) ? o.tab : TabMetUitslagen(comp);
  form.Context().KiesKlasse(tab);
  // A result cell as the current cell, so the status bar shows its information.
  if (kzo::TKlasse* k = comp.Actief(); k && k->NR_Uit() > 0 && k->SG.RowCount() > 3)
    form.Grid().Grid()->SetCurrentCell(k->UitslPos, 3);
  int status = 1;
  QTimer::singleShot(400, &form, [&] {
    if (form.grab().save(o.screenshot)) {
      std::printf("%s\n", qPrintable(o.screenshot));
      status = 0;
    } else {
      std::fprintf(stderr, "kzobaan: cannot write %s\n", qPrintable(o.screenshot));
    }
    QApplication::quit();
  });
  QApplication::exec();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kzobaan"));
  const QStringList args = QApplication::arguments();
  const TOpties o = LeesOpties(args.mid(1));
  // Our own options are not part of the command line the program reads its file from.
  const QString regel = o.eigen ? (QStringList(args.value(0)) + o.parameters).join(QLatin1Char(' '))
                                : kzo::EigenCommandoRegel();
  if (!o.screenshot.isEmpty()) return Screenshot(o, regel);

  kzo::TQtGebruiker gebruiker(nullptr);
  kzo::TQtInstellingen instellingen;
  kzo::TQtBestandsOpslag bestanden;
  kzo::TSysteemKlok klok;
  kzo::TMainForm form(gebruiker, instellingen, bestanden, klok);
  gebruiker.ZetOuder(&form);
  form.ZetOpstart(regel, o.parameters);
  form.show();
  return QApplication::exec();
}
