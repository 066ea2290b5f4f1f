// SPDX-License-Identifier: MIT
// The net result's distribution against a direct convolution of the pays.
#include "game/NetDistribution.h"

#include <QtTest>

#include <cmath>
#include <map>

using namespace kelvory;

namespace {

// P(net) by adding up every combination of one-spin pays, spin after spin.
std::map<qint64, double> BruteForce(const ParSheet& sheet, int oneCredit, int twoCredit) {
    std::map<qint64, double> net{{0, 1.0}};
    for (int spin = 0; spin < oneCredit + twoCredit; ++spin) {
        const ParSheet::Stake& odds = sheet.ForStake(spin < oneCredit ? 1 : 2);
        std::map<qint64, double> next;
        for (const auto& [before, probability] : net) {
            for (const ParSheet::Stake::Pay& pay : odds.pays) {
                next[before + pay.amount - odds.stake] +=
                    probability * double(pay.count) / double(odds.windows);
            }
        }
        net = std::move(next);
    }
    return net;
}

} // namespace

class NetDistributionTest : public QObject {
    Q_OBJECT
  private:
    ParSheet sheet_ = ParSheet::Build();

  private slots:
    void matchesTheDirectConvolution_data() {
        QTest::addColumn<int>("oneCredit");
        QTest::addColumn<int>("twoCredit");
        for (int spins = 1; spins <= 6; ++spins) {
            QTest::addRow("%d one-credit spins", spins) << spins << 0;
            QTest::addRow("%d two-credit spins", spins) << 0 << spins;
        }
        QTest::newRow("mixed stakes") << 2 << 3;
    }
    void matchesTheDirectConvolution() {
        QFETCH(int, oneCredit);
        QFETCH(int, twoCredit);
        const std::map<qint64, double> expected = BruteForce(sheet_, oneCredit, twoCredit);
        const NetDistribution distribution = NetDistribution::After(sheet_, oneCredit, twoCredit);
        QCOMPARE(distribution.Lowest(), -qint64(oneCredit + 2 * twoCredit));
        for (qint64 net = distribution.Lowest(); net <= expected.rbegin()->first; ++net) {
            const auto it = expected.find(net);
            const double probability = it == expected.end() ? 0.0 : it->second;
            QVERIFY2(std::abs(distribution.Probability(net) - probability) < 1e-12,
                     qPrintable(QString::number(net)));
        }
        // Quantiles: the smallest net result whose cumulative probability reaches the level.
        for (const double level : {0.05, 0.5, 0.95}) {
            double cumulative = 0;
            auto it = expected.begin();
            while ((cumulative += it->second) < level - 1e-12) {
                ++it;
            }
            QCOMPARE(distribution.Quantile(level), it->first);
        }
        double ahead = 0;
        for (auto it = expected.upper_bound(0); it != expected.end(); ++it) {
            ahead += it->second;
        }
        QVERIFY(std::abs(distribution.ChanceAbove(0) - ahead) < 1e-12);
    }

    void tenSpinsLoseAtMostTheirStakes() {
        for (const int stake : {1, 2}) {
            const NetDistribution distribution = NetDistribution::After(sheet_.ForStake(stake), 10);
            QVERIFY(distribution.Quantile(0.05) >= -10 * stake);
            QVERIFY(distribution.Lowest() >= -10 * stake);
        }
    }

    // After many spins only a few frequencies count; the quantiles worked out
    // from them must be those of the whole distribution.
    void quantilesOfManyMixesMatchTheWholeDistribution() {
        const std::vector<NetDistribution::Mix> mixes{{0, 0}, {3, 4}, {30000, 20000}};
        const std::vector<double> levels{0.05, 0.5, 0.95};
        const auto quantiles = NetDistribution::QuantilesAfterEach(sheet_, mixes, levels);
        QCOMPARE(quantiles.size(), mixes.size());
        for (std::size_t i = 0; i < mixes.size(); ++i) {
            const NetDistribution distribution =
                NetDistribution::After(sheet_, mixes[i].oneCreditSpins, mixes[i].twoCreditSpins);
            for (std::size_t level = 0; level < levels.size(); ++level) {
                QCOMPARE(quantiles[i][level], distribution.Quantile(levels[level]));
            }
        }
    }
};

QTEST_APPLESS_MAIN(NetDistributionTest)
#include "NetDistributionTest.moc"
