// SPDX-License-Identifier: MIT
// The player's statistics counted from the engine's spins on the virtual clock.
#include "game/PlayerStatistics.h"
#include "tests/support/Rig.h"

#include <QtTest>

using namespace kelvory;
using namespace kelvory::test;

class PlayerStatisticsTest : public QObject {
    Q_OBJECT
  private slots:
    void scriptedGameGivesExactCounters() {
        Rig rig;
        PlayerStatistics stats;
        const double start = rig.world.now;
        stats.Attach(rig.engine, rig.world);

        // A loss with one credit.
        rig.NextSpinLoses();
        rig.engine.BetOne();
        rig.engine.Spin();
        // A one-credit win of 2 on mixed bars.
        rig.NextSpinRestsAt(
            Rig::FindStops(1, [](const WinResult& r) { return r.Row == 6 && r.Multiplier == 0; }));
        rig.engine.BetOne();
        rig.engine.Spin();
        // A two-credit win of sevens doubled by a payline clover: 200, counted
        // while the row flashes (its unlit phase adds 10 to the row).
        rig.NextSpinRestsAt(
            Rig::FindStops(2, [](const WinResult& r) { return r.Row == 2 && r.Multiplier == 2; }));
        rig.world.At(rig.world.now + 4000, [&rig] { rig.engine.FlashWinningRow(); });
        rig.engine.BetTwo();
        QCOMPARE(rig.state.WinAmount, 200);
        const double thirdEnd = rig.world.now;

        PlayTally allTime;
        allTime.Spins = 3;
        allTime.Staked = 4;
        allTime.Paid = 202;
        allTime.Wins[6] = 1;
        allTime.Wins[2] = 1;
        allTime.BiggestWin = 200;
        allTime.LongestLosingRun = 1;
        allTime.PlayedMs = static_cast<std::int64_t>(thirdEnd - start);
        QCOMPARE(stats.AllTime(), allTime);
        QCOMPARE(stats.Game(), allTime);
        QCOMPARE(stats.Track().size(), std::size_t{4});
        QCOMPARE(stats.Track().back().net, 198.0);
        const ParSheet& sheet = stats.Sheet();
        QCOMPARE(stats.Track().back().expected,
                 2 * (sheet.ForStake(1).meanPay - 1) + (sheet.ForStake(2).meanPay - 2));
        QCOMPARE(stats.ExpectedReturn(),
                 (2 * sheet.ForStake(1).meanPay + sheet.ForStake(2).meanPay) / 4);

        // File > New, ten idle minutes, a borrow, then a two-credit loss.
        rig.engine.NewGame();
        stats.NewGame();
        rig.world.now += 600000;
        rig.state.Credits += 1000;
        rig.state.Borrowed += 1000;
        rig.NextSpinLoses();
        rig.engine.BetTwo();

        allTime.Spins = 4;
        allTime.Staked = 6;
        allTime.LosingRun = 1;
        allTime.PlayedMs += static_cast<std::int64_t>(PlayerStatistics::kMaxPauseMs);
        QCOMPARE(stats.AllTime(), allTime);
        PlayTally game;
        game.Spins = 1;
        game.Staked = 2;
        game.LosingRun = 1;
        game.LongestLosingRun = 1;
        game.PlayedMs = static_cast<std::int64_t>(PlayerStatistics::kMaxPauseMs);
        QCOMPARE(stats.Game(), game);
        QCOMPARE(stats.Track().size(), std::size_t{2});
        QCOMPARE(stats.Track().back().net, -2.0);
        QCOMPARE(stats.Track().back().twoCreditSpins, 1);
        QCOMPARE(stats.Track().back().oneCreditSpins, 0);
    }

    void biggestWinOutlastsSmallerWins() {
        PlayerStatistics stats;
        stats.RecordSpin(2, 200, 2, 0);
        stats.RecordSpin(1, 5, 5, 0);
        QCOMPARE(stats.Game().BiggestWin, 200);
        QCOMPARE(stats.AllTime().BiggestWin, 200);
    }

    void longestRunWithoutAWin_data() {
        QTest::addColumn<QString>("results"); // L: a loss, W: a win
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("current");
        QTest::newRow("no spins") << "" << 0 << 0;
        QTest::newRow("a run ended by a win") << "LLLW" << 3 << 0;
        QTest::newRow("a longer run later") << "LWLLW" << 2 << 0;
        QTest::newRow("the run still going") << "LWLLLL" << 4 << 4;
        QTest::newRow("a shorter run now") << "LLLWL" << 3 << 1;
    }
    void longestRunWithoutAWin() {
        QFETCH(QString, results);
        QFETCH(int, longest);
        QFETCH(int, current);
        PlayerStatistics stats;
        for (const QChar result : results) {
            stats.RecordSpin(1, result == QLatin1Char('W') ? 1 : 0, 7, 0);
        }
        QCOMPARE(stats.Game().LongestLosingRun, longest);
        QCOMPARE(stats.Game().LosingRun, current);
    }

    void trackStaysBoundedAndEvenlySpaced_data() {
        QTest::addColumn<int>("spins");
        QTest::addColumn<int>("stride");
        QTest::newRow("one point short of thinning") << 999 << 1;
        QTest::newRow("thinned once") << 1000 << 2;
        QTest::newRow("thinned three times, last point off the stride") << 5003 << 8;
    }
    void trackStaysBoundedAndEvenlySpaced() {
        QFETCH(int, spins);
        QFETCH(int, stride);
        PlayerStatistics stats;
        for (int spin = 0; spin < spins; ++spin) {
            stats.RecordSpin(1, 0, 0, 0);
        }
        const std::vector<PlayerStatistics::TrackPoint>& track = stats.Track();
        QVERIFY(track.size() <= PlayerStatistics::kMaxTrackPoints);
        QCOMPARE(track.back().spin, spins);
        for (std::size_t i = 0; i + 1 < track.size(); ++i) {
            QCOMPARE(track[i].spin, std::int64_t(i) * stride);
        }
    }

    void restoredTrackMustEndAtTheGame_data() {
        QTest::addColumn<int>("lastNet");
        QTest::addColumn<int>("lastOneCreditSpins");
        QTest::addColumn<bool>("kept");
        QTest::newRow("the game's own track") << -2 << 2 << true;
        QTest::newRow("another result") << 5 << 2 << false;
        QTest::newRow("spins that do not add up") << -2 << 3 << false;
    }
    void restoredTrackMustEndAtTheGame() {
        QFETCH(int, lastNet);
        QFETCH(int, lastOneCreditSpins);
        QFETCH(bool, kept);
        PlayTally game;
        game.Spins = 2;
        game.Staked = 2;
        PlayerStatistics stats;
        stats.Restore(game, game, 0,
                      {{0, 0, 0, 0, 0}, {2, double(lastNet), 0, lastOneCreditSpins, 0}});
        QCOMPARE(stats.Track().size(), kept ? 2u : 1u);
        QCOMPARE(stats.Track().back().net, -2.0);
        stats.NewGame();
        QCOMPARE(stats.Track(), (std::vector<PlayerStatistics::TrackPoint>{{0, 0, 0, 0, 0}}));
    }
};

QTEST_APPLESS_MAIN(PlayerStatisticsTest)
#include "PlayerStatisticsTest.moc"
