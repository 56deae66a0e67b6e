// Saving and opening the largest competition (20 classes x 500 riders x 99 results, with
// keyed text), in memory: serializing and parsing, without the disk.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/file/bestand.h"
#include "grootste.h"

namespace kzo {
namespace {

TCompetitie Grootste() {
  TCompetitie c;
  c.StandaardInstellingen(0);
  TGrootsteOpzet o;
  o.Uitslag = [](int, int r, int u) { return static_cast<std::int16_t>((r + u) % 40 + 1); };
  o.ReeksLengte = 2;
  // A DQ, dnf or dns record for every tenth result.
  o.Rijder = [](TCompetitie& comp, TRijder& rd, int r) {
    for (int u = 1; u <= MaxUitslagen; u += 10)
      comp.MynData.SetData(rd.Sleutel(), u,
                           std::to_string(r) +
                               "\x04"
                               "1\x04"
                               "Valse start");
  };
  VulGrootste(c, o);
  return c;
}

const TVasteKlok kKlok({2024, 9, 22, 21, 15, 0});

void BM_Bewaren(benchmark::State& state) {
  TCompetitie c = Grootste();
  std::size_t grootte = 0;
  for (auto _ : state) {
    auto bytes = BestandBytes(c, c.Club.Lettertype, kKlok);
    grootte = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * grootte));
  state.counters["bytes"] = static_cast<double>(grootte);
}
BENCHMARK(BM_Bewaren)->Unit(benchmark::kMillisecond);

void BM_Laden(benchmark::State& state) {
  TCompetitie c = Grootste();
  const auto bytes = BestandBytes(c, c.Club.Lettertype, kKlok);
  for (auto _ : state) {
    TCompetitie terug;
    TLaadUitslag u = BestandLaden(terug, bytes);
    if (!u.ok) state.SkipWithError("file does not read back");
    benchmark::DoNotOptimize(terug.Tabs.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kzo

BENCHMARK_MAIN();
