// The cost of drawing the reels: one spin tick (three reels drawn off screen
// and copied to the window canvas), with and without the screen update, in
// each layout; and the CPU a whole spin at the fastest speed uses.
// Run under xvfb-run for the screen figures of a real X server.
#include "GameState.h"
#include "QtEventPump.h"
#include "Reels.h"
#include "SlotCanvas.h"
#include "SlotEngine.h"
#include "SteadyClock.h"
#include "WinRules.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace kelvory;

namespace {
QString RuntimeDir() {
    const QString dir = qEnvironmentVariable("KELVORY_RUNTIME_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../../app/")
                         : dir + QLatin1Char('/');
}

// Client widths of a window maximised on 1024, 800 and 632-wide areas.
int ClientWidth(int cellSize) {
    return cellSize == 192 ? 1018 : cellSize == 128 ? 794 : SlotCanvas::kDesignWidth;
}
int ClientHeight(int cellSize) {
    return cellSize == 192 ? 700 : cellSize == 128 ? 551 : 394;
}

QRect ReelArea(const SlotCanvas& canvas) {
    const ViewLayout& layout = canvas.Layout();
    return {QPoint(canvas.ReelLeft(), canvas.TopMargin()),
            QSize(3 * layout.CellSize() + 2 * ViewLayout::kReelGap, 3 * layout.CellSize())};
}

// Shows the window and runs the event loop until the window system has
// exposed it, so that repaints reach the screen.
void ShowExposed(QWidget& widget) {
    widget.show();
    for (int i = 0; i < 200 && !(widget.windowHandle() && widget.windowHandle()->isExposed());
         ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void SpinTick(benchmark::State& bench, bool toScreen) {
    const int cellSize = static_cast<int>(bench.range(0));
    GameState state;
    SlotCanvas canvas(state, RuntimeDir());
    canvas.resize(ClientWidth(cellSize), ClientHeight(cellSize));
    if (toScreen) {
        ShowExposed(canvas);
    }
    canvas.FormResize();
    const QRect area = ReelArea(canvas);
    int tick = 0;
    for (auto _ : bench) {
        ++tick;
        canvas.DrawReels({tick % 80, (tick * 7) % 80, (tick * 13) % 80});
        if (toScreen) {
            canvas.repaint(area);
        }
    }
    bench.SetLabel(QStringLiteral("%1 layout").arg(cellSize).toStdString());
}

void BM_SpinTick(benchmark::State& bench) {
    SpinTick(bench, false);
}
void BM_SpinTickToScreen(benchmark::State& bench) {
    SpinTick(bench, true);
}

class SilentSounds : public Sounds {
  public:
    void PlayStopSound() override {}
    void PlaySpinSound() override {}
    void PlayCoinSound() override {}
    void PlayCreditSound() override {}
    void PlayWinSound() override {}
    void PlayLoseSound() override {}
};

class NoDialogs : public Dialogs {
  public:
    void ShowInformation(const std::string&) override {}
    void FocusSpinButton() override {}
    void StartAutoSpinTimer() override {}
};

// Random positions before the choice ticks, then chosen stops that lose, so
// that the spin is measured without a payout.
class LosingRandom : public RandomSource {
  public:
    LosingRandom() {
        for (int a = 0; a < Reels::kCells; ++a) {
            for (int b = 0; b < Reels::kCells; ++b) {
                for (int c = 0; c < Reels::kCells; ++c) {
                    GameState state;
                    state.ReelStops = {Stop(a, 0), Stop(b, 1), Stop(c, 2)};
                    Reels::EvaluateWindow(state);
                    if (WinRules::Evaluate(state.VisibleCells, state.PayValues, 1).Amount == 0) {
                        chosen_ = {a, b, c};
                        return;
                    }
                }
            }
        }
    }
    void Seed(std::uint32_t) override { next_ = 0; }
    int Next(int n) override {
        if (n == Reels::kCells) {
            return chosen_[static_cast<std::size_t>(next_++ % 3)];
        }
        return (counter_ += 37) % n;
    }

  private:
    static int Stop(int chosen, int reel) {
        return (2 * chosen - SlotEngine::kRollSteps[static_cast<std::size_t>(reel)] + 80) % 80;
    }
    std::array<int, 3> chosen_{};
    int next_ = 0;
    int counter_ = 0;
};

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void BM_WholeSpin(benchmark::State& bench) {
    GameState state;
    state.Speed = 10;
    // Layout 0: the 96 layout drawn off screen only, for comparison.
    const int cellSize = bench.range(0) == 0 ? 96 : static_cast<int>(bench.range(0));
    SlotCanvas canvas(state, RuntimeDir());
    canvas.resize(ClientWidth(cellSize), ClientHeight(cellSize));
    if (bench.range(0) != 0) {
        ShowExposed(canvas);
    }
    canvas.FormResize();
    SteadyClock clock;
    QtEventPump pump(clock);
    SilentSounds sounds;
    NoDialogs dialogs;
    LosingRandom random;
    SlotEngine engine(state, {clock, pump, canvas, sounds, dialogs, random});
    double cpu = 0;
    double wall = 0;
    for (auto _ : bench) {
        state.Credits = 1000;
        state.LastBet = 1;
        const double cpuBefore = CpuMs();
        const double wallBefore = clock.NowMs();
        engine.Button1Click();
        cpu += CpuMs() - cpuBefore;
        wall += clock.NowMs() - wallBefore;
    }
    const double spins = static_cast<double>(bench.iterations());
    bench.counters["cpu_ms_per_spin"] = cpu / spins;
    bench.counters["wall_ms_per_spin"] = wall / spins;
    bench.counters["cpu_percent"] = 100.0 * cpu / wall;
    bench.SetLabel(bench.range(0) == 0
                       ? std::string("off screen, speed 10")
                       : QStringLiteral("%1 layout, speed 10").arg(cellSize).toStdString());
}
} // namespace

BENCHMARK(BM_SpinTick)->Arg(96)->Arg(128)->Arg(192)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinTickToScreen)->Arg(96)->Arg(128)->Arg(192)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeSpin)
    ->Arg(0)
    ->Arg(96)
    ->Arg(192)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
