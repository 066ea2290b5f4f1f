// SPDX-License-Identifier: MIT
#include "view/LedText.h"
#include "view/MeterPainter.h"
#include "view/Pictures.h"

#include <QLocale>
#include <QPainter>
#include <QTest>

namespace LedText = kelvory::LedText;
namespace MeterPainter = kelvory::MeterPainter;
namespace Pictures = kelvory::Pictures;

namespace {
const QRgb kGround = qRgb(100, 100, 100);
const QRgb kColours[7] = {qRgb(0, 0, 255), qRgb(0, 255, 255),   qRgb(0, 255, 0),  qRgb(255, 0, 255),
                          qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 0)};

QImage Drawn(const QString& text, int x, bool leftToRight, int row) {
    QImage target(640, 40, QImage::Format_RGB32);
    target.fill(kGround);
    QPainter painter(&target);
    LedText::DrawLedText(painter, Pictures::Digits(), text, x, 10, leftToRight, row);
    return target;
}
} // namespace

class LedTextTest : public QObject {
    Q_OBJECT
  private slots:
    void digitsPictureHasItsGrid_data();
    void digitsPictureHasItsGrid();
    void digitOneLightsTheRightHandSegments_data();
    void digitOneLightsTheRightHandSegments();
    void placesEachGlyph_data();
    void placesEachGlyph();
    void meterLocaleIsTheSystemsOrUsEnglish();
    void moneyTextKeepsTheCents_data();
    void moneyTextKeepsTheCents();
};

void LedTextTest::digitsPictureHasItsGrid_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < 7; ++row) {
        QTest::addRow("colour row %d", row) << row;
    }
}

void LedTextTest::digitsPictureHasItsGrid() {
    QFETCH(int, row);
    const QImage& digits = Pictures::Digits();
    QCOMPARE(digits.size(), QSize(188, 147));
    const int top = 21 * row;
    auto lit = [&](const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = digits.pixel(x, y);
                if (pixel == kColours[row]) {
                    ++count;
                } else if (pixel != qRgb(0, 0, 0)) {
                    // Antialiased edges: a darker shade of the same colour.
                    const QColor c(pixel), want(kColours[row]);
                    if ((want.red() == 0 && c.red() > 0) || (want.green() == 0 && c.green() > 0) ||
                        (want.blue() == 0 && c.blue() > 0)) {
                        return -1;
                    }
                }
            }
        }
        return count;
    };
    for (int d = 0; d < 10; ++d) {
        QVERIFY2(lit(QRect(16 * d, top, 15, 20)) > 10, qPrintable(QString::number(d)));
        QCOMPARE(lit(QRect(16 * d + 15, top, 1, 20)), 0);
    }
    QCOMPARE(lit(QRect(160, top, 16, 20)), 0);
    // The point sits low in its cell.
    QVERIFY(lit(QRect(176, top + 14, 4, 6)) > 0);
    QCOMPARE(lit(QRect(176, top, 4, 12)), 0);
}

void LedTextTest::digitOneLightsTheRightHandSegments_data() {
    QTest::addColumn<qreal>("scale");
    for (qreal scale : {1.0, 1.5, 2.0}) {
        QTest::addRow("scale %g", scale) << scale;
    }
}

void LedTextTest::digitOneLightsTheRightHandSegments() {
    QFETCH(qreal, scale);
    const QImage& digits = Pictures::Digits(scale);
    for (int row = 0; row < 7; ++row) {
        const QRect cell(qRound(16 * scale), qRound(21 * row * scale), qRound(15 * scale),
                         qRound(20 * scale));
        int lit = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (digits.pixel(x, y) != qRgb(0, 0, 0)) {
                    ++lit;
                    QVERIFY2(x - cell.left() >= cell.width() / 2,
                             qPrintable(QStringLiteral("row %1, x %2").arg(row).arg(x)));
                }
            }
        }
        QVERIFY(lit > 0);
    }
}

void LedTextTest::placesEachGlyph_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<QList<QRect>>("placed"); // where each source goes, in the order given
    QTest::addColumn<QList<QRect>>("sources");
    QTest::addColumn<int>("left");  // first column drawn
    QTest::addColumn<int>("right"); // last column drawn
    const int gy = 21 * 4;
    auto digit = [gy](int d) { return QRect(16 * d, gy, 15, 20); };
    const QRect point(176, gy, 4, 20);
    const QRect space(160, 42, 15, 20);
    QTest::newRow("one thousand right to left from 500")
        << "   1000.00" << 500 << false
        << QList<QRect>{{500, 10, 15, 20}, {485, 10, 15, 20}, {481, 10, 4, 20},  {466, 10, 15, 20},
                        {451, 10, 15, 20}, {436, 10, 15, 20}, {421, 10, 15, 20}, {406, 10, 15, 20},
                        {391, 10, 15, 20}, {376, 10, 15, 20}}
        << QList<QRect>{digit(0), digit(0), point, digit(0), digit(0),
                        digit(0), digit(1), space, space,    space}
        << 376 << 514;
    QTest::newRow("a comma is drawn as a point")
        << "1,5" << 10 << true << QList<QRect>{{10, 10, 15, 20}, {25, 10, 4, 20}, {29, 10, 15, 20}}
        << QList<QRect>{digit(1), point, digit(5)} << 10 << 43;
    QTest::newRow("a minus sign shows as 0")
        << "-7" << 10 << true << QList<QRect>{{10, 10, 15, 20}, {25, 10, 15, 20}}
        << QList<QRect>{digit(0), digit(7)} << 10 << 39;
}

void LedTextTest::placesEachGlyph() {
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(bool, leftToRight);
    QFETCH(QList<QRect>, placed);
    QFETCH(QList<QRect>, sources);
    QFETCH(int, left);
    QFETCH(int, right);
    const QImage target = Drawn(text, x, leftToRight, 4);
    const QImage& digits = Pictures::Digits();
    for (int i = 0; i < placed.size(); ++i) {
        QCOMPARE(target.copy(placed[i]), digits.copy(sources[i]));
    }
    QCOMPARE(target.pixel(left - 1, 15), kGround);
    QCOMPARE(target.pixel(right + 1, 15), kGround);
    QVERIFY(target.pixel(left, 15) != kGround);
}

void LedTextTest::meterLocaleIsTheSystemsOrUsEnglish() {
    const QLocale system = QLocale::system();
    const QLocale want =
        system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
    QCOMPARE(MeterPainter::MeterLocale(), want);
}

void LedTextTest::moneyTextKeepsTheCents_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("symbolDrawable");
    QTest::addColumn<QString>("want");
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("yen without cents as the locale writes it")
        << japan << 1000.0 << true << QStringLiteral("\uFFE51,000");
    QTest::newRow("yen keeps its cents")
        << japan << 1000.02 << true << QStringLiteral("\uFFE51,000.02");
    QTest::newRow("undrawable yen sign becomes the ISO code")
        << japan << 1000.02 << false << QStringLiteral("JPY 1,000.02");
    QTest::newRow("dollars without cents") << us << 1000.0 << true << QStringLiteral("$1,000.00");
    QTest::newRow("dollars with cents") << us << 1234.5 << true << QStringLiteral("$1,234.50");
}

void LedTextTest::moneyTextKeepsTheCents() {
    QFETCH(QLocale, locale);
    QFETCH(double, amount);
    QFETCH(bool, symbolDrawable);
    QFETCH(QString, want);
    QCOMPARE(MeterPainter::MoneyText(locale, amount, symbolDrawable), want);
}

QTEST_MAIN(LedTextTest)
#include "LedTextTest.moc"
