// SPDX-License-Identifier: MIT
#include "options/BorrowRule.h"
#include "game/GameState.h"

#include <QTest>

using namespace kelvory;
using Result = BorrowRule::Result;

Q_DECLARE_METATYPE(BorrowRule::Result)

class BorrowRuleTest : public QObject {
    Q_OBJECT
  private slots:
    void chipClick_data() {
        QTest::addColumn<double>("credits");
        QTest::addColumn<double>("borrowed");
        QTest::addColumn<int>("chip");
        QTest::addColumn<bool>("borrow");
        QTest::addColumn<Result>("result");
        QTest::addColumn<double>("creditsAfter");
        QTest::addColumn<double>("borrowedAfter");
        QTest::newRow("new game pays back its 1000")
            << 1000.0 << 1000.0 << 0 << false << Result::Done << 0.0 << 0.0;
        QTest::newRow("nothing left to pay back 1000 with")
            << 0.0 << 0.0 << 0 << false << Result::ShortCredits << 0.0 << 0.0;
        QTest::newRow("credit test comes before the debt test")
            << 500.0 << 100.0 << 0 << false << Result::ShortCredits << 500.0 << 100.0;
        QTest::newRow("whole debt paid back")
            << 500.0 << 100.0 << 1 << false << Result::Done << 400.0 << 0.0;
        QTest::newRow("more than the debt refused")
            << 400.0 << 0.0 << 1 << false << Result::ShortDebt << 400.0 << 0.0;
        QTest::newRow("whole balance paid back")
            << 10.0 << 50.0 << 2 << false << Result::Done << 0.0 << 40.0;
        QTest::newRow("one credit short")
            << 0.99 << 5.0 << 3 << false << Result::ShortCredits << 0.99 << 5.0;
        QTest::newRow("ten cents short")
            << 0.09 << 5.0 << 4 << false << Result::ShortCredits << 0.09 << 5.0;
        QTest::newRow("one cent short")
            << 0.0 << 5.0 << 5 << false << Result::ShortCredits << 0.0 << 5.0;
        QTest::newRow("last cent of debt paid back")
            << 3.0 << 0.01 << 5 << false << Result::Done << 2.99 << 0.0;
        QTest::newRow("debt a hair below a cent still pays the cent")
            << 3.0 << 0.0099999999 << 5 << false << Result::Done << 2.99 << 0.0;
        QTest::newRow("no debt: a cent refused")
            << 3.0 << 0.0 << 5 << false << Result::ShortDebt << 3.0 << 0.0;
        QTest::newRow("borrowing has no limit")
            << 1e9 << 1e9 << 0 << true << Result::Done << 1e9 + 1000 << 1e9 + 1000;
        QTest::newRow("borrowing with nothing")
            << 0.0 << 0.0 << 5 << true << Result::Done << 0.01 << 0.01;
        QTest::newRow("stray fractions are mended to cents")
            << 12.3400000001 << 0.1 + 0.2 << 4 << false << Result::Done << 12.24 << 0.2;
    }
    void chipClick() {
        QFETCH(double, credits);
        QFETCH(double, borrowed);
        QFETCH(int, chip);
        QFETCH(bool, borrow);
        QFETCH(Result, result);
        QFETCH(double, creditsAfter);
        QFETCH(double, borrowedAfter);
        GameState state;
        state.Credits = credits;
        state.Borrowed = borrowed;
        QCOMPARE(BorrowRule::Apply(state, chip, borrow), result);
        // Exact: amounts are whole cents.
        QCOMPARE(state.Credits, creditsAfter);
        QCOMPARE(state.Borrowed, borrowedAfter);
    }

    void tenCentBorrowsArePaidBackByTheTenCentChip() {
        GameState state;
        state.Credits = 0.0;
        state.Borrowed = 0.0;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(BorrowRule::Apply(state, 5, true), Result::Done);
        }
        QCOMPARE(state.Borrowed, 0.1);
        QCOMPARE(BorrowRule::FormatTotal(state.Borrowed), "      0.10");
        QCOMPARE(BorrowRule::Apply(state, 4, false), Result::Done);
        QCOMPARE(state.Borrowed, 0.0);
        QCOMPARE(state.Credits, 0.0);
    }

    void manySmallMovesNeverDriftOrGoBelowZero() {
        GameState state;
        state.Credits = 5.0;
        state.Borrowed = 0.0;
        for (int i = 0; i < 1000; ++i) {
            BorrowRule::Apply(state, 5, true);
            BorrowRule::Apply(state, 4, true);
        }
        QCOMPARE(state.Borrowed, 110.0);
        for (int i = 0; i < 11000; ++i) {
            QCOMPARE(BorrowRule::Apply(state, 5, false), Result::Done);
        }
        QCOMPARE(state.Borrowed, 0.0);
        QCOMPARE(state.Credits, 5.0);
        QCOMPARE(BorrowRule::Apply(state, 5, false), Result::ShortDebt);
        QVERIFY(state.Borrowed >= 0.0);
    }

    void messages_data() {
        QTest::addColumn<int>("chip");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("1000") << 0 << Result::ShortCredits << "You do not have 1000 credits!";
        QTest::newRow("100") << 1 << Result::ShortCredits << "You do not have 100 credits!";
        QTest::newRow("10") << 2 << Result::ShortCredits << "You do not have 10 credits!";
        QTest::newRow("1") << 3 << Result::ShortCredits << "You do not have 1 credit!";
        QTest::newRow("0.10") << 4 << Result::ShortCredits << "You do not have 0.10 credits!";
        QTest::newRow("0.01") << 5 << Result::ShortCredits << "You do not have 0.01 credits!";
        QTest::newRow("debt") << 2 << Result::ShortDebt
                              << "You cannot pay back more credits than you have borrowed!";
        QTest::newRow("done") << 2 << Result::Done << "";
    }
    void messages() {
        QFETCH(int, chip);
        QFETCH(Result, result);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(BorrowRule::Message(chip, result)), text);
    }

    void formatTotal_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("thousand") << 1000.0 << "   1000.00";
        QTest::newRow("zero") << 0.0 << "      0.00";
        QTest::newRow("tiny negative shows as zero") << -1e-12 << "      0.00";
        QTest::newRow("cents") << 12.345000001 << "     12.35";
        QTest::newRow("ten million grows wider") << 12345678.9 << "12345678.90";
    }
    void formatTotal() {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(BorrowRule::FormatTotal(amount)), text);
    }
};

QTEST_GUILESS_MAIN(BorrowRuleTest)
#include "BorrowRuleTest.moc"
