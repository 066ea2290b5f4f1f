// SPDX-License-Identifier: MIT
// A real spin through the Qt event pump at the fastest speed, and 2000 waits of
// 5 ms (the fast count-up), for our pump and the two simple alternatives: a
// QEventLoop with a precise QTimer, and a busy loop.
#include "game/SlotEngine.h"
#include "game/StdRandomSource.h"
#include "game/SteadyClock.h"
#include "tests/support/QuietDisplay.h"
#include "view/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace kelvory;

namespace {

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

class TimerLoopPump : public EventPump {
  public:
    explicit TimerLoopPump(Clock& clock) : clock_(clock) {}
    void WaitUntil(double deadline) override {
        const double remaining = deadline - clock_.NowMs();
        if (remaining <= 0) {
            return;
        }
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(remaining + 0.999), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }

  private:
    Clock& clock_;
};

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

// Records when each tick drew the reels; everything else does nothing.
class TickRecorder : public test::QuietDisplay, public test::QuietSounds {
  public:
    explicit TickRecorder(Clock& clock) : clock_(clock) {}
    std::vector<double> ticks;
    void DrawReels(const std::array<int, 3>&) override { ticks.push_back(clock_.NowMs()); }

  private:
    Clock& clock_;
};

// A spin without the payout: the engine's spin loop is measured up to its last tick.
void MeasureSpin(const char* name, EventPump& pump, SteadyClock& clock) {
    TickRecorder recorder(clock);
    StdRandomSource random;
    GameState state;
    state.LastBet = 1;
    state.PayValues.fill(0); // no payout: only the animation is timed
    SlotEngine engine(state, {clock, pump, recorder, recorder, recorder, recorder, random});
    const double cpuStart = CpuMs();
    const double start = clock.NowMs();
    engine.Spin();
    const double cpu = CpuMs() - cpuStart;
    const double wall = recorder.ticks.back() - start;
    double smallest = 1e9;
    double largest = 0;
    double previous = start;
    for (double tick : recorder.ticks) {
        smallest = std::min(smallest, tick - previous);
        largest = std::max(largest, tick - previous);
        previous = tick;
    }
    std::printf("%-22s spin of 101 ticks at 10 ms: %8.2f ms wall, ticks %.3f..%.3f ms apart, "
                "CPU %.1f ms (%.1f%% of a core)\n",
                name, wall, smallest, largest, cpu, 100.0 * cpu / wall);
}

void MeasureWaits(const char* name, EventPump& pump, SteadyClock& clock) {
    const double cpuStart = CpuMs();
    const double start = clock.NowMs();
    double last = start;
    for (int i = 0; i < 2000; ++i) {
        const double deadline = last + 5.0;
        while (clock.NowMs() < deadline) {
            pump.WaitUntil(deadline);
        }
        last = clock.NowMs();
    }
    const double wall = clock.NowMs() - start;
    const double cpu = CpuMs() - cpuStart;
    std::printf("%-22s 2000 waits of 5 ms: %9.1f ms wall (%+.2f%%), CPU %.1f ms (%.1f%%)\n", name,
                wall, 100.0 * (wall - 10000.0) / 10000.0, cpu, 100.0 * cpu / wall);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SteadyClock clock;
    QtEventPump ours(clock);
    TimerLoopPump timerLoop(clock);
    BusyPump busy(clock);
    const bool quick = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--quick");
    for (int round = 0; round < (quick ? 1 : 3); ++round) {
        MeasureSpin("timerfd pump (ours)", ours, clock);
        MeasureSpin("QEventLoop+PreciseTimer", timerLoop, clock);
        MeasureSpin("busy loop", busy, clock);
    }
    if (!quick) {
        MeasureWaits("timerfd pump (ours)", ours, clock);
        MeasureWaits("QEventLoop+PreciseTimer", timerLoop, clock);
        MeasureWaits("busy loop", busy, clock);
    }
    return 0;
}
