// SPDX-License-Identifier: MIT
#include "view/SlotCanvas.h"
#include "game/GameState.h"
#include "game/Reels.h"
#include "tests/support/CanvasWindow.h"
#include "tests/support/RedPixels.h"
#include "tests/support/RuntimeDir.h"
#include "view/PayRowGeometry.h"
#include "view/Pictures.h"

#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

using namespace kelvory;
using kelvory::test::RuntimeDir;

namespace {
using Window = test::CanvasWindow;
using test::RedPixels;

// The design client sizes of the three layouts.
const QSize kSmall(632, 394);
const QSize kMedium(794, 532);
const QSize kLarge(1018, 700);

const QRgb kCyan = qRgb(0, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);
} // namespace

class SlotCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void designSizePaintsPanelFrameAndReels();
    void choosesTheLayoutByWidth_data();
    void choosesTheLayoutByWidth();
    void buttonsStandAboveTheBottomEdge_data();
    void buttonsStandAboveTheBottomEdge();
    void reelsShowTheirTiles_data();
    void reelsShowTheirTiles();
    void paylineRunsAcrossTheGaps_data();
    void paylineRunsAcrossTheGaps();
    void payCellsFillTheirBoxes_data();
    void payCellsFillTheirBoxes();
    void paintLightsTheColumnOfTheStake_data();
    void paintLightsTheColumnOfTheStake();
    void creditMeterEndsAtItsRightEnd_data();
    void creditMeterEndsAtItsRightEnd();
    void hiddenWinningsBlankTheirArea();
    void lastReelsOfASpinReachTheScreen();
};

void SlotCanvasTest::initTestCase() {
    QVERIFY2(QFile::exists(RuntimeDir() + "kelvry1.bmp"), "the artwork is built");
}

void SlotCanvasTest::designSizePaintsPanelFrameAndReels() {
    Window w(QSize(632, 394));
    QCOMPARE(w.canvas.CellSize(), 96);
    QCOMPARE(w.canvas.ReelLeft(), 165);
    // The cyan panel, x 149 to 488, y 28 to 327, in its black outline.
    QCOMPARE(w.At(150, 29), kCyan);
    QCOMPARE(w.At(488, 327), kCyan);
    QCOMPARE(w.At(160, 327), kCyan);
    QCOMPARE(w.At(148, 100), kBlack);
    QCOMPARE(w.At(489, 100), kBlack);
    QCOMPARE(w.At(300, 27), kBlack);
    QCOMPARE(w.At(300, 328), kBlack);
    // The sunken frame, apart from the outline by a band of background.
    const QPalette palette = w.canvas.palette();
    QCOMPARE(w.At(144, 100), palette.color(QPalette::Dark).rgb());
    QCOMPARE(w.At(300, 23), palette.color(QPalette::Dark).rgb());
    QCOMPARE(w.At(494, 100), palette.color(QPalette::Light).rgb());
    QCOMPARE(w.At(300, 333), palette.color(QPalette::Light).rgb());
    QCOMPARE(w.At(146, 100), palette.color(QPalette::Button).rgb());
    // The reels, 95 x 287 each, as their reel images.
    for (int reel = 0; reel < 3; ++reel) {
        const int x = 165 + 105 * reel;
        const QImage shown = w.canvas.Canvas().copy(x, 34, 95, 287);
        QCOMPARE(shown, w.canvas.ReelImage(reel).copy(0, 0, 95, 287));
        QCOMPARE(w.At(x + 95, 100), kCyan); // the gap
    }
    // The arrows, on the payline.
    QCOMPARE(w.canvas.Canvas().copy(149, 163, 16, 31), Pictures::LeftPaylineArrow());
    QCOMPARE(w.canvas.Canvas().copy(473, 163, 16, 31), Pictures::RightPaylineArrow());
    // The buttons.
    QCOMPARE(w.canvas.BetOneButton()->geometry(), QRect(135, 341, 112, 49));
    QCOMPARE(w.canvas.BetTwoButton()->geometry(), QRect(259, 341, 112, 49));
    QCOMPARE(w.canvas.SpinButton()->geometry(), QRect(383, 341, 112, 49));
}

void SlotCanvasTest::choosesTheLayoutByWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<QString>("artwork");
    // Heights that leave the composition unscaled.
    QTest::addColumn<int>("height");
    QTest::newRow("750") << 750 << 96 << "kelvry1.bmp" << 394;
    QTest::newRow("751") << 751 << 128 << "kelvry2.bmp" << 700;
    QTest::newRow("1000") << 1000 << 128 << "kelvry2.bmp" << 532;
    QTest::newRow("1001") << 1001 << 192 << "kelvry3.bmp" << 700;
    QTest::newRow("5000") << 5000 << 192 << "kelvry3.bmp" << 700;
    QTest::newRow("5001 keeps the last") << 5001 << 128 << "kelvry2.bmp" << 532;
}

void SlotCanvasTest::choosesTheLayoutByWidth() {
    QFETCH(int, width);
    QFETCH(int, cellSize);
    QFETCH(QString, artwork);
    QFETCH(int, height);
    Window w(QSize(800, 600));
    w.canvas.resize(width, height);
    w.canvas.LayOut();
    QCOMPARE(w.canvas.CellSize(), cellSize);
    QVERIFY(w.canvas.ArtworkPath().ends_with(artwork.toStdString()));
    QCOMPARE(w.canvas.SymbolSheet().size(), QSize(3 * cellSize, 3 * cellSize));
    QCOMPARE(w.canvas.ReelImage(0).size(), QSize(cellSize, 3 * cellSize));
    // The panel follows the layout.
    const int reelLeft = w.canvas.ReelLeft();
    QCOMPARE(w.At(reelLeft - 10, w.canvas.TopMargin()), kCyan);
    QCOMPARE(w.At(reelLeft + cellSize + 4, w.canvas.TopMargin() + 3 * cellSize + 5), kCyan);
    // Restoring returns to the small layout.
    w.canvas.resize(632, 394);
    w.canvas.LayOut();
    QCOMPARE(w.canvas.CellSize(), 96);
    QCOMPARE(w.canvas.ReelLeft(), 165);
}

void SlotCanvasTest::buttonsStandAboveTheBottomEdge_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("gap");
    QTest::newRow("96 layout") << QSize(632, 394) << 4;
    QTest::newRow("128 layout") << kMedium << 20;
    QTest::newRow("192 layout") << kLarge << 4;
}

void SlotCanvasTest::buttonsStandAboveTheBottomEdge() {
    QFETCH(QSize, client);
    Window w(client);
    for (QPushButton* button :
         {w.canvas.BetOneButton(), w.canvas.BetTwoButton(), w.canvas.SpinButton()}) {
        QTEST(client.height() - button->geometry().bottom() - 1, "gap");
        QCOMPARE(button->width(), w.canvas.Layout().ButtonWidth());
        QCOMPARE(button->height(), 49);
    }
}

void SlotCanvasTest::reelsShowTheirTiles_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("position");
    for (QSize client : {kSmall, kMedium, kLarge}) {
        const QByteArray w = QByteArray::number(client.width());
        QTest::newRow(w + " position 0") << client << 0 << 0;
        QTest::newRow(w + " position 78") << client << 1 << 78;
        QTest::newRow(w + " position 79") << client << 2 << 79;
        QTest::newRow(w + " start 8") << client << 0 << 8;
        QTest::newRow(w + " start 20") << client << 1 << 20;
        QTest::newRow(w + " start 52") << client << 2 << 52;
    }
}

void SlotCanvasTest::reelsShowTheirTiles() {
    QFETCH(QSize, client);
    QFETCH(int, reel);
    QFETCH(int, position);
    Window w(client);
    std::array<int, 3> positions{0, 0, 0};
    positions[static_cast<std::size_t>(reel)] = position;
    w.canvas.DrawReels(positions);
    const int c = w.canvas.CellSize();
    const int h = c / 2;
    const QImage& sheet = w.canvas.SymbolSheet();
    auto tile = [&](int cell, int top, int height) {
        const int code = Reels::CellAt(reel, cell);
        return sheet.copy((code % 3) * c, (code / 3) * c + top, c - 1, height);
    };
    const QPoint origin = w.canvas.Layout().ReelOrigin(w.canvas.ReelLeft(), reel);
    auto shown = [&](int y, int height) {
        return w.canvas.Canvas().copy(origin.x(), origin.y() + y, c - 1, height);
    };
    const int k = position / 2;
    // Rows clear of the payline piece at c + h.
    if (position % 2 == 0) {
        QCOMPARE(shown(0, c), tile(k, 0, c));
        QCOMPARE(shown(c, h), tile(k + 1, 0, h));
        QCOMPARE(shown(2 * c, c - 1), tile(k + 2, 0, c - 1));
    } else {
        QCOMPARE(shown(0, h), tile(k, h, h));
        QCOMPARE(shown(h, c), tile(k + 1, 0, c));
        QCOMPARE(shown(c + h + 1, c - 1), tile(k + 2, 1, c - 1));
        QCOMPARE(shown(2 * c + h, h - 1), tile(k + 3, 0, h - 1));
    }
    QCOMPARE(w.At(origin.x() + c / 3, origin.y() + c + h), kRed);
}

void SlotCanvasTest::paylineRunsAcrossTheGaps_data() {
    QTest::addColumn<QSize>("client");
    QTest::newRow("96 layout") << kSmall;
    QTest::newRow("128 layout") << kMedium;
    QTest::newRow("192 layout") << kLarge;
}

void SlotCanvasTest::paylineRunsAcrossTheGaps() {
    QFETCH(QSize, client);
    Window w(client);
    const ViewLayout& layout = w.canvas.Layout();
    const int left = w.canvas.ReelLeft();
    const int y = layout.PaylineY();
    QCOMPARE(y, w.canvas.TopMargin() + w.canvas.CellSize() * 3 / 2);
    for (int x = left - 16; x <= left + 3 * w.canvas.CellSize() + 32; ++x) {
        QCOMPARE(w.At(x, y), kRed);
    }
    QVERIFY(w.At(left - 17, y) != kRed);
    // During a spin the reels bring their own piece; the gaps keep theirs.
    w.canvas.DrawReels({1, 3, 5});
    for (int x = left - 16; x <= left + 3 * w.canvas.CellSize() + 32; ++x) {
        QCOMPARE(w.At(x, y), kRed);
    }
}

void SlotCanvasTest::payCellsFillTheirBoxes_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    for (QSize client : {kSmall, kMedium, kLarge}) {
        for (int row : {0, 1, 6, 7}) {
            for (int column : {0, 1}) {
                QTest::addRow("width %d row %d column %d", client.width(), row, column)
                    << client << row << column;
            }
        }
    }
}

void SlotCanvasTest::payCellsFillTheirBoxes() {
    QFETCH(QSize, client);
    QFETCH(int, row);
    QFETCH(int, column);
    Window w(client);
    const PayRowGeometry g = PayRowGeometry::For(w.canvas.Layout().Values(), row, column);
    const QRgb outline = w.canvas.palette().color(QPalette::Dark).rgb();
    const QRgb background = w.canvas.palette().color(QPalette::Button).rgb();
    const QPoint ground(g.icon.x(), g.box.bottom() - 1);
    for (bool lit : {false, true, false}) {
        w.canvas.DrawPayRow(row, lit, column);
        QCOMPARE(w.At(g.box.left(), g.box.top()), outline);
        QCOMPARE(w.At(g.box.right(), g.box.bottom()), outline);
        QCOMPARE(w.At(ground.x(), ground.y()), lit ? kYellow : kWhite);
        if (column == 0 && row == 0) {
            QCOMPARE(w.At(g.box.left() - 1, g.box.top() + 5), background);
        }
    }
}

void SlotCanvasTest::paintLightsTheColumnOfTheStake_data() {
    QTest::addColumn<int>("bet");
    QTest::addColumn<bool>("leftLit");
    QTest::addColumn<bool>("rightLit");
    QTest::newRow("no stake") << 0 << false << false;
    QTest::newRow("one credit") << 1 << true << false;
    QTest::newRow("two credits") << 2 << false << true;
}

void SlotCanvasTest::paintLightsTheColumnOfTheStake() {
    QFETCH(int, bet);
    QFETCH(bool, leftLit);
    QFETCH(bool, rightLit);
    Window w(QSize(632, 394));
    w.state.BetInPlay = static_cast<std::uint8_t>(bet);
    w.canvas.RepaintAll();
    for (int row = 0; row < 8; ++row) {
        const PayRowGeometry left = PayRowGeometry::For(kSmallLayout, row, 0);
        const PayRowGeometry right = PayRowGeometry::For(kSmallLayout, row, 1);
        QCOMPARE(w.At(left.icon.x(), left.box.bottom() - 1), leftLit ? kYellow : kWhite);
        QCOMPARE(w.At(right.icon.x(), right.box.bottom() - 1), rightLit ? kYellow : kWhite);
    }
}

void SlotCanvasTest::creditMeterEndsAtItsRightEnd_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("rightEnd");
    QTest::addColumn<QRect>("label");
    QTest::newRow("96 layout") << kSmall << 492 << QRect(350, 0, 45, 18);
    QTest::newRow("128 layout") << kMedium << 616 << QRect(470, 3, 45, 18);
    QTest::newRow("192 layout") << kLarge << 832 << QRect(630, 4, 60, 22);
}

void SlotCanvasTest::creditMeterEndsAtItsRightEnd() {
    QFETCH(QSize, client);
    QFETCH(int, rightEnd);
    QFETCH(QRect, label);
    Window w(client);
    const int width = client.width();
    w.canvas.ShowCredits(123456.5);
    const QImage& canvas = w.canvas.Canvas();
    QVERIFY(RedPixels(canvas, QRect(rightEnd - 10, 0, 10, 28)) > 0);
    QCOMPARE(RedPixels(canvas, QRect(rightEnd + 1, 0, 6, 28)), 0);
    // The label in black.
    int dark = 0;
    for (int y = label.top(); y <= label.bottom(); ++y) {
        for (int x = label.left(); x <= label.right(); ++x) {
            dark += qGray(canvas.pixel(x, y)) < 60 ? 1 : 0;
        }
    }
    QVERIFY(dark > 20);
    // The largest balance the game keeps stays clear of the label.
    w.canvas.ShowCredits(999999999.99);
    QCOMPARE(RedPixels(canvas, label), 0);
    // A smaller amount leaves nothing of the larger one in the cleared area.
    w.canvas.ShowCredits(1);
    const int cleared = width == kLarge.width() ? 700 : (width == kMedium.width() ? 520 : 400);
    QCOMPARE(RedPixels(canvas, QRect(cleared, 0, rightEnd - 60 - cleared, 20)), 0);
}

void SlotCanvasTest::hiddenWinningsBlankTheirArea() {
    Window w(QSize(632, 394));
    const QImage before = w.canvas.Canvas().copy(140, 0, 210, 20);
    w.canvas.ShowWinnings(true, 250);
    const QImage& canvas = w.canvas.Canvas();
    QVERIFY(RedPixels(canvas, QRect(215, 0, 60, 20)) > 0); // at ReelLeft + 50
    QVERIFY(canvas.copy(140, 0, 210, 20) != before);
    w.canvas.ShowWinnings(false, 0);
    QCOMPARE(canvas.copy(140, 0, 210, 20), before);
}

void SlotCanvasTest::lastReelsOfASpinReachTheScreen() {
    // The area each paint of the canvas covers.
    struct PaintWatch : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } watch;
    Window w(kSmall);
    w.canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.canvas));
    w.canvas.installEventFilter(&watch);
    w.canvas.DrawReels({2, 2, 2});
    QTRY_VERIFY(!watch.painted.isEmpty());
    watch.painted = QRegion();
    // A tick within the same frame of the screen is held back; with no tick
    // after it, as at the end of a spin, it must still be shown.
    w.canvas.DrawReels({2, 2, 4});
    const int c = w.canvas.CellSize();
    const QPoint lastReel = w.canvas.Layout().ReelOrigin(w.canvas.ReelLeft(), 2);
    QTRY_VERIFY(watch.painted.contains(QRect(lastReel, QSize(c - 1, 3 * c - 1))));
}

QTEST_MAIN(SlotCanvasTest)
#include "SlotCanvasTest.moc"
