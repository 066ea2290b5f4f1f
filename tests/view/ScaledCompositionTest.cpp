// SPDX-License-Identifier: MIT
// A client area well beyond the design size shows the whole composition
// scaled up and centred, drawn for the physical pixels.
#include "game/GameState.h"
#include "game/Reels.h"
#include "tests/support/CanvasWindow.h"
#include "tests/support/RuntimeDir.h"
#include "view/PayRowGeometry.h"
#include "view/ReelRenderer.h"
#include "view/SlotCanvas.h"
#include "view/SymbolArt.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace kelvory;

namespace {
using Window = test::CanvasWindow;

// Shown, so that taking its picture does not lay it out again.
void Show(SlotCanvas& canvas) {
    const QSize client = canvas.size();
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QCOMPARE(canvas.size(), client);
}

// What the window shows, in physical pixels.
QImage Screen(SlotCanvas& canvas) {
    QImage screen = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    screen.setDevicePixelRatio(1);
    return screen;
}

QImage Pixels(const QImage& image, const QRect& area) {
    QImage part = image.copy(area);
    part.setDevicePixelRatio(1);
    return part.convertToFormat(QImage::Format_RGB32);
}

// The parts of the composition, in its logical pixels.
struct Region {
    const char* name;
    QRect area;
};

std::vector<Region> Regions(const SlotCanvas& canvas) {
    const LayoutValues& values = canvas.Layout().Values();
    const auto column = [&](int c) {
        return PayRowGeometry::For(values, 0, c).box.united(PayRowGeometry::For(values, 7, c).box);
    };
    const int cell = canvas.CellSize();
    // The reel panel with its bevel, 6 pixels around it.
    const QRect panel(canvas.ReelLeft() - 22, canvas.TopMargin() - 12, 3 * cell + 64,
                      3 * cell + 24);
    return {{"meters", QRect(0, 0, values.designClient.width(), 32)},
            {"headings", QRect(0, 0, values.designClient.width(), column(0).top())},
            {"1 coin column", column(0)},
            {"2 coins column", column(1)},
            {"reel panel", panel}};
}

// Compares the window's picture with the design canvas drawn at the
// composition's ratio, region by region, and the ground around it.
void CompareWithDesign(SlotCanvas& large, const SlotCanvas& design) {
    const QImage screen = Screen(large);
    const QImage& reference = design.Canvas();
    const QPoint origin = large.CanvasOrigin();
    for (const Region& region : Regions(design)) {
        const QRect device = design.DeviceRect(region.area);
        QVERIFY2(Pixels(screen, device.translated(origin)) == Pixels(reference, device),
                 region.name);
    }
    const QRgb ground = large.palette().color(QPalette::Button).rgb();
    const QRect composition(origin, reference.size());
    for (const QPoint& at : {QPoint(origin.x() - 1, screen.height() / 2),
                             QPoint(composition.right() + 1, screen.height() / 2),
                             QPoint(screen.width() / 2, origin.y() - 1),
                             QPoint(screen.width() / 2, composition.bottom() + 1)}) {
        if (screen.rect().contains(at)) {
            QCOMPARE(screen.pixel(at), ground);
        }
    }
}
} // namespace

class ScaledCompositionTest : public QObject {
    Q_OBJECT
  private slots:
    void composedPictureIsTheDesignScaledAndCentred_data();
    void composedPictureIsTheDesignScaledAndCentred();
    void scaledPictureStaysSharp_data();
    void scaledPictureStaysSharp();
    void reelsWithoutVectorSourcesComeFromTheLargestBitmap_data();
    void reelsWithoutVectorSourcesComeFromTheLargestBitmap();
};

void ScaledCompositionTest::composedPictureIsTheDesignScaledAndCentred_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("design");
    QTest::newRow("maximised on 1920 x 1080") << QSize(1914, 1012) << QSize(1018, 700);
    QTest::newRow("maximised on 2560 x 1440") << QSize(2554, 1372) << QSize(1018, 700);
    QTest::newRow("128 layout at 1.2") << QSize(953, 650) << QSize(794, 532);
}

void ScaledCompositionTest::composedPictureIsTheDesignScaledAndCentred() {
    QFETCH(QSize, client);
    QFETCH(QSize, design);
    Window large(client);
    Show(large.canvas);
    const double scale = std::min(double(client.width()) / design.width(),
                                  double(client.height()) / design.height());
    QCOMPARE(large.canvas.Scale(), scale);
    const qreal ratio = scale * large.canvas.DevicePixelRatio();
    Window small(design);
    small.canvas.SetRatioOverride(ratio);
    QCOMPARE(small.canvas.Canvas().size(), large.canvas.Canvas().size());
    // Centred to the physical pixel.
    const QImage screen = Screen(large.canvas);
    const QPoint origin = large.canvas.CanvasOrigin();
    const QSize composed = small.canvas.Canvas().size();
    QVERIFY(std::abs(2 * origin.x() + composed.width() - screen.width()) <= 1);
    QVERIFY(std::abs(2 * origin.y() + composed.height() - screen.height()) <= 1);
    CompareWithDesign(large.canvas, small.canvas);
    // The buttons grow with the rest and stay in their places.
    const QList<QPushButton*> smallButtons{small.canvas.BetOneButton(), small.canvas.BetTwoButton(),
                                           small.canvas.SpinButton()};
    const QList<QPushButton*> largeButtons{large.canvas.BetOneButton(), large.canvas.BetTwoButton(),
                                           large.canvas.SpinButton()};
    const QPointF shift = QPointF(origin) / large.canvas.DevicePixelRatio();
    for (qsizetype i = 0; i < smallButtons.size(); ++i) {
        const QRectF want(shift + QPointF(smallButtons[i]->pos()) * scale,
                          QSizeF(smallButtons[i]->size()) * scale);
        const QRect got = largeButtons[i]->geometry();
        QVERIFY(std::abs(got.x() - want.x()) <= 1 && std::abs(got.y() - want.y()) <= 1);
        QVERIFY(std::abs(got.width() - want.width()) <= 2);
        QCOMPARE(largeButtons[i]->iconSize(), (smallButtons[i]->iconSize() * scale));
    }
    // What the game draws between paints lands in the same places: a spin
    // tick straight to the screen, a lit row, the winnings meter.
    for (Window* w : {&large, &small}) {
        w->canvas.DrawReels({3, 17, 41});
        w->canvas.DrawPayRow(2, true, 1);
        w->canvas.ShowWinnings(true, 250.0);
    }
    CompareWithDesign(large.canvas, small.canvas);
}

void ScaledCompositionTest::scaledPictureStaysSharp_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1.5") << QSize(1527, 1050) << 1.5;
    QTest::newRow("scale 2") << QSize(2036, 1400) << 2.0;
    QTest::newRow("full screen on 1920 x 1080") << QSize(1920, 1061) << 1061.0 / 700;
}

void ScaledCompositionTest::scaledPictureStaysSharp() {
    QFETCH(QSize, client);
    QFETCH(double, scale);
    Window w(client);
    Show(w.canvas);
    QCOMPARE(w.canvas.Scale(), scale);
    const QImage screen = Screen(w.canvas);
    const QPoint origin = w.canvas.CanvasOrigin();
    // The black outline on each side of the panel, beside the payline
    // arrows: whole physical columns of pure black, with no grey on either
    // side and no arrow over it.
    const int cell = w.canvas.CellSize();
    const QRgb ground = w.canvas.palette().color(QPalette::Button).rgb();
    const int y =
        origin.y() +
        w.canvas.DeviceRect(QRect(0, w.canvas.TopMargin() + cell + cell / 2 - 5, 1, 1)).y();
    for (const int left : {w.canvas.ReelLeft() - 17, w.canvas.ReelLeft() + 3 * cell + 36}) {
        const QRect outline = w.canvas.DeviceRect(QRect(left, w.canvas.TopMargin(), 1, 1));
        const bool leftSide = left < w.canvas.ReelLeft();
        QVERIFY(outline.width() >= 1);
        for (int x = outline.left(); x <= outline.right(); ++x) {
            QCOMPARE(screen.pixel(origin.x() + x, y), qRgb(0, 0, 0));
        }
        QCOMPARE(screen.pixel(origin.x() + outline.left() - 1, y),
                 leftSide ? ground : qRgb(0, 255, 255));
        QCOMPARE(screen.pixel(origin.x() + outline.right() + 1, y),
                 leftSide ? qRgb(0, 255, 255) : ground);
    }
    // The reels: the vector symbols rendered for the physical cell, not a
    // bitmap blown up.
    const int deviceCell = w.canvas.DeviceCellSize();
    QVERIFY(std::abs(deviceCell - cell * scale) <= 2);
    const QImage vectors = SymbolArt::Sheet(deviceCell);
    const QRect reel = w.canvas.DeviceRect(
        QRect(w.canvas.ReelLeft(), w.canvas.TopMargin(), cell - 1, 3 * cell - 1));
    for (int row = 0; row < 3; ++row) {
        const int stop = (w.state.ReelStops[0] / 2 + row) % Reels::kCells;
        const int code = Reels::kStrips[0][static_cast<std::size_t>(stop)] - '0';
        // The middle row carries the payline: compare above it; the bottom
        // row is cut where the reel ends.
        const int height = row == 1   ? deviceCell / 2 - 2
                           : row == 2 ? std::min(deviceCell, reel.height() - 2 * deviceCell)
                                      : deviceCell;
        const QSize shown(std::min(reel.width(), deviceCell - 1), height);
        QVERIFY2(
            Pixels(screen, QRect(origin + reel.topLeft() + QPoint(0, row * deviceCell), shown)) ==
                Pixels(vectors, QRect(ReelRenderer::TileOrigin(code, deviceCell), shown)),
            qPrintable(QStringLiteral("row %1").arg(row)));
    }
}

void ScaledCompositionTest::reelsWithoutVectorSourcesComeFromTheLargestBitmap_data() {
    QTest::addColumn<QByteArray>("clover"); // the clover's source; empty: none
    QTest::newRow("sources missing") << QByteArray();
    QTest::newRow("a source broken") << QByteArray("<svg><path d=");
}

void ScaledCompositionTest::reelsWithoutVectorSourcesComeFromTheLargestBitmap() {
    QFETCH(QByteArray, clover);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir runtime(test::RuntimeDir());
    for (const QString& name : runtime.entryList({QStringLiteral("kelvry*.bmp")})) {
        QVERIFY(QFile::copy(runtime.filePath(name), dir.filePath(name)));
    }
    if (!clover.isEmpty()) {
        for (const QString& name : SymbolArt::ReelSourceFiles()) {
            QVERIFY(QFile::copy(runtime.filePath(name), dir.filePath(name)));
        }
        QFile broken(dir.filePath(QStringLiteral("clover.svg")));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write(clover);
    }
    GameState state;
    SlotCanvas canvas(state, QFile::encodeName(dir.path()).toStdString());
    canvas.resize(1527, 1050);
    canvas.LayOut();
    // The double-size sheet resampled smoothly for the physical cell: within
    // one step of colour a pixel of the vector rendering on average (the
    // small sheet blown up is two or more off), not blank.
    const int deviceCell = canvas.DeviceCellSize();
    const QImage& sheet = canvas.DeviceSheet();
    QCOMPARE(sheet.size(), QSize(3 * deviceCell, 3 * deviceCell));
    const QImage vectors = SymbolArt::Sheet(deviceCell);
    qint64 difference = 0;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb a = sheet.pixel(x, y);
            const QRgb b = vectors.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    }
    QVERIFY(sheet != vectors);
    QVERIFY2(difference < qint64(sheet.width()) * sheet.height(),
             qPrintable(QString::number(double(difference) / (sheet.width() * sheet.height()))));
}

QTEST_MAIN(ScaledCompositionTest)
#include "ScaledCompositionTest.moc"
