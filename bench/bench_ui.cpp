// The main window with the largest competition (20 classes x 500 riders x 99 results) on
// the offscreen platform: from creating the window to the first painted grid (opening the
// file included), and switching to another tab until its grid is painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <string>

#include "core/file/bestand.h"
#include "core/file/instellingenopslag.h"
#include "core/records/datum.h"
#include "grootste.h"
#include "platform/qtbestandsopslag.h"
#include "ui/main/grid/klassegrid.h"
#include "ui/main/venster/mainform.h"

namespace kzo {
namespace {

// Prompts answer "no" and show nothing; nothing should ask during the benchmark.
class TStil final : public IGebruiker {
 public:
  void Melding(std::uint32_t) override {}
  Antwoord Vraag(const QString&, Knoppen) override { return Antwoord::Nee; }
  void Fout(const QString&) override {}
  void Informatie(const QString&) override {}
  std::optional<QString> OpenBestand(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> BewaarBestand(const QString&, const QString&, const QString&,
                                       const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> KiesMap(const QString&, const QString&) override { return std::nullopt; }
  std::optional<QFont> KiesLettertype(const QFont&) override { return std::nullopt; }
  std::optional<QColor> KiesKleur(const QColor&) override { return std::nullopt; }
  void Piep() override {}
  int Toon(QDialog&) override { return 0; }
  bool OpenLink(const QUrl&) override { return false; }
};

// Notes when the widget it watches gets a paint event.
class TVerfWacht final : public QObject {
 public:
  bool geverfd = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) geverfd = true;
    return false;
  }
  // Runs the event loop until the next paint is done (at most five seconds).
  void Wacht() {
    geverfd = false;
    QElapsedTimer t;
    t.start();
    while (!geverfd && t.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
  }
};

const TVasteKlok kKlok({2024, 9, 22, 21, 15, 0});

QString GrootsteBestand(const QTemporaryDir& map) {
  TCompetitie c;
  c.StandaardInstellingen(DatumNu(kKlok));
  c.Club.Clubnaam.Set("MC Benchmark");
  TGrootsteOpzet o;
  o.Uitslag = [](int, int r, int u) { return static_cast<std::int16_t>((r + u) % 40 + 1); };
  VulGrootste(c, o);
  const auto bytes = BestandBytes(c, c.Club.Lettertype, kKlok);
  const QString naam = map.filePath(QStringLiteral("grootste.kzo"));
  QFile f(naam);
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()))
    return {};
  return naam;
}

struct TOmgeving {
  QTemporaryDir map;
  QString bestand = GrootsteBestand(map);
  TStil gebruiker;
  TGeheugenInstellingen instellingen;
  TQtBestandsOpslag disk;
};

TOmgeving& Omgeving() {
  static TOmgeving o;
  return o;
}

void BM_StartTotEersteGrid(benchmark::State& state) {
  TOmgeving& o = Omgeving();
  if (o.bestand.isEmpty()) {
    state.SkipWithError("cannot write the competition file");
    return;
  }
  for (auto _ : state) {
    QElapsedTimer klok;
    klok.start();
    auto f = std::make_unique<TMainForm>(o.gebruiker, o.instellingen, o.disk, kKlok);
    f->resize(1024, 700);
    TVerfWacht wacht;
    f->Grid().Grid()->viewport()->installEventFilter(&wacht);
    f->show();
    f->Opstarten(QStringLiteral("kzobaan ") + o.bestand, {o.bestand});
    wacht.Wacht();
    state.SetIterationTime(static_cast<double>(klok.nsecsElapsed()) * 1e-9);
    if (f->Context().Competitie().AantalKlassen() != MaxKlassen) state.SkipWithError("not opened");
    f->hide();
  }
}
BENCHMARK(BM_StartTotEersteGrid)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TabWissel(benchmark::State& state) {
  TOmgeving& o = Omgeving();
  TMainForm f(o.gebruiker, o.instellingen, o.disk, kKlok);
  f.resize(1024, 700);
  TVerfWacht wacht;
  f.Grid().Grid()->viewport()->installEventFilter(&wacht);
  f.show();
  f.Opstarten(QStringLiteral("kzobaan ") + o.bestand, {o.bestand});
  wacht.Wacht();
  int tab = 0;
  for (auto _ : state) {
    tab = (tab + 1) % MaxKlassen;
    QElapsedTimer klok;
    klok.start();
    f.TabControl1()->setCurrentIndex(tab);  // as the user picks the tab
    wacht.Wacht();
    state.SetIterationTime(static_cast<double>(klok.nsecsElapsed()) * 1e-9);
  }
}
BENCHMARK(BM_TabWissel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace kzo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
