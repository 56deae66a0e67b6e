// The scoring engine on the largest competition: 20 classes x 500 riders x 99 results,
// with ties on purpose (riders in pairs with equal results, specials, BM riders).
// Target: the full net/gross standing of all 20 classes under 50 ms.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/scoring/eindstand.h"
#include "core/scoring/meldlijst.h"
#include "core/scoring/sorteren.h"
#include "grootste.h"

namespace {

using namespace kzo;

// Built once; every benchmark computes on it as the program would, one run after another.
TCompetitie& Grootste() {
  static std::unique_ptr<TCompetitie> comp = [] {
    auto c = std::make_unique<TCompetitie>();
    c->StandaardInstellingen(0);  // places stored, points table 50..41, steps (1, 5)
    TGrootsteOpzet o;
    o.ReeksLengte = 0;
    // Riders 2i-1 and 2i share their results: full ties in pairs.
    o.Uitslag = [](int k, int r, int u) -> std::int16_t {
      const int paar = (r + 1) / 2, w = Toeval(k, paar, u) % 100;
      return w < 3    ? UitDns
             : w < 5  ? UitDnf
             : w < 6  ? UitDQ
             : w < 10 ? UitGeen
                      : static_cast<std::int16_t>(1 + Toeval(u, paar, k) % 40);
    };
    o.Rijder = [](TCompetitie&, TRijder& rd, int r) {
      if (r % 50 == 0) rd.Rijder.Optie |= 1;  // BM
    };
    VulGrootste(*c, o);
    // Results 40..45 do not count.
    auto info = NulRecord<TUitslagInfo>();
    info.Uitsl[0] = 40;
    info.Uitsl[1] = 45;
    info.Optie = 1;
    for (auto& k : c->Tabs) k->SG.Kolom(k->UitslKolom(40))->SetInfo(info);
    return c;
  }();
  return *comp;
}

void Eindstanden(benchmark::State& state, bool brutoNetto) {
  TCompetitie& comp = Grootste();
  TRekenStaat staat;
  TEindKeuze keuze = EindKeuzeVan(EindOptieStart);  // all classes, "Geen eindklassing"
  keuze.BrutoNetto = brutoNetto;
  std::size_t regels = 0;
  for (auto _ : state) {
    TMeldLijst meld;
    BerekenEindstanden(comp, staat, keuze, 1, ',', &meld);
    regels = static_cast<std::size_t>(meld.Count());
    benchmark::DoNotOptimize(comp.Tabs[0]->Rijder(1));
  }
  state.counters["tielines"] = static_cast<double>(regels);
  for (auto& k : comp.Tabs) VerwijderEindstand(*k);
}

// Net and gross standing of all 20 classes, with tie lines, as "Eindstanden berekenen".
void BM_NettoBrutoAlleKlassen(benchmark::State& state) { Eindstanden(state, true); }
BENCHMARK(BM_NettoBrutoAlleKlassen)->Unit(benchmark::kMillisecond);

// Average standing of all 20 classes.
void BM_GemiddeldeAlleKlassen(benchmark::State& state) { Eindstanden(state, false); }
BENCHMARK(BM_GemiddeldeAlleKlassen)->Unit(benchmark::kMillisecond);

// One result-column header click: one class of 500 riders, alternating direction.
void BM_UitslagKolomSorteren(benchmark::State& state) {
  TCompetitie& comp = Grootste();
  TRekenStaat staat;
  TKlasse& k = *comp.Tabs[0];
  TRekenContext ctx{comp.Club, staat.Tellend, staat.EindOptie, ',', &comp.MynData, nullptr};
  int op = 0;
  for (auto _ : state) {
    Sorteren(k, ctx, VeldUitslag, 17, 0, op);
    op = 1 - op;
    benchmark::DoNotOptimize(k.Rijder(1));
  }
}
BENCHMARK(BM_UitslagKolomSorteren)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
