// SPDX-License-Identifier: MIT
#include "tests/support/Rig.h"

#include <QtTest>

using namespace kelvory;
using namespace kelvory::test;

class SpinCycleTest : public QObject {
    Q_OBJECT
  private slots:
    void reelsRestAtChoiceRolledBack_data();
    void reelsRestAtChoiceRolledBack();
    void reelsBlurThenRollEachTick();
    void soundsAskedForPerSpeed_data();
    void soundsAskedForPerSpeed();
    void ticksAreSpeedApart();
    void speedChosenMidSpinAppliesFromNextTick();
    void modalDialogHoldsSpinThenNextTickFollowsAtOnce();
    void oddSpeedsFromSettingsNeverHang_data();
    void oddSpeedsFromSettingsNeverHang();
    void eventsHandledDuringSpinWhateverTheSpeed_data();
    void eventsHandledDuringSpinWhateverTheSpeed();
    void newGameDuringSpinStillPaysWin();
    void spinRefusedWithoutCoveredBet_data();
    void spinRefusedWithoutCoveredBet();
    void spinRestakesLastBetAndReseedsEachTime();
    void restakeLightsItsOwnColumn_data();
    void restakeLightsItsOwnColumn();
    void pressDuringSpinOnlyClearsMultiplier_data();
    void pressDuringSpinOnlyClearsMultiplier();
    void spinEndDrawsPaylineAndUnlightsBothColumns();
};

void SpinCycleTest::reelsRestAtChoiceRolledBack_data() {
    QTest::addColumn<QList<int>>("choices"); // k of 2 x random(40) per reel
    QTest::addColumn<QList<int>>("stops");
    QTest::newRow("middle of the strips") << QList<int>{20, 30, 35} << QList<int>{20, 40, 48};
    QTest::newRow("rolls through the end of the strip")
        << QList<int>{0, 5, 10} << QList<int>{60, 70, 78};
    QTest::newRow("last cells") << QList<int>{39, 39, 39} << QList<int>{58, 58, 56};
}

void SpinCycleTest::reelsRestAtChoiceRolledBack() {
    QFETCH(QList<int>, choices);
    QFETCH(QList<int>, stops);
    Rig rig;
    rig.state.LastBet = 1;
    rig.world.choices.assign(choices.begin(), choices.end());
    rig.engine.Spin();
    QCOMPARE((QList<int>{rig.state.ReelStops[0], rig.state.ReelStops[1], rig.state.ReelStops[2]}),
             stops);
    for (int reel = 0; reel < 3; ++reel) {
        QCOMPARE(rig.state.VisibleCells[reel], Reels::WindowAt(reel, stops[reel]));
    }
}

void SpinCycleTest::reelsBlurThenRollEachTick() {
    // Per reel: the tick that chooses its resting place and its last moving tick.
    constexpr int kSchedule[3][2] = {{40, 60}, {60, 80}, {79, 101}};
    const std::array<int, 3> choices{7, 0, 33};
    Rig rig;
    rig.state.LastBet = 1;
    rig.world.choices.assign(choices.begin(), choices.end());
    rig.engine.Spin();

    int draw = 3; // one random(80) start position per reel came first
    std::array<int, 3> position{FakeWorld::BlurPosition(0), FakeWorld::BlurPosition(1),
                                FakeWorld::BlurPosition(2)};
    std::vector<std::array<int, 3>> expected;
    for (int tick = 1; tick <= SlotEngine::kSpinTicks; ++tick) {
        for (int reel = 0; reel < 3; ++reel) {
            const auto [choice, last] = kSchedule[reel];
            if (tick < choice) {
                position[reel] = FakeWorld::BlurPosition(draw++);
            } else if (tick == choice) {
                position[reel] = 2 * choices[reel];
            } else if (tick <= last) {
                position[reel] = (position[reel] + 79) % 80;
            }
        }
        expected.push_back(position);
    }
    QCOMPARE(rig.world.frames, expected);
}

void SpinCycleTest::soundsAskedForPerSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("spinSounds");
    QTest::newRow("very fast: every fifth tick") << 10 << 19;
    QTest::newRow("fast: every fourth tick") << 25 << 24;
    QTest::newRow("medium: every third tick, 99 stops instead") << 40 << 32;
    QTest::newRow("slow: every second tick") << 55 << 49;
    QTest::newRow("a speed from the settings file: none") << 100 << 0;
}

void SpinCycleTest::soundsAskedForPerSpeed() {
    QFETCH(int, speed);
    QFETCH(int, spinSounds);
    Rig rig;
    rig.state.Speed = speed;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    rig.engine.Spin();
    QCOMPARE(rig.world.Count("spin"), spinSounds);
    QCOMPARE(rig.world.Count("stop"), 3);
    const std::vector<double> ticks = rig.world.TimesOf("reels");
    const std::vector<double> stops = rig.world.TimesOf("stop");
    QCOMPARE(stops, (std::vector<double>{ticks[58], ticks[78], ticks[98]}));
}

void SpinCycleTest::ticksAreSpeedApart() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.engine.Spin();
    const std::vector<double> ticks = rig.world.TimesOf("reels");
    QCOMPARE(int(ticks.size()), SlotEngine::kSpinTicks);
    QCOMPARE(ticks.front(), start + 10);
    QCOMPARE(ticks.back(), start + 1010);
}

void SpinCycleTest::speedChosenMidSpinAppliesFromNextTick() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.world.At(start + 305, [&] { rig.engine.SetSpeed(55); });
    rig.engine.Spin();
    const std::vector<double> ticks = rig.world.TimesOf("reels");
    // Tick 30 came at 300; the next one is due 55 ms after it.
    QCOMPARE(ticks[29], start + 300);
    QCOMPARE(ticks[30], start + 355);
    QCOMPARE(ticks.back(), start + 300 + 71 * 55);
}

void SpinCycleTest::modalDialogHoldsSpinThenNextTickFollowsAtOnce() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.world.At(start + 503, [&] { rig.world.now += 4000; }); // a dialog open for 4 s
    rig.engine.Spin();
    const std::vector<double> ticks = rig.world.TimesOf("reels");
    QCOMPARE(ticks[49], start + 500);
    QCOMPARE(ticks[50], start + 4503);
    QCOMPARE(ticks[51], start + 4513);
}

void SpinCycleTest::oddSpeedsFromSettingsNeverHang_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("longestMs");
    QTest::newRow("zero: all ticks at once") << 0 << 0.0;
    QTest::newRow("negative: all ticks at once") << -40 << 0.0;
    // A tick of 24 days: choosing Very Fast from the menu a second in takes
    // effect within the next tenth of a second.
    QTest::newRow("largest integer, then very fast") << 2147483647 << 1100.0 + 100 * 10;
}

void SpinCycleTest::oddSpeedsFromSettingsNeverHang() {
    QFETCH(int, speed);
    QFETCH(double, longestMs);
    Rig rig;
    rig.state.Speed = speed;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.world.At(start + 1000, [&] { rig.engine.SetSpeed(10); });
    rig.engine.Spin();
    QCOMPARE(rig.world.Count("reels"), SlotEngine::kSpinTicks);
    QVERIFY(rig.world.TimesOf("reels").back() - start <= longestMs);
    QVERIFY(!rig.state.Spinning);
}

void SpinCycleTest::eventsHandledDuringSpinWhateverTheSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("drawMs");
    QTest::addColumn<double>("eventAfterMs"); // after the click
    QTest::newRow("speed 0") << 0 << 0.0 << 0.0;
    QTest::newRow("negative speed") << -40 << 0.0 << 0.0;
    QTest::newRow("drawing slower than the speed") << 10 << 25.0 << 40.0;
}

void SpinCycleTest::eventsHandledDuringSpinWhateverTheSpeed() {
    QFETCH(int, speed);
    QFETCH(double, drawMs);
    QFETCH(double, eventAfterMs);
    Rig rig;
    rig.state.Speed = speed;
    rig.state.LastBet = 1;
    rig.world.drawMs = drawMs;
    rig.NextSpinLoses();
    std::size_t framesWhenHandled = 0;
    rig.world.At(rig.world.now + eventAfterMs,
                 [&] { framesWhenHandled = rig.world.frames.size(); });
    rig.engine.Spin();
    QVERIFY(framesWhenHandled > 0);
    QVERIFY(framesWhenHandled < 3);
    QCOMPARE(int(rig.world.frames.size()), SlotEngine::kSpinTicks);
}

void SpinCycleTest::newGameDuringSpinStillPaysWin() {
    Rig rig;
    rig.state.Credits = 10;
    rig.state.LastBet = 1;
    rig.NextSpinWins(1, 5);
    rig.world.At(rig.world.now + 400, [&] { rig.engine.NewGame(); });
    rig.engine.Spin();
    QCOMPARE(rig.state.Credits, 1005.0);
    QCOMPARE(rig.state.Borrowed, 1000.0);
    QCOMPARE(rig.world.Count("repaint"), 1);
}

void SpinCycleTest::spinRefusedWithoutCoveredBet_data() {
    QTest::addColumn<int>("lastBet");
    QTest::addColumn<double>("credits");
    QTest::newRow("first spin after start-up") << 0 << 1000.0;
    QTest::newRow("half a credit left for a one-credit bet") << 1 << 0.5;
    QTest::newRow("one credit left for a two-credit bet") << 2 << 1.0;
}

void SpinCycleTest::spinRefusedWithoutCoveredBet() {
    QFETCH(int, lastBet);
    QFETCH(double, credits);
    Rig rig;
    rig.state.LastBet = lastBet;
    rig.state.Credits = credits;
    rig.engine.Spin();
    QCOMPARE(rig.world.Whats(),
             (std::vector<std::string>{"flash off", "info Please place a bet before spinning!"}));
    QCOMPARE(rig.state.Credits, credits);
    QCOMPARE(rig.state.Spins, 0);
    QCOMPARE(int(rig.state.BetInPlay), 0);
    QVERIFY(!rig.state.Spinning);
}

void SpinCycleTest::spinRestakesLastBetAndReseedsEachTime() {
    Rig rig;
    rig.state.LastBet = 2;
    rig.NextSpinLoses();
    rig.NextSpinLoses();
    const std::uint32_t timeOfDay = rig.world.MsSinceMidnightUtc();
    rig.engine.Spin();
    rig.world.now += 1234;
    rig.engine.Spin();
    QCOMPARE(rig.world.seeds.front(), timeOfDay);
    QCOMPARE(rig.state.Credits, 996.0);
    QCOMPARE(rig.state.Spins, 2);
    QCOMPARE(int(rig.state.LastBet), 2);
    QCOMPARE(int(rig.state.BetInPlay), 0);
    QCOMPARE(int(rig.world.seeds.size()), 2);
    QVERIFY(rig.world.seeds[0] != rig.world.seeds[1]);
    QCOMPARE(rig.world.Count("coin"), 0);
}

void SpinCycleTest::restakeLightsItsOwnColumn_data() {
    QTest::addColumn<int>("lastBet");
    QTest::newRow("one coin") << 1;
    QTest::newRow("two coins") << 2;
}

void SpinCycleTest::restakeLightsItsOwnColumn() {
    QFETCH(int, lastBet);
    Rig rig;
    rig.state.LastBet = static_cast<std::uint8_t>(lastBet);
    rig.NextSpinLoses();
    rig.engine.Spin();
    std::vector<std::string> expected{"flash off", "credits " + std::to_string(1000 - lastBet)};
    for (int row = 0; row < 8; ++row) {
        expected.push_back("row " + std::to_string(row) + " lit " + std::to_string(lastBet - 1));
    }
    const std::vector<std::string> whats = rig.world.Whats();
    QCOMPARE(std::vector<std::string>(whats.begin(), whats.begin() + 10), expected);
}

void SpinCycleTest::pressDuringSpinOnlyClearsMultiplier_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("spin") << 0;
    QTest::newRow("bet 1") << 1;
    QTest::newRow("bet 2") << 2;
}

void SpinCycleTest::pressDuringSpinOnlyClearsMultiplier() {
    QFETCH(int, button);
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    int multiplierAfterPress = -1;
    rig.world.At(rig.world.now + 200, [&] {
        rig.state.CloverMultiplier = 2;
        button == 0 ? rig.engine.Spin() : (button == 1 ? rig.engine.BetOne() : rig.engine.BetTwo());
        multiplierAfterPress = rig.state.CloverMultiplier;
    });
    rig.engine.Spin();
    QCOMPARE(multiplierAfterPress, 0);
    QCOMPARE(rig.state.Spins, 1);
    QCOMPARE(rig.state.Credits, 999.0);
    QCOMPARE(rig.world.Count("reels"), SlotEngine::kSpinTicks);
}

void SpinCycleTest::spinEndDrawsPaylineAndUnlightsBothColumns() {
    Rig rig;
    rig.state.LastBet = 1;
    rig.NextSpinLoses();
    rig.engine.Spin();
    std::vector<std::string> whats = rig.world.Whats();
    const auto payline = std::find(whats.begin(), whats.end(), "payline");
    QVERIFY(payline != whats.end());
    std::vector<std::string> after(payline + 1, payline + 17);
    std::vector<std::string> expected;
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 8; ++row) {
            expected.push_back("row " + std::to_string(row) + " unlit " + std::to_string(column));
        }
    }
    QCOMPARE(after, expected);
    QCOMPARE(whats.back(), std::string("lose"));
}

QTEST_APPLESS_MAIN(SpinCycleTest)
#include "SpinCycleTest.moc"
