// SPDX-License-Identifier: MIT
// Evaluation of all 64 000 equally likely resting windows.
#include "game/Reels.h"
#include "game/WinRules.h"

#include <benchmark/benchmark.h>

using namespace kelvory;

static void BM_WholeTable(benchmark::State& run) {
    GameState state;
    for (auto _ : run) {
        long long pays = 0;
        for (int k1 = 0; k1 < 40; ++k1) {
            for (int k2 = 0; k2 < 40; ++k2) {
                for (int k3 = 0; k3 < 40; ++k3) {
                    state.ReelStops = {2 * k1, 2 * k2, 2 * k3};
                    state.VisibleCells = Reels::EvaluateWindow(state.ReelStops);
                    pays += WinRules::Evaluate(state.VisibleCells, state.PayValues, 1).Amount;
                }
            }
        }
        benchmark::DoNotOptimize(pays);
    }
    run.SetItemsProcessed(run.iterations() * 64000);
}
BENCHMARK(BM_WholeTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
