// The scoring engine on the largest competition: 20 classes x 500 riders x 99 results,
// with ties on purpose (riders in pairs with equal results, specials, BM riders).
// Target: the full net/gross standing of all 20 classes under 50 ms.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/model/competitie.h"
#include "core/records/instellingen.h"
#include "core/scoring/eindstand.h"
#include "core/scoring/meldlijst.h"
#include "core/scoring/sorteren.h"

namespace {

using namespace kzo;

// Built once; every benchmark computes on it as the program would, one run after another.
TCompetitie& Grootste() {
  static std::unique_ptr<TCompetitie> comp = [] {
    auto c = std::make_unique<TCompetitie>();
    c->StandaardInstellingen(0);  // places stored, points table 50..41, steps (1, 5)
    c->Tabs.clear();
    std::uint32_t zaad = 12345;
    auto willekeur = [&zaad] {
      zaad = zaad * 1103515245u + 12345u;
      return static_cast<int>((zaad >> 16) & 0x7FFF);
    };
    for (int kl = 0; kl < MaxKlassen; ++kl) {
      auto k = std::make_unique<TKlasse>("Klasse " + std::to_string(kl + 1), c->Club);
      k->InfoKlasse.aantaluitslagen = MaxUitslagen;
      k->SetupSG(c->Club);
      // Results 40..45 do not count.
      auto info = NulRecord<TUitslagInfo>();
      info.Uitsl[0] = 40;
      info.Uitsl[1] = 45;
      info.Optie = 1;
      k->SG.Kolom(k->UitslKolom(40))->SetInfo(info);
      k->SG.SetRowCount(MaxRijders + 1);
      std::int16_t paar[MaxUitslagen] = {};
      for (int r = 1; r <= MaxRijders; ++r) {
        auto rd = std::make_unique<TRijder>();
        rd->Rijder.IDnum = c->NieuwID();
        rd->Rijder.Naam.Set("Rijder " + std::to_string(r));
        rd->Rijder.RijNr.Set(std::to_string(r));
        if (r % 50 == 0) rd->Rijder.Optie |= 1;  // BM
        // Odd riders get new results, even riders copy them: full ties in pairs.
        if (r % 2 == 1) {
          for (int u = 0; u < MaxUitslagen; ++u) {
            const int w = willekeur() % 100;
            paar[u] = w < 3    ? UitDns
                      : w < 5  ? UitDnf
                      : w < 6  ? UitDQ
                      : w < 10 ? UitGeen
                               : static_cast<std::int16_t>(1 + willekeur() % 40);
          }
        }
        for (int u = 0; u < MaxUitslagen; ++u) rd->Rijder.uitslag[u] = paar[u];
        k->SG.Rij(r).rijder = std::move(rd);
        k->SG.Rij(r).positie = std::to_string(r);
      }
      c->Tabs.push_back(std::move(k));
    }
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
