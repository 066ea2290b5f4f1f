// SPDX-License-Identifier: MIT
#include "tests/support/Rig.h"

#include <QtTest>

#include <random>

using namespace kelvory;
using namespace kelvory::test;

namespace {
std::vector<std::string> Column(int column, bool lit) {
    std::vector<std::string> rows;
    for (int row = 0; row < 8; ++row) {
        rows.push_back("row " + std::to_string(row) + (lit ? " lit " : " unlit ") +
                       std::to_string(column));
    }
    return rows;
}
std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}
std::vector<std::string> Prefix(const std::vector<std::string>& whats, std::size_t n) {
    return {whats.begin(), whats.begin() + static_cast<long>(std::min(n, whats.size()))};
}
} // namespace

class BettingTest : public QObject {
    Q_OBJECT
  private slots:
    void betOneTwiceStakesTwoAndSpinsHalfSecondLater();
    void betOneThenSpinPaysOneCoinColumn();
    void betOneThenBetTwoAddsOneCoin();
    void betTwoFromEmptyDropsTwoCoinsHalfSecondApart();
    void betTwoCountsStakePlacedDuringItsPause();
    void twoCoinSpinAfterOneCoinSpinPaysTwoCoinRates();
    void betRefusedWithoutCredits_data();
    void betRefusedWithoutCredits();
    void betTwoDuringStakedPauseRunsItsOwnSpinFirst();
    void betOneDuringStakedPauseIsIgnored();
    void spendingDuringBetTwoPauseCannotOverdraw_data();
    void spendingDuringBetTwoPauseCannotOverdraw();
    void creditsNeverNegativeWhateverIsClicked_data();
    void creditsNeverNegativeWhateverIsClicked();
    void betStopsFlashingAndClearsMultiplier();
    void autoSpinRepeatsUntilSwitchedOff_data();
    void autoSpinRepeatsUntilSwitchedOff();
    void autoSpinStopsWhenCreditsRunShort();
    void autoSpinBeforeFirstBetAsksForBet();
    void newGameKeepsBetsAndAutoSpin();
};

void BettingTest::betOneTwiceStakesTwoAndSpinsHalfSecondLater() {
    Rig rig;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.engine.BetOne();
    QCOMPARE(rig.world.Whats(),
             Join({{"flash off", "coin", "credits 999"}, Column(1, false), Column(0, true)}));
    rig.world.log.clear();
    rig.engine.BetOne();
    QCOMPARE(Prefix(rig.world.Whats(), 19),
             Join({{"flash off", "coin", "credits 998"}, Column(0, false), Column(1, true)}));
    QCOMPARE(rig.world.TimesOf("reels").front(), start + 500 + 10);
    QCOMPARE(rig.world.Whats().back(), std::string("focus"));
    QCOMPARE(rig.state.Credits, 998.0);
    QCOMPARE(int(rig.state.LastBet), 2);
    QCOMPARE(rig.state.Spins, 1);
}

void BettingTest::betOneThenSpinPaysOneCoinColumn() {
    Rig rig;
    rig.NextSpinWins(1, 10);
    rig.engine.BetOne();
    rig.engine.Spin();
    QCOMPARE(rig.world.Count("coin"), 1);
    QCOMPARE(int(rig.state.LastBet), 1);
    QCOMPARE(rig.state.WinAmount, 10);
    QCOMPARE(rig.state.Credits, 1009.0);
}

void BettingTest::betOneThenBetTwoAddsOneCoin() {
    Rig rig;
    rig.NextSpinLoses();
    rig.engine.BetOne();
    const double second = rig.world.now;
    rig.engine.BetTwo();
    QCOMPARE(rig.world.Count("coin"), 2);
    QCOMPARE(rig.world.TimesOf("reels").front(), second + 510);
    QCOMPARE(rig.state.Credits, 998.0);
    QCOMPARE(int(rig.state.LastBet), 2);
}

void BettingTest::betTwoFromEmptyDropsTwoCoinsHalfSecondApart() {
    Rig rig;
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.engine.BetTwo();
    QCOMPARE(rig.world.TimesOf("coin"), (std::vector<double>{start, start + 500}));
    QCOMPARE(rig.world.TimesOf("credits 998").front(), start + 500);
    QCOMPARE(rig.world.TimesOf("reels").front(), start + 1010);
    QCOMPARE(Prefix(rig.world.Whats(), 10), Join({{"flash off", "coin"}, Column(0, true)}));
    QCOMPARE(rig.world.Whats().back(), std::string("focus"));
}

void BettingTest::betTwoCountsStakePlacedDuringItsPause() {
    Rig rig;
    rig.NextSpinLoses();
    rig.world.At(rig.world.now + 200, [&] { rig.engine.BetOne(); });
    rig.engine.BetTwo();
    QCOMPARE(rig.state.Credits, 998.0);
    QCOMPARE(rig.world.Count("coin"), 3);
    QCOMPARE(int(rig.state.LastBet), 2);
}

void BettingTest::twoCoinSpinAfterOneCoinSpinPaysTwoCoinRates() {
    Rig rig;
    rig.state.LastBet = 1;
    const auto stops = Rig::FindStops(1, [](const WinResult& r) { return r.Amount == 10; });
    rig.NextSpinRestsAt(stops);
    rig.engine.BetTwo();
    QCOMPARE(rig.state.WinAmount, 20);
    QCOMPARE(rig.state.Credits, 1000.0 - 2 + 20);
}

void BettingTest::betRefusedWithoutCredits_data() {
    QTest::addColumn<double>("credits");
    QTest::addColumn<bool>("betOneFirst");
    QTest::addColumn<bool>("betTwo");
    QTest::newRow("bet 1 with half a credit") << 0.5 << false << false;
    QTest::newRow("bet 2 with one and a half credits") << 1.5 << false << true;
    QTest::newRow("bet 2 missing one with half a credit left") << 1.5 << true << true;
}

void BettingTest::betRefusedWithoutCredits() {
    QFETCH(double, credits);
    QFETCH(bool, betOneFirst);
    QFETCH(bool, betTwo);
    Rig rig;
    rig.state.Credits = credits;
    if (betOneFirst) {
        rig.engine.BetOne();
        credits -= 1;
    }
    rig.world.log.clear();
    betTwo ? rig.engine.BetTwo() : rig.engine.BetOne();
    QCOMPARE(rig.world.Whats(), std::vector<std::string>{"flash off"});
    QCOMPARE(rig.state.Credits, credits);
}

void BettingTest::betTwoDuringStakedPauseRunsItsOwnSpinFirst() {
    Rig rig;
    rig.NextSpinLoses();
    rig.NextSpinLoses();
    const double start = rig.world.now;
    rig.world.At(start + 700, [&] { rig.engine.BetTwo(); });
    rig.engine.BetTwo();
    QCOMPARE(rig.state.Spins, 2);
    QCOMPARE(rig.state.Credits, 996.0);
    QCOMPARE(rig.world.Count("coin"), 3);
    QCOMPARE(rig.world.TimesOf("reels").front(), start + 700 + 510);
}

void BettingTest::betOneDuringStakedPauseIsIgnored() {
    Rig rig;
    rig.NextSpinLoses();
    rig.engine.BetOne();
    rig.world.At(rig.world.now + 200, [&] { rig.engine.BetOne(); });
    rig.engine.BetOne();
    QCOMPARE(rig.world.Count("coin"), 2);
    QCOMPARE(rig.state.Spins, 1);
    QCOMPARE(rig.state.Credits, 998.0);
}

void BettingTest::spendingDuringBetTwoPauseCannotOverdraw_data() {
    QTest::addColumn<int>("what");
    QTest::newRow("spin re-stakes the last bet") << 0;
    QTest::newRow("auto-spin tick re-stakes the last bet") << 1;
    QTest::newRow("credits paid back to the house") << 2;
}

void BettingTest::spendingDuringBetTwoPauseCannotOverdraw() {
    QFETCH(int, what);
    Rig rig;
    rig.state.Credits = 2;
    rig.state.LastBet = 2;
    rig.NextSpinLoses();
    rig.world.At(rig.world.now + 200, [&] {
        if (what == 0) {
            rig.engine.Spin();
        } else if (what == 1) {
            rig.engine.AutoSpinDue();
        } else {
            rig.state.Credits = 0;
        }
    });
    rig.engine.BetTwo();
    QCOMPARE(rig.state.Credits, 0.0);
    QCOMPARE(int(rig.state.BetInPlay), 0);
    QCOMPARE(rig.state.Spins, what == 2 ? 0 : 1);
    const std::vector<std::string> whats = rig.world.Whats();
    QCOMPARE(std::vector<std::string>(whats.end() - 16, whats.end()),
             Join({Column(0, false), Column(1, false)}));
}

void BettingTest::creditsNeverNegativeWhateverIsClicked_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 12; ++seed) {
        QTest::newRow(qPrintable(QStringLiteral("clicks %1").arg(seed))) << seed;
    }
}

void BettingTest::creditsNeverNegativeWhateverIsClicked() {
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    Rig rig;
    rig.state.Credits = 3;
    for (int spin = 0; spin < 40; ++spin) {
        rig.NextSpinLoses();
    }
    bool negative = false;
    const auto action = [&](int kind) {
        switch (kind) {
        case 0:
            rig.engine.BetOne();
            break;
        case 1:
            rig.engine.BetTwo();
            break;
        case 2:
            rig.engine.Spin();
            break;
        case 3:
            rig.engine.AutoSpinDue();
            break;
        default:
            rig.state.Credits = std::max(0.0, rig.state.Credits - 0.5);
            break;
        }
        negative = negative || rig.state.Credits < 0;
    };
    for (int i = 0; i < 30; ++i) {
        const double at = rig.world.now + std::uniform_int_distribution<int>(0, 3000)(random);
        const int kind = std::uniform_int_distribution<int>(0, 4)(random);
        rig.world.At(at, [&, kind] { action(kind); });
    }
    rig.engine.BetTwo();
    rig.world.WaitUntil(rig.world.now + 60000);
    QVERIFY(!negative);
    QVERIFY(rig.state.Credits >= 0);
}

void BettingTest::betStopsFlashingAndClearsMultiplier() {
    Rig rig;
    rig.state.CloverMultiplier = 4;
    rig.engine.BetOne();
    QCOMPARE(rig.world.Whats().front(), std::string("flash off"));
    QCOMPARE(int(rig.state.CloverMultiplier), 0);
}

void BettingTest::autoSpinRepeatsUntilSwitchedOff_data() {
    QTest::addColumn<double>("offMs"); // after the third spin started
    QTest::newRow("early in the spin") << 300.0;
    QTest::newRow("in its last half second") << 800.0;
    // The 2.75 s count-up of its five credits has 0.25 s left.
    QTest::newRow("late in its count-up") << 1010.0 + 2500;
}

void BettingTest::autoSpinRepeatsUntilSwitchedOff() {
    QFETCH(double, offMs);
    Rig rig;
    rig.NextSpinLoses();
    rig.NextSpinLoses();
    rig.NextSpinWins(1, 5);
    rig.NextSpinLoses();
    rig.NextSpinLoses();
    rig.state.LastBet = 1;
    rig.engine.ToggleAutoSpin();
    QVERIFY(rig.state.AutoSpinOn);
    // Each spin: 500 ms delay, 1010 ms of ticks. Switch off during the third.
    rig.world.At(rig.world.now + 3 * 500 + 2 * 1010 + offMs, [&] { rig.engine.ToggleAutoSpin(); });
    rig.world.WaitUntil(rig.world.now + 20000);
    QCOMPARE(rig.state.Spins, 3);
    QCOMPARE(rig.state.Credits, 1000.0 - 3 + 5);
    QVERIFY(!rig.state.AutoSpinOn);
}

void BettingTest::autoSpinStopsWhenCreditsRunShort() {
    Rig rig;
    for (int i = 0; i < 5; ++i) {
        rig.NextSpinLoses();
    }
    rig.state.Credits = 5;
    rig.state.LastBet = 2;
    rig.engine.ToggleAutoSpin();
    rig.world.WaitUntil(rig.world.now + 20000);
    QCOMPARE(rig.state.Spins, 2);
    QCOMPARE(rig.state.Credits, 1.0);
    QVERIFY(rig.state.AutoSpinOn);
    QCOMPARE(rig.world.Count("info Please place a bet before spinning!"), 0);
}

void BettingTest::autoSpinBeforeFirstBetAsksForBet() {
    Rig rig;
    rig.engine.ToggleAutoSpin();
    rig.world.WaitUntil(rig.world.now + 5000);
    QCOMPARE(rig.world.Count("info Please place a bet before spinning!"), 1);
    QCOMPARE(rig.state.Spins, 0);
}

void BettingTest::newGameKeepsBetsAndAutoSpin() {
    Rig rig;
    rig.engine.BetOne();
    rig.state.AutoSpinOn = true;
    rig.state.Spins = 7;
    rig.state.Credits = 12.5;
    rig.state.Borrowed = 400;
    rig.engine.NewGame();
    QCOMPARE(rig.state.Credits, 1000.0);
    QCOMPARE(rig.state.Borrowed, 1000.0);
    QCOMPARE(rig.state.Spins, 0);
    QCOMPARE(int(rig.state.BetInPlay), 1);
    QVERIFY(rig.state.AutoSpinOn);
}

QTEST_APPLESS_MAIN(BettingTest)
#include "BettingTest.moc"
