// SPDX-License-Identifier: MIT
// Money texts and integer texts of the profile file.
#include "store/MoneyText.h"
#include "store/IntegerText.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kelvory;

class MoneyTextTest : public QObject {
    Q_OBJECT
  private slots:
    void strToMoney_data();
    void strToMoney();
    void moneyToStr_data();
    void moneyToStr();
    void everyCentValueReadsBackExactly();
    void balance_data();
    void balance();
    void trimBlanks_data();
    void trimBlanks();
    void strToIntDef_data();
    void strToIntDef();
};

void MoneyTextTest::strToMoney_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("two fraction digits") << "12.50" << 12.5;
    QTest::newRow("one fraction digit is tenths") << "12.5" << 12.5;
    QTest::newRow("leading zero in the fraction") << "12.05" << 12.05;
    QTest::newRow("no point") << "1234" << 1234.0;
    QTest::newRow("digits after the second are ignored") << "12.345" << 12.34;
    QTest::newRow("point without fraction") << "7." << 7.0;
    QTest::newRow("fraction only") << ".25" << 0.25;
    QTest::newRow("eleven-digit whole part read whole") << "12345678901.25" << 12345678901.25;
    QTest::newRow("whole part held at 10^16") << "12345678901234567890" << 1e16;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("leading blanks skipped") << "   42.10" << 42.1;
    QTest::newRow("trailing text ignored") << "42abc" << 42.0;
    QTest::newRow("negative value") << "-12.50" << -12.5;
    QTest::newRow("negative below one") << "-0.50" << -0.5;
    QTest::newRow("plus sign") << "+3.01" << 3.01;
    QTest::newRow("fraction stops at a non-digit") << "3.x9" << 3.0;
    QTest::newRow("second point ignored") << "1.2.3" << 1.2;
}

void MoneyTextTest::strToMoney() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ParseMoney(text.toStdString()), expected);
}

void MoneyTextTest::moneyToStr_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousand") << 1000.0 << "1000.00";
    QTest::newRow("tenth") << 0.1 << "0.10";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("hundredths") << 12.05 << "12.05";
    QTest::newRow("no thousands separators") << 1234567.89 << "1234567.89";
    QTest::newRow("longer than the field is not cut") << 123456789012.5 << "123456789012.50";
    QTest::newRow("rounded to cents") << 2.675000001 << "2.68";
    QTest::newRow("largest balance") << 999999999.99 << "999999999.99";
    QTest::newRow("fifteen digits exact") << 999999999999998.0 << "999999999999998.00";
    QTest::newRow("beyond the readable range held at its end")
        << 1267650600228229401496703205376.0 << "10000000000000000.00";
    QTest::newRow("not a number") << std::nan("") << "0.00";
}

void MoneyTextTest::moneyToStr() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatMoney(value)), expected);
}

void MoneyTextTest::everyCentValueReadsBackExactly() {
    // Balances change by whole cents; what is written must read back the same.
    for (long long cents = 0; cents < 2000000; cents += 7) {
        const double value = static_cast<double>(cents) / 100;
        QCOMPARE(ParseMoney(FormatMoney(value)), value);
        QCOMPARE(ParseMoney(FormatMoney(-value)), -value);
    }
    double credits = 1000;
    for (int i = 0; i < 1000; ++i) {
        credits += (i % 3 == 0) ? 0.01 : (i % 3 == 1 ? 0.1 : -1);
        const double read = ParseMoney(FormatMoney(credits));
        QVERIFY(std::fabs(read - credits) < 0.005);
        QCOMPARE(FormatMoney(read), FormatMoney(credits));
    }
}

void MoneyTextTest::balance_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("in range") << "1234.56" << 1234.56;
    QTest::newRow("largest kept") << "999999999.99" << 999999999.99;
    QTest::newRow("above the meters held at the largest") << "1000000000.00" << 999999999.99;
    QTest::newRow("fifteen digits held at the largest") << "999999999999998.00" << 999999999.99;
    QTest::newRow("thirty digits held at the largest") << QString(30, '9') + ".00" << 999999999.99;
    QTest::newRow("negative held at zero") << "-5.00" << 0.0;
    QTest::newRow("read from thirty characters") << QString(30, '0') + "1.50" << 0.0;
}

void MoneyTextTest::balance() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = ParseBalance(text.toStdString());
    QCOMPARE(value, expected);
    QCOMPARE(ParseBalance(FormatMoney(value)), value);
}

void MoneyTextTest::trimBlanks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends") << "   1000.00  "
                               << "1000.00";
    QTest::newRow("inner blanks kept") << " 1 2 "
                                       << "1 2";
    QTest::newRow("only spaces, not tabs") << "\t1 "
                                           << "\t1";
    QTest::newRow("nothing to trim") << "5"
                                     << "5";
}

void MoneyTextTest::trimBlanks() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(TrimBlanks(text.toStdString())), expected);
}

void MoneyTextTest::strToIntDef_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "25" << 25;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("0x hex") << "0x1" << 1;
    QTest::newRow("0X hex") << "0X1f" << 31;
    QTest::newRow("dollar hex") << "$FF" << 255;
    QTest::newRow("eight hex digits wrap") << "$FFFFFFFF" << -1;
    QTest::newRow("nine hex digits") << "$100000000" << -99;
    QTest::newRow("0x alone") << "0x" << -99;
    QTest::newRow("dollar alone") << "$" << -99;
    QTest::newRow("word") << "yes" << -99;
    QTest::newRow("on") << "on" << -99;
    QTest::newRow("empty") << "" << -99;
    QTest::newRow("trailing letters") << "12a" << -99;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("too large") << "2147483648" << -99;
    QTest::newRow("sign only") << "-" << -99;
}

void MoneyTextTest::strToIntDef() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ParseInteger(text.toStdString(), -99), expected);
}

QTEST_APPLESS_MAIN(MoneyTextTest)
#include "MoneyTextTest.moc"
