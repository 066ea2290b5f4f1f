// SPDX-License-Identifier: MIT
// Ending a session while a spin, its payout or a bet pause runs: everything
// left finishes at once and nothing staked or won is lost.
#include "tests/support/Rig.h"

#include <QtTest>

using namespace kelvory;
using namespace kelvory::test;

class SettleTest : public QObject {
    Q_OBJECT
  private slots:
    void settleFinishesWithoutWaiting_data();
    void settleFinishesWithoutWaiting();
    void settleEndsWithTheHandler();
};

void SettleTest::settleFinishesWithoutWaiting_data() {
    QTest::addColumn<bool>("betTwo"); // else "Spin" re-stakes the last bet of 2
    QTest::addColumn<double>("settleAfterMs");
    QTest::newRow("during the ticks") << false << 300.0;
    QTest::newRow("during the win count-up") << false << 1010.0 + 1000 + 120;
    QTest::newRow("during the first bet pause") << true << 200.0;
    QTest::newRow("during the pause after the stake") << true << 700.0;
}

void SettleTest::settleFinishesWithoutWaiting() {
    QFETCH(bool, betTwo);
    QFETCH(double, settleAfterMs);
    Rig rig;
    rig.state.LastBet = 2;
    rig.world.winSoundMs = 0;
    rig.NextSpinWins(2, 20);
    const double settledAt = rig.world.now + settleAfterMs;
    rig.world.At(settledAt, [&] {
        rig.engine.Settle();
        rig.world.interrupted = true;
    });
    betTwo ? rig.engine.BetTwo() : rig.engine.Spin();
    QCOMPARE(rig.world.now, settledAt);
    QCOMPARE(int(rig.world.frames.size()), SlotEngine::kSpinTicks);
    QCOMPARE(rig.state.Credits, 1000.0 - 2 + 20);
    // The rest of the win came in one step, without a credit sound each.
    for (double sound : rig.world.TimesOf("credit")) {
        QVERIFY(sound < settledAt);
    }
    QCOMPARE(rig.state.Spins, 1);
    QCOMPARE(int(rig.state.BetInPlay), 0);
    QVERIFY(!rig.state.Spinning);
    QVERIFY(!rig.engine.Settling());
    QCOMPARE(rig.world.Whats().back(), std::string(betTwo ? "focus" : "winnings off"));
}

void SettleTest::settleEndsWithTheHandler() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    rig.NextSpinLoses();
    rig.engine.Settle(); // nothing runs: nothing to settle
    QVERIFY(!rig.engine.Settling());
    rig.world.At(rig.world.now + 100, [&] { rig.engine.Settle(); });
    rig.engine.Spin();
    rig.world.frames.clear();
    const double start = rig.world.now;
    rig.engine.Spin();
    QCOMPARE(int(rig.world.frames.size()), SlotEngine::kSpinTicks);
    QCOMPARE(rig.world.now, start + 1010);
}

QTEST_APPLESS_MAIN(SettleTest)
#include "SettleTest.moc"
