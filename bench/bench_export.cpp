// Text and HTML export of the largest competition: 20 classes of 500 riders with 99
// results, standings computed. Target: under 100 ms each.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/scoring/eindstand.h"
#include "core/scoring/meldlijst.h"
#include "grootste.h"
#include "output/tekstuitvoer.h"

namespace kzo {
namespace {

TCompetitie GrootsteCompetitie() {
  TCompetitie comp;
  comp.StandaardInstellingen(0);
  comp.Club.Clubnaam.Set("MC De Grootste");
  comp.Club.AlgOptie = 0;  // points, names swapped
  comp.Club.DisplayInfo = 0x90;
  TGrootsteOpzet o;
  // Points 0..50 and every special value; a race day of three results per series.
  o.Uitslag = [](int k, int r, int u) {
    return static_cast<std::int16_t>(Toeval(k, r, u) % 56 - 5);
  };
  o.Opmerking = "Circuit & baan";
  VulGrootste(comp, o);
  TRekenStaat staat;
  TMeldLijst lijst;
  BerekenEindstanden(comp, staat, TEindKeuze{}, 0, '.', &lijst);
  return comp;
}

TTekstUitOpties AlleKlassen(bool html) {
  TTekstUitOpties o;
  o.WoordA = UitAAlleKlassen | UitATabteken | (html ? UitAHtml : 0);
  o.WoordB |= UitBInformatie | UitBNetto | UitBBruto | UitBLeegPrint;
  return o;
}

// The writer's own work: the pieces go to a sink that only counts them.
void Uitvoer(benchmark::State& state, bool html) {
  TCompetitie comp = GrootsteCompetitie();
  const TTekstUitOpties o = AlleKlassen(html);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    TekstUitvoer(comp, o, '.', [&](std::string_view stuk) {
      bytes += stuk.size();
      benchmark::DoNotOptimize(stuk.data());
      return true;
    });
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

// The same written to a file, as the dialog and kzo-tool do.
void NaarBestand(benchmark::State& state, bool html) {
  TCompetitie comp = GrootsteCompetitie();
  const TTekstUitOpties o = AlleKlassen(html);
  const std::string pad = (std::filesystem::temp_directory_path() / "kzo_bench_export").string();
  for (auto _ : state) {
    if (SchrijfTekstUitvoer(pad, comp, o, '.') != TSchrijfUitkomst::Goed)
      state.SkipWithError("cannot write the file");
  }
  std::filesystem::remove(pad);
}

void BM_ExportHtml(benchmark::State& state) { Uitvoer(state, true); }
void BM_ExportTekst(benchmark::State& state) { Uitvoer(state, false); }
void BM_ExportHtmlBestand(benchmark::State& state) { NaarBestand(state, true); }
void BM_ExportTekstBestand(benchmark::State& state) { NaarBestand(state, false); }

BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_ExportTekst)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_ExportHtmlBestand)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ExportTekstBestand)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace kzo

BENCHMARK_MAIN();
