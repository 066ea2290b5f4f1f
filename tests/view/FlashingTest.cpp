// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "tests/support/RedPixels.h"
#include "tests/support/RuntimeDir.h"
#include "view/PayRowGeometry.h"
#include "view/SlotCanvas.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvory;

using kelvory::test::RedPixels;
using kelvory::test::RuntimeDir;

// The winning row flashes through the window's flash timer handler.
class FlashingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void winningRowFlashes_data();
    void winningRowFlashes();
    void doubledTopPrizeShowsTenThousand();
    void winFlashesUntilTheNextBet();

  private:
    QTemporaryDir home_;
};

void FlashingTest::initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
}

void FlashingTest::winningRowFlashes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lastBet");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<bool>("reducedMotion"); // Options > Reduced Motion: the row stays lit
    QTest::newRow("row 6, two credits, no multiplier") << 6 << 2 << 0 << false;
    QTest::newRow("row 3, one credit, 2X") << 3 << 1 << 2 << false;
    QTest::newRow("row 5, two credits, 4X") << 5 << 2 << 4 << false;
    QTest::newRow("reduced motion: row 3, one credit, 2X") << 3 << 1 << 2 << true;
}

void FlashingTest::winningRowFlashes() {
    QFETCH(int, row);
    QFETCH(int, lastBet);
    QFETCH(int, multiplier);
    QFETCH(bool, reducedMotion);
    MainWindow window(RuntimeDir());
    if (reducedMotion) {
        window.Menu().ReducedMotionItem->trigger();
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SlotCanvas& canvas = window.Canvas();
    QCOMPARE(canvas.size(), QSize(632, 394));
    GameState& state = window.State();
    state.WinningRow = row;
    state.LastBet = static_cast<std::uint8_t>(lastBet);
    state.CloverMultiplier = static_cast<std::uint8_t>(multiplier);
    const PayRowGeometry g = PayRowGeometry::For(kSmallLayout, row, lastBet - 1);
    const QPoint ground(g.icon.x(), g.box.bottom() - 1);
    const QRect multiplierArea(g.multiplier.at, QSize(36, 22));
    // The first tick draws the row unlit, then it alternates.
    for (bool flashLit : {false, true, false, true, false}) {
        const bool lit = reducedMotion || flashLit;
        window.FlashWinningRow();
        QCOMPARE(state.WinningRowLit, lit);
        const QImage& image = canvas.Canvas();
        QCOMPARE(image.pixel(ground), lit ? qRgb(255, 255, 0) : qRgb(255, 255, 255));
        const bool textShown = RedPixels(image, multiplierArea) > 10;
        QCOMPARE(textShown, lit && multiplier > 0);
    }
}

void FlashingTest::doubledTopPrizeShowsTenThousand() {
    MainWindow window(RuntimeDir());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GameState& state = window.State();
    state.WinningRow = 0;
    state.LastBet = 2;
    window.FlashWinningRow();
    window.FlashWinningRow();
    // "10000" in white on red at the amount's place, lit or not.
    const PayRowGeometry g = PayRowGeometry::For(kSmallLayout, 0, 1);
    const QImage& image = window.Canvas().Canvas();
    const QRect amount(g.amount.at.x() - 30, g.amount.at.y() + 1, 30, 10);
    QVERIFY(RedPixels(image, amount) > 150);
    QCOMPARE(image.pixel(g.icon.x(), g.box.bottom() - 1), qRgb(255, 255, 0));
}

void FlashingTest::winFlashesUntilTheNextBet() {
    MainWindow window(RuntimeDir());
    window.show();
    GameState& state = window.State();
    state.sndWin = false;
    state.LastBet = 1;
    // A clover above the payline pays one credit.
    state.VisibleCells = {ReelWindow{Clover, Blank, Blank}, ReelWindow{Blank, Blank, Blank},
                          ReelWindow{Blank, Blank, Blank}};
    window.Engine().EvaluateWin();
    QCOMPARE(state.Credits, 1001.0);
    QVERIFY(window.FlashTimer()->isActive());
    QTRY_VERIFY(!state.WinningRowLit);
    QTest::mouseClick(window.BetOneButton(), Qt::LeftButton);
    QVERIFY(!window.FlashTimer()->isActive());
}

QTEST_MAIN(FlashingTest)
#include "FlashingTest.moc"
