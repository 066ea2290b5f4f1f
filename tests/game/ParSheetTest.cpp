// SPDX-License-Identifier: MIT
// The odds sheet against the whole table and against a direct sum over every
// resting window, worked out here without the sheet's code.
#include "game/ParSheet.h"
#include "game/Reels.h"
#include "game/WinRules.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace kelvory;

namespace {

// Every window's pay with a stake, straight from the strips' text.
std::vector<int> PaysOfEveryWindow(int stake) {
    const auto cell = [](int reel, int index) { return Reels::kStrips[reel][index % 40] - '0'; };
    std::vector<int> pays;
    for (int a = 0; a < 40; ++a) {
        for (int b = 0; b < 40; ++b) {
            for (int c = 0; c < 40; ++c) {
                VisibleCellGrid grid{};
                const int k[3] = {a, b, c};
                for (int reel = 0; reel < 3; ++reel) {
                    grid[reel] = {cell(reel, k[reel]), cell(reel, k[reel] + 1),
                                  cell(reel, k[reel] + 2)};
                }
                pays.push_back(WinRules::Evaluate(grid, kPayValues, stake).Amount);
            }
        }
    }
    return pays;
}

} // namespace

class ParSheetTest : public QObject {
    Q_OBJECT
  private:
    ParSheet sheet_ = ParSheet::Build();

  private slots:
    void totalsMatchTheWholeTable_data() {
        QTest::addColumn<int>("stake");
        QTest::addColumn<qint64>("paid");
        QTest::newRow("one credit") << 1 << qint64{69448};
        QTest::newRow("two credits") << 2 << qint64{143896};
    }
    void totalsMatchTheWholeTable() {
        QFETCH(int, stake);
        QFETCH(qint64, paid);
        const ParSheet::Stake& odds = sheet_.ForStake(stake);
        QCOMPARE(odds.stake, stake);
        QCOMPARE(odds.windows, 64000);
        QCOMPARE(odds.wins, 17717);
        QCOMPARE(odds.paid, paid);
        const std::array<qint64, 8> rows{1, 26, 153, 309, 485, 1073, 5326, 10344};
        qint64 rowPaid = 0;
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(odds.rows[row].count, rows[row]);
            QCOMPARE(odds.rows[row].oneIn, 64000.0 / rows[row]);
            rowPaid += odds.rows[row].paid;
        }
        QCOMPARE(rowPaid, paid);
        qint64 payWindows = 0;
        qint64 payCredits = 0;
        for (const ParSheet::Stake::Pay& pay : odds.pays) {
            payWindows += pay.count;
            payCredits += pay.amount * pay.count;
        }
        QCOMPARE(payWindows, 64000);
        QCOMPARE(payCredits, paid);
        QCOMPARE(odds.pays.front().amount, 0);
        QCOMPARE(odds.pays.front().count, 64000 - 17717);
        QCOMPARE(odds.hitFrequency, 17717.0 / 64000);
        QCOMPARE(odds.returnToPlayer, paid / (64000.0 * stake));
    }

    void spreadMatchesADirectSumOverEveryWindow_data() {
        QTest::addColumn<int>("stake");
        QTest::newRow("one credit") << 1;
        QTest::newRow("two credits") << 2;
    }
    void spreadMatchesADirectSumOverEveryWindow() {
        QFETCH(int, stake);
        const std::vector<int> pays = PaysOfEveryWindow(stake);
        double mean = 0;
        for (const int pay : pays) {
            mean += pay;
        }
        mean /= static_cast<double>(pays.size());
        double variance = 0;
        int bigWins = 0;
        for (const int pay : pays) {
            variance += (pay - mean) * (pay - mean);
            bigWins += pay >= 100 ? 1 : 0;
        }
        variance /= static_cast<double>(pays.size());
        const ParSheet::Stake& odds = sheet_.ForStake(stake);
        QVERIFY(std::abs(odds.payVariance - variance) < 1e-9 * variance);
        QVERIFY(std::abs(odds.payStdDev - std::sqrt(variance)) < 1e-9 * std::sqrt(variance));
        QCOMPARE(odds.bigWins, bigWins);
        QCOMPARE(odds.bigWinProbability, bigWins / 64000.0);
    }
};

QTEST_APPLESS_MAIN(ParSheetTest)
#include "ParSheetTest.moc"
