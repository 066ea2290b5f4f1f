// SPDX-License-Identifier: MIT
// The window canvas on a scaled screen. CTest runs this at QT_SCALE_FACTOR 1,
// 1.25, 1.5 and 2; every check holds at each of them.
#include "game/GameState.h"
#include "game/Reels.h"
#include "tests/support/CanvasWindow.h"
#include "view/ReelRenderer.h"
#include "view/SlotCanvas.h"

#include <QPainter>
#include <QTest>

#include <cmath>

using namespace kelvory;

namespace {
qreal ScaleFactor() {
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    return scale.isEmpty() ? 1.0 : scale.toDouble();
}

struct Window : test::CanvasWindow {
    using CanvasWindow::CanvasWindow;
    QRect ReelOnCanvas(int reel) const {
        const int cell = canvas.CellSize();
        return canvas.DeviceRect(QRect(canvas.ReelLeft() + reel * (cell + 9), canvas.TopMargin(),
                                       cell - 1, 3 * cell - 1));
    }
};

// Physical pixels of an image, whatever its device pixel ratio.
QImage Pixels(const QImage& image, const QRect& area) {
    QImage part = image.copy(area);
    part.setDevicePixelRatio(1);
    return part;
}

bool IsRed(QRgb pixel) {
    return pixel == qRgb(255, 0, 0);
}
} // namespace

class HiDpiCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void canvasHasTheScreensRatio();
    void bevelLinesStayPureBlack_data();
    void bevelLinesStayPureBlack();
    void reelsUseArtworkForThePhysicalCell_data();
    void reelsUseArtworkForThePhysicalCell();
    void spinTickOnScreenMatchesTheCanvas_data();
    void spinTickOnScreenMatchesTheCanvas();
};

void HiDpiCanvasTest::canvasHasTheScreensRatio() {
    Window w(QSize(632, 394));
    const qreal ratio = ScaleFactor();
    QCOMPARE(w.canvas.Canvas().devicePixelRatio(), ratio);
    QCOMPARE(w.canvas.Canvas().size(), QSize(static_cast<int>(std::ceil(632 * ratio - 1e-6)),
                                             static_cast<int>(std::ceil(394 * ratio - 1e-6))));
    // Logical coordinates still hold: the design size's reel left edge.
    QCOMPARE(w.canvas.ReelLeft(), 165);
}

void HiDpiCanvasTest::bevelLinesStayPureBlack_data() {
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("onLine"); // logical point of the black outline
    QTest::addColumn<QPoint>("outward");
    QTest::newRow("top") << false << QPoint(300, 27) << QPoint(0, -1);
    QTest::newRow("bottom") << false << QPoint(300, 328) << QPoint(0, 1);
    QTest::newRow("left") << true << QPoint(148, 100) << QPoint(-1, 0);
    QTest::newRow("right") << true << QPoint(489, 100) << QPoint(1, 0);
}

void HiDpiCanvasTest::bevelLinesStayPureBlack() {
    QFETCH(bool, vertical);
    QFETCH(QPoint, onLine);
    QFETCH(QPoint, outward);
    Window w(QSize(632, 394));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb cyan = qRgb(0, 255, 255);
    const QRgb background = w.canvas.palette().color(QPalette::Button).rgb();
    const QRect line = w.canvas.DeviceRect(QRect(onLine, QSize(1, 1)));
    // A one-pixel line is as many physical pixels as the scale, rounded.
    const int thickness = vertical ? line.width() : line.height();
    QVERIFY(std::abs(thickness - ScaleFactor()) < 1.0);
    if (ScaleFactor() == 2.0) {
        QCOMPARE(thickness, 2);
    }
    for (int y = line.top(); y <= line.bottom(); ++y) {
        for (int x = line.left(); x <= line.right(); ++x) {
            QCOMPARE(w.At(x, y), black);
        }
    }
    // Sharp edges: background outside the line, cyan panel inside, no grey.
    const QPoint outside =
        (outward.x() + outward.y() < 0 ? line.topLeft() : line.bottomRight()) + outward;
    const QPoint inside =
        (outward.x() + outward.y() < 0 ? line.bottomRight() : line.topLeft()) - outward;
    QCOMPARE(w.At(outside.x(), outside.y()), background);
    QCOMPARE(w.At(inside.x(), inside.y()), cyan);
}

void HiDpiCanvasTest::reelsUseArtworkForThePhysicalCell_data() {
    QTest::addColumn<QSize>("client");
    QTest::newRow("96 layout") << QSize(632, 394);
    QTest::newRow("192 layout") << QSize(1018, 700);
}

void HiDpiCanvasTest::reelsUseArtworkForThePhysicalCell() {
    QFETCH(QSize, client);
    Window w(client);
    const int cell = w.canvas.CellSize();
    const int deviceCell = w.canvas.DeviceCellSize();
    QCOMPARE(deviceCell, qRound(cell * ScaleFactor()));
    QCOMPARE(w.canvas.DeviceSheet().size(), QSize(3 * deviceCell, 3 * deviceCell));
    if (ScaleFactor() == 2.0) {
        // The double-size artwork itself, not the small sheet blown up.
        const QImage artwork(QFile::decodeName(w.canvas.DeviceArtworkPath().c_str()), "BMP");
        QCOMPARE(w.canvas.DeviceSheet(),
                 Pixels(artwork, artwork.rect()).convertToFormat(QImage::Format_RGB32));
    }
    // The top cell of the first reel is its tile of the sheet, pixel for pixel.
    const int code = Reels::kStrips[0][static_cast<std::size_t>(w.state.ReelStops[0] / 2)] - '0';
    const QPoint tile = ReelRenderer::TileOrigin(code, deviceCell);
    // (Rounded to physical pixels, the part shown may be a pixel narrower.)
    const QRect reel = w.ReelOnCanvas(0);
    const QSize shown(std::min(reel.width(), deviceCell - 1), deviceCell);
    QVERIFY(shown.width() >= deviceCell - 2);
    QCOMPARE(Pixels(w.canvas.Canvas(), QRect(reel.topLeft(), shown)),
             Pixels(w.canvas.DeviceSheet(), QRect(tile, shown)));
}

void HiDpiCanvasTest::spinTickOnScreenMatchesTheCanvas_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QSize>("client");
    QTest::newRow("whole cell") << 12 << QSize(632, 394);
    QTest::newRow("half cell") << 13 << QSize(632, 394);
    QTest::newRow("centred on a large client area") << 13 << QSize(1366, 740);
}

void HiDpiCanvasTest::spinTickOnScreenMatchesTheCanvas() {
    QFETCH(int, position);
    QFETCH(QSize, client);
    Window w(client);
    w.canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.canvas));
    w.canvas.DrawReels({position, position + 20, position + 40});
    // The screen gets the tick straight from the sheet; the canvas composes
    // it when read. Both must show the same physical pixels.
    const QImage screen = w.canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& canvas = w.canvas.Canvas();
    QCOMPARE(screen.size(), canvas.size());
    const QRect reels = w.ReelOnCanvas(0).united(w.ReelOnCanvas(2));
    QCOMPARE(Pixels(screen, reels), Pixels(canvas, reels));
    // The reels' pieces of the payline line up with the payline in the gaps.
    const int gapX = (w.ReelOnCanvas(0).right() + w.ReelOnCanvas(1).left()) / 2;
    const int reelX = w.ReelOnCanvas(1).center().x();
    int redRows = 0;
    for (int y = reels.top(); y <= reels.bottom(); ++y) {
        QCOMPARE(IsRed(canvas.pixel(reelX, y)), IsRed(canvas.pixel(gapX, y)));
        redRows += IsRed(canvas.pixel(gapX, y)) ? 1 : 0;
    }
    QVERIFY(redRows >= 1);
}

QTEST_MAIN(HiDpiCanvasTest)
#include "HiDpiCanvasTest.moc"
