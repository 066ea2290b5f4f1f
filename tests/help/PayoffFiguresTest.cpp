// SPDX-License-Identifier: MIT
// The figures the help states about the pay table and its odds, checked
// against the game's own rules over every resting picture of the reels.
#include "game/ParSheet.h"
#include "game/Reels.h"
#include "game/WinRules.h"
#include "tests/support/RuntimeDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <array>

using namespace kelvory;
using kelvory::test::RuntimeDir;

namespace {

struct TableFigures {
    std::array<int, 8> rowCounts{};
    int wins = 0;
    int windows = 0;
    long long pays1 = 0;
    long long pays2 = 0;
    // The plain pay of each row (no payline clover), per stake.
    std::array<int, 8> plainPay1{};
    std::array<int, 8> plainPay2{};
};

TableFigures WholeTable() {
    TableFigures figures;
    for (int k1 = 0; k1 < Reels::kCells; ++k1) {
        for (int k2 = 0; k2 < Reels::kCells; ++k2) {
            for (int k3 = 0; k3 < Reels::kCells; ++k3) {
                const VisibleCellGrid cells{Reels::WindowAt(0, 2 * k1), Reels::WindowAt(1, 2 * k2),
                                            Reels::WindowAt(2, 2 * k3)};
                ++figures.windows;
                const WinResult one = WinRules::Evaluate(cells, kPayValues, 1);
                const WinResult two = WinRules::Evaluate(cells, kPayValues, 2);
                if (one.Amount == 0) {
                    continue;
                }
                ++figures.wins;
                ++figures.rowCounts[one.Row];
                figures.pays1 += one.Amount;
                figures.pays2 += two.Amount;
                if (one.Multiplier == 0) {
                    int& p1 = figures.plainPay1[one.Row];
                    int& p2 = figures.plainPay2[one.Row];
                    p1 = p1 == 0 ? one.Amount : std::min(p1, one.Amount);
                    p2 = p2 == 0 ? two.Amount : std::min(p2, two.Amount);
                }
            }
        }
    }
    return figures;
}

// The number in the element of the given class (and, for table rows, the row
// of the given id) of the help document, thousands separators removed.
QString Figure(const QString& html, const QString& rowId, const QString& cls) {
    const QString prefix =
        rowId.isEmpty() ? QString() : QStringLiteral("<tr id=\"%1\">[^\\n]*?").arg(rowId);
    const QRegularExpression re(prefix + QStringLiteral("class=\"%1\">([^<]*)<").arg(cls));
    const QRegularExpressionMatch match = re.match(html);
    if (!match.hasMatch()) {
        return QStringLiteral("<missing>");
    }
    QString text = match.captured(1);
    text.remove(QLatin1Char(','));
    return text.section(QLatin1Char(' '), 0, 0);
}

} // namespace

class PayoffFiguresTest : public QObject {
    Q_OBJECT
  private:
    QString html_;
    TableFigures figures_;

  private slots:
    void initTestCase() {
        QFile file(RuntimeDir() + QStringLiteral("kelvory-help.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        html_ = QString::fromUtf8(file.readAll());
        figures_ = WholeTable();
    }

    void rowFiguresMatchTheRules_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 8; ++row) {
            QTest::addRow("row %d", row) << row;
        }
    }
    void rowFiguresMatchTheRules() {
        QFETCH(int, row);
        const QString odds = QStringLiteral("odds-row%1").arg(row);
        QCOMPARE(Figure(html_, odds, QStringLiteral("windows")),
                 QString::number(figures_.rowCounts[row]));
        const double onceIn = double(figures_.windows) / figures_.rowCounts[row];
        QCOMPARE(Figure(html_, odds, QStringLiteral("odds")), QString::number(qRound(onceIn)));
        if (row < 7) {
            const QString pay = QStringLiteral("pay-row%1").arg(row);
            QCOMPARE(Figure(html_, pay, QStringLiteral("pay1")),
                     QString::number(figures_.plainPay1[row]));
            QCOMPARE(Figure(html_, pay, QStringLiteral("pay2")),
                     QString::number(figures_.plainPay2[row]));
        }
    }

    void wholeTableFiguresMatchTheRules_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("expected");
        const TableFigures f = WholeTable();
        QTest::newRow("pictures") << "windows-total" << QString::number(f.windows);
        QTest::newRow("winning pictures") << "wins" << QString::number(f.wins);
        QTest::newRow("pays with one credit") << "pays1" << QString::number(f.pays1);
        QTest::newRow("pays with two credits") << "pays2" << QString::number(f.pays2);
        QTest::newRow("return with one credit")
            << "return1" << QString::number(100.0 * f.pays1 / f.windows, 'f', 1);
        QTest::newRow("return with two credits")
            << "return2" << QString::number(100.0 * f.pays2 / (2.0 * f.windows), 'f', 1);
    }
    void wholeTableFiguresMatchTheRules() {
        QFETCH(QString, cls);
        QFETCH(QString, expected);
        QCOMPARE(Figure(html_, QString(), cls), expected);
    }

    void exactOddsMatchTheSheet_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("expected");
        const ParSheet sheet = ParSheet::Build();
        const ParSheet::Stake& one = sheet.ForStake(1);
        const ParSheet::Stake& two = sheet.ForStake(2);
        QTest::newRow("return with one credit")
            << "rtp1" << QString::number(100 * one.returnToPlayer, 'g', 12);
        QTest::newRow("return with two credits")
            << "rtp2" << QString::number(100 * two.returnToPlayer, 'g', 12);
        QTest::newRow("hit rate") << "hitrate" << QString::number(100 * one.hitFrequency, 'g', 12);
        QTest::newRow("big wins with one credit")
            << "bigwin1" << QString::number(qRound(1 / one.bigWinProbability));
        QTest::newRow("big wins with two credits")
            << "bigwin2" << QString::number(qRound(1 / two.bigWinProbability));
        QTest::newRow("volatility with one credit")
            << "sd1" << QString::number(one.payStdDev, 'f', 2);
        QTest::newRow("volatility with two credits")
            << "sd2" << QString::number(two.payStdDev, 'f', 2);
    }
    void exactOddsMatchTheSheet() {
        QFETCH(QString, cls);
        QFETCH(QString, expected);
        QCOMPARE(Figure(html_, QString(), cls), expected);
    }

    // The exact figures the game is known for; a change of the rules or of
    // the strips that moves them must be a deliberate one.
    void knownFigures() {
        QCOMPARE(figures_.windows, 64000);
        QCOMPARE(figures_.wins, 17717);
        QCOMPARE(figures_.pays1, 69448LL);
        QCOMPARE(figures_.pays2, 143896LL);
        const std::array<int, 8> rows{1, 26, 153, 309, 485, 1073, 5326, 10344};
        QCOMPARE(figures_.rowCounts, rows);
    }
};

QTEST_MAIN(PayoffFiguresTest)
#include "PayoffFiguresTest.moc"
