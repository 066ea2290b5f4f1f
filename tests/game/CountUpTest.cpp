// SPDX-License-Identifier: MIT
#include "tests/support/Rig.h"

#include <QtTest>

using namespace kelvory;
using namespace kelvory::test;

class CountUpTest : public QObject {
    Q_OBJECT
  private slots:
    void countUpTakesItsPauses_data();
    void countUpTakesItsPauses();
    void eachCreditSoundsThenUpdatesBothMeters();
    void borrowDuringCountUpKeepsBothAmounts();
    void newGameDuringCountUpPaysRestOnTop();
    void winSoundEndsBeforeCountUp();
    void paidWinFlashesItsRowAndKeepsItsMultiplier_data();
    void paidWinFlashesItsRowAndKeepsItsMultiplier();
    void lossPlaysLoseSoundOnly();
    void flashTimerAlternatesWinningRow();
};

void CountUpTest::countUpTakesItsPauses_data() {
    QTest::addColumn<int>("credits");
    QTest::addColumn<double>("totalMs");
    QTest::addColumn<double>("firstPauseMs");
    QTest::addColumn<double>("pumpStepMs"); // 0: each wait runs to its deadline
    QTest::newRow("one credit") << 1 << 1750.0 << 250.0 << 0.0;
    QTest::newRow("two credits") << 2 << 2000.0 << 250.0 << 0.0;
    QTest::newRow("fifteen: first pause 0.1 s") << 15 << 3900.0 << 100.0 << 0.0;
    QTest::newRow("fifty") << 50 << 5650.0 << 50.0 << 0.0;
    QTest::newRow("201: first pause 0.01 s") << 201 << 7160.0 << 10.0 << 0.0;
    QTest::newRow("202: first pause 5 ms") << 202 << 7165.0 << 5.0 << 0.0;
    QTest::newRow("fifteen, pump returning early") << 15 << 3900.0 << 100.0 << 3.0;
}

void CountUpTest::countUpTakesItsPauses() {
    QFETCH(int, credits);
    QFETCH(double, totalMs);
    QFETCH(double, firstPauseMs);
    QFETCH(double, pumpStepMs);
    Rig rig;
    rig.world.pumpStepMs = pumpStepMs;
    const double start = rig.world.now;
    rig.engine.CountUp(credits);
    QCOMPARE(rig.world.now - start, totalMs);
    QCOMPARE(rig.state.Credits, 1000.0 + credits);
    const std::vector<double> sounds = rig.world.TimesOf("credit");
    QCOMPARE(int(sounds.size()), credits);
    QCOMPARE(sounds.front(), start + 1000);
    if (credits > 1) {
        QCOMPARE(sounds[1] - sounds[0], firstPauseMs);
    }
    // The final 0 stays 0.75 s before the meter is cleared.
    QCOMPARE(rig.world.TimesOf("winnings off").front() - sounds.back(), 750.0);
}

void CountUpTest::eachCreditSoundsThenUpdatesBothMeters() {
    Rig rig;
    rig.engine.CountUp(2);
    QCOMPARE(rig.world.Whats(),
             (std::vector<std::string>{"winnings 2", "credit", "winnings 1", "credits 1001",
                                       "credit", "winnings 0", "credits 1002", "winnings off"}));
}

void CountUpTest::borrowDuringCountUpKeepsBothAmounts() {
    Rig rig;
    rig.world.At(rig.world.now + 5000, [&] { rig.state.Credits += 1000; });
    rig.engine.CountUp(2500);
    QCOMPARE(rig.state.Credits, 1000.0 + 1000 + 2500);
}

void CountUpTest::newGameDuringCountUpPaysRestOnTop() {
    Rig rig;
    rig.state.Credits = 40;
    const double start = rig.world.now;
    // Ten credits: the first at 1000 ms, then 0.1 s apart (r = 9..6) before the
    // slow ones; the new game comes after the third credit.
    rig.world.At(start + 1250, [&] { rig.engine.NewGame(); });
    rig.engine.CountUp(10);
    QCOMPARE(rig.state.Credits, 1000.0 + 7);
    QCOMPARE(rig.state.Borrowed, 1000.0);
}

void CountUpTest::winSoundEndsBeforeCountUp() {
    Rig rig;
    rig.world.winSoundMs = 1500;
    rig.state.LastBet = 1;
    rig.NextSpinWins(1, 1);
    rig.engine.Spin();
    const double win = rig.world.TimesOf("win").front();
    QCOMPARE(rig.world.TimesOf("winnings 1").front(), win + 1500);
    const std::vector<std::string> whats = rig.world.Whats();
    const auto flash = std::find(whats.begin(), whats.end(), "flash on");
    const auto sound = std::find(whats.begin(), whats.end(), "win");
    QVERIFY(flash < sound);
    QCOMPARE(rig.state.Credits, 1000.0);
    QVERIFY(!rig.state.Spinning);
    QCOMPARE(int(rig.state.BetInPlay), 0);
}

void CountUpTest::paidWinFlashesItsRowAndKeepsItsMultiplier_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("multiplier"); // the "2X" or "4X" shown beside the lit row
    QTest::addColumn<bool>("steady");    // reduced motion: the row stays lit
    QTest::newRow("top row, three payline clovers") << 0 << 0 << false;
    QTest::newRow("a middle row, 2X") << 3 << 2 << false;
    QTest::newRow("a middle row, 4X") << 5 << 4 << false;
    QTest::newRow("bottom row") << 7 << 0 << false;
    QTest::newRow("steady: top row stays lit") << 0 << 0 << true;
    QTest::newRow("steady: a middle row, 2X, stays lit") << 3 << 2 << true;
}

void CountUpTest::paidWinFlashesItsRowAndKeepsItsMultiplier() {
    QFETCH(int, row);
    QFETCH(int, multiplier);
    QFETCH(bool, steady);
    Rig rig;
    rig.engine.SetWinningRowSteady(steady);
    rig.state.LastBet = 1;
    rig.state.WinningRow = 5;
    rig.NextSpinRestsAt(Rig::FindStops(
        1, [=](const WinResult& r) { return r.Row == row && r.Multiplier == multiplier; }));
    rig.engine.Spin();
    rig.world.log.clear();
    // Flash ticks after the payout: unlit first, then alternating; a steady
    // row is lit at every tick.
    std::vector<std::string> drawn;
    for (int tick = 0; tick < 4; ++tick) {
        rig.engine.FlashWinningRow();
        const bool lit = steady || tick % 2 == 1;
        drawn.push_back("row " + std::to_string(row) + (lit ? " lit 0" : " unlit 0"));
    }
    QCOMPARE(rig.world.Whats(), drawn);
    QCOMPARE(int(rig.state.CloverMultiplier), multiplier);
}

void CountUpTest::lossPlaysLoseSoundOnly() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.state.WinningRow = 3;
    rig.state.WinningRowLit = false;
    rig.NextSpinLoses();
    rig.engine.Spin();
    QCOMPARE(rig.world.Count("lose"), 1);
    QCOMPARE(rig.world.Count("win"), 0);
    QCOMPARE(rig.world.Count("flash on"), 0);
    QCOMPARE(rig.state.WinAmount, 0);
    QCOMPARE(rig.state.WinningRow, 3);
    QVERIFY(!rig.state.WinningRowLit);
}

void CountUpTest::flashTimerAlternatesWinningRow() {
    Rig rig;
    rig.state.LastBet = 2;
    rig.state.WinningRow = 3;
    rig.engine.FlashWinningRow();
    QVERIFY(!rig.state.WinningRowLit);
    rig.engine.FlashWinningRow();
    QVERIFY(rig.state.WinningRowLit);
    QCOMPARE(rig.state.WinningRow, 3);
    QCOMPARE(rig.world.Whats(), (std::vector<std::string>{"row 3 unlit 1", "row 3 lit 1"}));
}

QTEST_APPLESS_MAIN(CountUpTest)
#include "CountUpTest.moc"
