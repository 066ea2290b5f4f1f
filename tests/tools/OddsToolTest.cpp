// SPDX-License-Identifier: MIT
// kelvory-odds as a player runs it: its figures are those of the odds sheet.
#include "game/NetDistribution.h"
#include "game/ParSheet.h"

#include <QMap>
#include <QProcess>
#include <QtTest>

#include <cmath>

using namespace kelvory;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KELVORY_ODDS_TOOL), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class OddsToolTest : public QObject {
    Q_OBJECT
  private slots:
    void csvHoldsEveryFigureOfTheSheet() {
        const Run run = RunTool({QStringLiteral("--csv")});
        QCOMPARE(run.exitCode, 0);
        QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.takeFirst(), QStringLiteral("section,stake,item,value"));
        QMap<QString, double> figures;
        for (const QString& line : lines) {
            const int comma = line.lastIndexOf(QLatin1Char(','));
            bool ok = false;
            figures.insert(line.left(comma), line.mid(comma + 1).toDouble(&ok));
            QVERIFY2(ok, qPrintable(line));
        }
        QCOMPARE(figures.size(), lines.size());

        const ParSheet sheet = ParSheet::Build();
        QMap<QString, double> expected;
        for (const ParSheet::Stake& odds : sheet.stakes) {
            const auto put = [&](const char* section, const QString& item, double value) {
                expected.insert(QStringLiteral("%1,%2,%3").arg(section).arg(odds.stake).arg(item),
                                value);
            };
            put("summary", QStringLiteral("windows"), double(odds.windows));
            put("summary", QStringLiteral("wins"), double(odds.wins));
            put("summary", QStringLiteral("paid"), double(odds.paid));
            put("summary", QStringLiteral("hit_frequency"), odds.hitFrequency);
            put("summary", QStringLiteral("return_to_player"), odds.returnToPlayer);
            put("summary", QStringLiteral("mean_pay"), odds.meanPay);
            put("summary", QStringLiteral("pay_variance"), odds.payVariance);
            put("summary", QStringLiteral("pay_std_dev"), odds.payStdDev);
            put("summary", QStringLiteral("big_wins"), double(odds.bigWins));
            put("summary", QStringLiteral("big_win_probability"), odds.bigWinProbability);
            for (int row = 0; row < 8; ++row) {
                const QString item = QString::number(row + 1);
                put("row_count", item, double(odds.rows[row].count));
                put("row_probability", item, odds.rows[row].probability);
                put("row_one_in", item, odds.rows[row].oneIn);
                put("row_return_share", item, odds.rows[row].returnShare);
            }
            for (const ParSheet::Stake::Pay& pay : odds.pays) {
                put("pay_count", QString::number(pay.amount), double(pay.count));
            }
            for (const int spins : ParSheet::kRangeSpins) {
                const NetDistribution net = NetDistribution::After(odds, spins);
                const QString item = QString::number(spins);
                put("range_expected", item, spins * (odds.meanPay - odds.stake));
                put("range_low", item, double(net.Quantile(0.05)));
                put("range_median", item, double(net.Quantile(0.5)));
                put("range_high", item, double(net.Quantile(0.95)));
                put("range_ahead", item, net.ChanceAbove(0));
                // No run of spins loses more than it stakes.
                QVERIFY(
                    figures.value(QStringLiteral("range_low,%1,%2").arg(odds.stake).arg(spins)) >=
                    -spins * odds.stake);
            }
        }
        QCOMPARE(figures, expected);
    }

    void tableShowsTheReturnHitRateAndRanges() {
        const Run run = RunTool({});
        QCOMPARE(run.exitCode, 0);
        const ParSheet sheet = ParSheet::Build();
        const QString simplified = run.out.simplified();
        for (const ParSheet::Stake& odds : sheet.stakes) {
            QVERIFY(run.out.contains(QString::number(100 * odds.returnToPlayer, 'f', 2)));
            QVERIFY(run.out.contains(QString::number(odds.payStdDev, 'f', 2)));
            // Each range row: spins, 5 %, median, 95 %, expected net result, chance ahead.
            const NetDistribution net = NetDistribution::After(odds, 10);
            const QString row =
                QStringLiteral("%1 %2 %3 %4 %5 %6%")
                    .arg(10)
                    .arg(net.Quantile(0.05))
                    .arg(net.Quantile(0.5))
                    .arg(QLatin1Char('+') + QString::number(net.Quantile(0.95)))
                    .arg(QLatin1Char('+') +
                         QString::number(std::llround(10 * (odds.meanPay - odds.stake))))
                    .arg(100 * net.ChanceAbove(0), 0, 'f', 2);
            QVERIFY2(simplified.contains(row), qPrintable(row));
        }
        QVERIFY(run.out.contains(QString::number(100 * sheet.stakes[0].hitFrequency, 'f', 2)));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: kelvory-odds"
                              << "";
        QTest::newRow("unknown option") << QStringList{"--csv", "--frobnicate"} << 2 << ""
                                        << "kelvory-odds: unknown option '--frobnicate'";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = RunTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out.left(out.size()), out);
        QCOMPARE(run.err.left(err.size()), err);
        if (out.isEmpty()) {
            QVERIFY(run.out.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(OddsToolTest)
#include "OddsToolTest.moc"
