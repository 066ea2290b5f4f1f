// SPDX-License-Identifier: MIT
// The cost of drawing the reels: one spin tick (three reels drawn off screen
// and copied to the window canvas), with and without the screen update, in
// each layout. Whole spins are in SpinBench.cpp.
// Run under xvfb-run for the screen figures of a real X server.
#include "game/GameState.h"
#include "view/SlotCanvas.h"

#include <QApplication>
#include <QFile>
#include <QWindow>
#include <benchmark/benchmark.h>

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
    SlotCanvas canvas(state, QFile::encodeName(RuntimeDir()).toStdString());
    canvas.resize(ClientWidth(cellSize), ClientHeight(cellSize));
    if (toScreen) {
        ShowExposed(canvas);
    }
    canvas.LayOut();
    const QRect area = ReelArea(canvas);
    int tick = 0;
    for (auto _ : bench) {
        ++tick;
        canvas.DrawReels({tick % 80, (tick * 7) % 80, (tick * 13) % 80});
        if (toScreen) {
            canvas.repaint(area);
        } else {
            // Off screen the reels are composed on the canvas when it is read.
            benchmark::DoNotOptimize(canvas.Canvas().constBits());
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

} // namespace

BENCHMARK(BM_SpinTick)->Arg(96)->Arg(128)->Arg(192)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinTickToScreen)->Arg(96)->Arg(128)->Arg(192)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
