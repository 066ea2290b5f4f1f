// SPDX-License-Identifier: MIT
// Opening the statistics window after 100,000 spins of one game at mixed
// stakes: building the window works out the chart's exact band. Target: at
// most 200 ms.
#include "app/NetResultChart.h"
#include "app/StatisticsWindow.h"
#include "app/dialogs/HelpContext.h"
#include "game/PlayerStatistics.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kelvory;

namespace {

// 100,000 spins, a third at one credit, with a win now and then.
const PlayerStatistics& LongGame() {
    static const PlayerStatistics statistics = [] {
        PlayerStatistics played;
        for (int spin = 0; spin < 100000; ++spin) {
            played.RecordSpin(spin % 3 == 0 ? 1 : 2, spin % 7 == 0 ? 10 : 0, 4, 0);
        }
        return played;
    }();
    return statistics;
}

void OpenStatisticsWindow(benchmark::State& state) {
    const PlayerStatistics& statistics = LongGame();
    for (auto _ : state) {
        StatisticsWindow window(statistics, [](HelpContext) {});
        benchmark::DoNotOptimize(window.Chart()->Bands().data());
    }
}
BENCHMARK(OpenStatisticsWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
