// SPDX-License-Identifier: MIT
// Whole spins at the fastest speed (Speed 10, 101 ticks) on a real screen:
// the event pump alone, the window in the 96 and 192 layouts at their design
// sizes, and the client areas of a window maximised on 1920 x 1080 and
// 2560 x 1440 (the composition scaled up), each with our pump and with a busy
// loop, interleaved round by round so that a busy machine hurts every
// configuration alike. Prints the wall time and the CPU
// time of this process per spin (median and spread) at the screen's scale
// factor. Run under Xvfb; QT_SCALE_FACTOR=2 gives the HiDPI figures.
//   bench_spin [rounds [only]]   only: run the rows whose name or pump has it
//   ("192", "scaled", "ours"), e.g. for a profiler.
#include "game/GameState.h"
#include "game/Reels.h"
#include "game/SlotEngine.h"
#include "game/SteadyClock.h"
#include "game/WinRules.h"
#include "tests/support/QuietDisplay.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"

#include <QApplication>
#include <QFile>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

using namespace kelvory;

namespace {

QString RuntimeDir() {
    const QString dir = qEnvironmentVariable("KELVORY_RUNTIME_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../../app/")
                         : dir + QLatin1Char('/');
}

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

class BusyPump : public EventPump {
  public:
    explicit BusyPump(Clock& clock) : clock_(clock) {}
    void WaitUntil(double deadline) override {
        while (clock_.NowMs() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

  private:
    Clock& clock_;
};

// Everything but the drawing does nothing.
struct Quiet : test::QuietDisplay, test::QuietSounds {};

// Random positions before the choice ticks, then stops that lose, so that the
// spin is measured without a payout.
class LosingRandom : public RandomSource {
  public:
    LosingRandom() {
        for (int a = 0; a < Reels::kCells; ++a) {
            for (int b = 0; b < Reels::kCells; ++b) {
                for (int c = 0; c < Reels::kCells; ++c) {
                    GameState state;
                    state.ReelStops = {Stop(a, 0), Stop(b, 1), Stop(c, 2)};
                    state.VisibleCells = Reels::EvaluateWindow(state.ReelStops);
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

// One row of the table: a window (or none) and a pump.
struct Config {
    const char* name;
    QSize client; // empty: the pump alone, nothing drawn
    bool busy;
    std::unique_ptr<SlotCanvas> canvas;
    std::vector<double> wall;
    std::vector<double> cpu;
};

void ShowExposed(QWidget& widget) {
    widget.show();
    for (int i = 0; i < 300 && !(widget.windowHandle() && widget.windowHandle()->isExposed());
         ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // Let the first full paint reach the screen.
    const double until = SteadyClock().NowMs() + 200;
    while (SteadyClock().NowMs() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void Spin(Config& config, GameState& state, Clock& clock, EventPump& pump, Quiet& quiet) {
    LosingRandom random;
    kelvory::Display& display =
        config.canvas ? static_cast<kelvory::Display&>(*config.canvas) : quiet;
    SlotEngine engine(state, {clock, pump, display, quiet, quiet, quiet, random});
    state.Credits = 1000;
    state.LastBet = 1;
    state.Speed = 10;
    const double cpuBefore = CpuMs();
    const double wallBefore = clock.NowMs();
    engine.Spin();
    config.cpu.push_back(CpuMs() - cpuBefore);
    config.wall.push_back(clock.NowMs() - wallBefore);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    SteadyClock clock;
    QtEventPump ours(clock);
    BusyPump busy(clock);
    Quiet quiet;

    // The design sizes, and the client areas of a window maximised on the
    // two screens (the window manager's frame and title taken off).
    const struct {
        const char* name;
        QSize client;
    } windows[] = {{"pump alone", QSize()},
                   {"96 layout", kSmallLayout.designClient},
                   {"192 layout", kLargeLayout.designClient},
                   {"1920 scaled", QSize(1914, 1012)},
                   {"2560 scaled", QSize(2554, 1372)}};
    std::vector<Config> configs;
    for (const auto& window : windows) {
        for (bool isBusy : {false, true}) {
            const QString name =
                QStringLiteral("%1 %2").arg(window.name).arg(isBusy ? "busy" : "ours");
            if (!name.contains(only)) {
                continue;
            }
            configs.push_back({window.name, window.client, isBusy, nullptr, {}, {}});
        }
    }
    std::vector<std::unique_ptr<GameState>> states;
    for (Config& config : configs) {
        states.push_back(std::make_unique<GameState>());
        if (config.client.isEmpty()) {
            continue;
        }
        config.canvas = std::make_unique<SlotCanvas>(*states.back(),
                                                     QFile::encodeName(RuntimeDir()).toStdString());
        config.canvas->resize(config.client);
        ShowExposed(*config.canvas);
        config.canvas->hide();
    }
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < configs.size(); ++i) {
            Config& config = configs[i];
            if (config.canvas) {
                ShowExposed(*config.canvas);
            }
            Spin(config, *states[i], clock, config.busy ? static_cast<EventPump&>(busy) : ours,
                 quiet);
            if (config.canvas) {
                config.canvas->hide();
            }
        }
    }

    const double scale = qApp->devicePixelRatio();
    std::printf("Whole spin at Speed 10 (101 ticks), scale %.2f, %d rounds; wall and CPU of this "
                "process per spin: median [min..max]\n",
                scale, rounds);
    std::printf("%-11s %-5s %-28s %-24s %s\n", "", "pump", "wall ms", "CPU ms", "CPU %");
    for (const Config& config : configs) {
        const double wall = Median(config.wall);
        const double cpu = Median(config.cpu);
        std::printf("%-11s %-5s %7.1f [%7.1f..%7.1f]    %6.1f [%6.1f..%6.1f]    %5.1f\n",
                    config.name, config.busy ? "busy" : "ours", wall,
                    *std::min_element(config.wall.begin(), config.wall.end()),
                    *std::max_element(config.wall.begin(), config.wall.end()), cpu,
                    *std::min_element(config.cpu.begin(), config.cpu.end()),
                    *std::max_element(config.cpu.begin(), config.cpu.end()), 100.0 * cpu / wall);
    }
    return 0;
}
