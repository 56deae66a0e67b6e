// Saving and opening the largest competition (20 classes x 500 riders x 99 results, with
// keyed text), in memory: serializing and parsing, without the disk.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/file/bestand.h"

namespace kzo {
namespace {

TCompetitie Grootste() {
  TCompetitie c;
  c.StandaardInstellingen(0);
  for (int k = 0; k < MaxKlassen; ++k) {
    auto kl = std::make_unique<TKlasse>("Klasse " + std::to_string(k + 1), c.Club);
    kl->InfoKlasse.aantaluitslagen = MaxUitslagen;
    kl->SetupSG(c.Club);
    kl->SG.SetRowCount(MaxRijders + 1);
    for (int r = 1; r <= MaxRijders; ++r) {
      auto rd = std::make_unique<TRijder>();
      rd->Rijder.IDnum = c.NieuwID();
      rd->Rijder.Naam.Set("Rijder " + std::to_string(r));
      rd->Rijder.RijNr.Set(std::to_string(r));
      for (int u = 1; u <= MaxUitslagen; ++u) rd->Uitslag(u) = static_cast<std::int16_t>(r);
      // A DQ, dnf or dns record for every tenth result.
      for (int u = 1; u <= MaxUitslagen; u += 10)
        c.MynData.SetData(rd->Sleutel(), u,
                          std::to_string(r) +
                              "\x04"
                              "1\x04"
                              "Valse start");
      kl->SG.Rij(r).rijder = std::move(rd);
      kl->SG.Rij(r).positie = std::to_string(r);
    }
    for (int u = 1; u <= MaxUitslagen; u += 2) {
      auto info = NulRecord<TUitslagInfo>();
      info.Datum.Set("20240407");
      info.Uitsl[0] = u;
      info.Uitsl[1] = std::min(u + 1, MaxUitslagen);
      kl->SG.Kolom(kl->UitslKolom(u))->SetInfo(info);
    }
    if (k == 0)
      c.Tabs[0] = std::move(kl);
    else
      c.Tabs.push_back(std::move(kl));
  }
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
