// SPDX-License-Identifier: MIT
#include "game/WinRules.h"
#include "game/Reels.h"

#include <QtTest>

using namespace kelvory;

Q_DECLARE_METATYPE(kelvory::VisibleCellGrid)

class WinRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void windowPaysItsRowForTheStake_data();
    void windowPaysItsRowForTheStake();
    void wholeTableOfRestingWindows();
    void windowShowsCellsFromTopOfPosition_data();
    void windowShowsCellsFromTopOfPosition();
};

void WinRulesTest::windowPaysItsRowForTheStake_data() {
    QTest::addColumn<VisibleCellGrid>("cells");
    QTest::addColumn<int>("stake");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("multiplier");
    // Reel by reel: top, payline, bottom.
    QTest::newRow("three payline clovers, two coins pay 10000")
        << VisibleCellGrid{{{8, 0, 8}, {8, 0, 8}, {8, 0, 8}}} << 2 << 0 << 10000 << 0;
    QTest::newRow("three payline clovers, one coin")
        << VisibleCellGrid{{{8, 0, 8}, {8, 0, 8}, {8, 0, 8}}} << 1 << 0 << 2500 << 0;
    QTest::newRow("two payline clovers and one above: any position, no multiplier")
        << VisibleCellGrid{{{8, 0, 8}, {8, 0, 8}, {0, 8, 1}}} << 1 << 1 << 250 << 0;
    QTest::newRow("any position with two coins")
        << VisibleCellGrid{{{0, 8, 1}, {1, 8, 0}, {0, 8, 2}}} << 2 << 1 << 500 << 0;
    QTest::newRow("clover off the payline completes sevens")
        << VisibleCellGrid{{{0, 8, 1}, {8, 1, 8}, {8, 1, 8}}} << 1 << 2 << 50 << 0;
    QTest::newRow("one payline clover doubles sevens")
        << VisibleCellGrid{{{8, 0, 8}, {8, 1, 8}, {8, 1, 8}}} << 1 << 2 << 100 << 2;
    QTest::newRow("two payline clovers quadruple sevens, two coins double again")
        << VisibleCellGrid{{{8, 0, 8}, {8, 0, 8}, {8, 1, 8}}} << 2 << 2 << 400 << 4;
    QTest::newRow("two clover reels and a triple bar pay the triple bar row")
        << VisibleCellGrid{{{0, 8, 1}, {1, 8, 0}, {8, 2, 8}}} << 1 << 3 << 20 << 0;
    QTest::newRow("mixed bars pay any bar")
        << VisibleCellGrid{{{8, 2, 8}, {8, 3, 8}, {8, 4, 8}}} << 1 << 6 << 2 << 0;
    QTest::newRow("mixed bars with two coins")
        << VisibleCellGrid{{{8, 2, 8}, {8, 3, 8}, {8, 4, 8}}} << 2 << 6 << 4 << 0;
    QTest::newRow("two clover reels, one on the payline, blank reel")
        << VisibleCellGrid{{{8, 0, 8}, {0, 8, 2}, {1, 8, 2}}} << 1 << 7 << 4 << 2;
    QTest::newRow("one clover below the payline")
        << VisibleCellGrid{{{1, 8, 0}, {8, 1, 8}, {1, 8, 2}}} << 1 << 7 << 1 << 0;
    QTest::newRow("one payline clover, two coins")
        << VisibleCellGrid{{{8, 0, 8}, {8, 1, 8}, {1, 8, 2}}} << 2 << 7 << 4 << 2;
    QTest::newRow("two matching reels without a clover lose")
        << VisibleCellGrid{{{8, 1, 8}, {8, 1, 8}, {8, 2, 8}}} << 1 << -1 << 0 << 0;
    QTest::newRow("a blank on the payline fails every line")
        << VisibleCellGrid{{{1, 8, 2}, {8, 2, 8}, {8, 2, 8}}} << 1 << -1 << 0 << 0;
}

void WinRulesTest::windowPaysItsRowForTheStake() {
    QFETCH(VisibleCellGrid, cells);
    QFETCH(int, stake);
    QFETCH(int, row);
    QFETCH(int, amount);
    QFETCH(int, multiplier);
    const WinResult result = WinRules::Evaluate(cells, kPayValues, stake);
    QCOMPARE(result.Row, row);
    QCOMPARE(result.Amount, amount);
    QCOMPARE(int(result.Multiplier), multiplier);
}

void WinRulesTest::wholeTableOfRestingWindows() {
    std::array<int, 8> rows{};
    int wins = 0;
    long long paysOneCoin = 0;
    long long paysTwoCoins = 0;
    GameState state;
    for (int k1 = 0; k1 < 40; ++k1) {
        for (int k2 = 0; k2 < 40; ++k2) {
            for (int k3 = 0; k3 < 40; ++k3) {
                state.ReelStops = {2 * k1, 2 * k2, 2 * k3};
                state.VisibleCells = Reels::EvaluateWindow(state.ReelStops);
                const WinResult one = WinRules::Evaluate(state.VisibleCells, kPayValues, 1);
                const WinResult two = WinRules::Evaluate(state.VisibleCells, kPayValues, 2);
                if (one.Amount > 0) {
                    ++wins;
                    ++rows[one.Row];
                }
                paysOneCoin += one.Amount;
                paysTwoCoins += two.Amount;
            }
        }
    }
    QCOMPARE(wins, 17717);
    QCOMPARE(rows, (std::array<int, 8>{1, 26, 153, 309, 485, 1073, 5326, 10344}));
    QCOMPARE(paysOneCoin, 69448LL);
    QCOMPARE(paysTwoCoins, 143896LL);
}

void WinRulesTest::windowShowsCellsFromTopOfPosition_data() {
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("cells");
    QTest::newRow("position 0 shows cells 0, 1, 2") << 0 << 0 << QList<int>{8, 4, 8};
    QTest::newRow("position 78 wraps to cells 39, 0, 1") << 0 << 78 << QList<int>{1, 8, 4};
    QTest::newRow("start of reel 1: clover on the payline") << 0 << 8 << QList<int>{8, 0, 8};
    QTest::newRow("start of reel 2: seven on the payline") << 1 << 20 << QList<int>{8, 1, 8};
    QTest::newRow("start of reel 3: clover on the payline") << 2 << 52 << QList<int>{8, 0, 8};
}

void WinRulesTest::windowShowsCellsFromTopOfPosition() {
    QFETCH(int, reel);
    QFETCH(int, position);
    QFETCH(QList<int>, cells);
    const ReelWindow window = Reels::WindowAt(reel, position);
    QCOMPARE((QList<int>{window[0], window[1], window[2]}), cells);
}

QTEST_APPLESS_MAIN(WinRulesTest)
#include "WinRulesTest.moc"
