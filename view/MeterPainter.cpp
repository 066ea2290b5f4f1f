// SPDX-License-Identifier: MIT
#include "view/MeterPainter.h"

#include "view/CanvasText.h"
#include "view/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace kelvory {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Writes a label on a freshly cleared box of its own: antialiased text drawn
// over itself would darken and smear its edges a little more each time.
void DrawLabel(QPainter& painter, QPoint at, const QString& text, const QColor& background) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())),
                     background);
    CanvasText::DrawAt(painter, at.x(), at.y(), text, kBlack);
}

bool HasCents(double amount) {
    return std::isfinite(amount) && std::fmod(std::round(std::fabs(amount) * 100.0), 100.0) != 0.0;
}

// A letter code written against the number ("JPY1,000") gets a space from it.
QString SpacedFromDigits(QString text, const QString& code) {
    const qsizetype at = code.isEmpty() ? -1 : text.indexOf(code);
    if (at < 0) {
        return text;
    }
    const qsizetype after = at + code.size();
    if (after < text.size() && text.at(after).isDigit()) {
        text.insert(after, QLatin1Char(' '));
    }
    if (at > 0 && text.at(at - 1).isDigit()) {
        text.insert(at, QLatin1Char(' '));
    }
    return text;
}

QString MeterMoneyText(const QPainter& painter, double amount) {
    const QLocale& locale = MeterPainter::MeterLocale();
    return MeterPainter::MoneyText(locale, amount,
                                   MeterPainter::CurrencySymbolDrawable(locale, painter.font()));
}
} // namespace

const QLocale& MeterPainter::MeterLocale() {
    static const QLocale locale = [] {
        const QLocale system = QLocale::system();
        if (system.language() == QLocale::C) {
            return QLocale(QLocale::English, QLocale::UnitedStates);
        }
        return system;
    }();
    return locale;
}

QString MeterPainter::MoneyText(const QLocale& locale, double amount, bool symbolDrawable) {
    // -1 keeps the currency's own decimals; a yen amount with cents needs two.
    const int decimals = HasCents(amount) ? 2 : -1;
    if (symbolDrawable) {
        return locale.toCurrencyString(amount, QString(), decimals);
    }
    const QString code = locale.currencySymbol(QLocale::CurrencyIsoCode);
    return SpacedFromDigits(locale.toCurrencyString(amount, code, decimals), code);
}

bool MeterPainter::CurrencySymbolDrawable(const QLocale& locale, const QFont& font) {
    const QFontMetrics metrics(font);
    const QString symbol = locale.currencySymbol();
    for (const char32_t ch : symbol.toUcs4()) {
        if (!metrics.inFontUcs4(ch)) {
            return false;
        }
    }
    return true;
}

void MeterPainter::ShowCredits(QPainter& painter, const LayoutValues& values, double amount,
                               const QColor& background) {
    painter.save();
    painter.fillRect(values.creditsCleared, background);
    painter.setFont(Fonts::Canvas(values.meterPoints, values.meterBold));
    DrawLabel(painter, values.creditsLabel, QStringLiteral("Credits:"), background);
    CanvasText::DrawRightAligned(painter, values.creditsAmount.x(), values.creditsAmount.y(),
                                 MeterMoneyText(painter, amount), kRed);
    painter.restore();
}

void MeterPainter::ShowWinnings(QPainter& painter, const LayoutValues& values, int reelLeft,
                                bool visible, double amount, const QColor& background) {
    const QRect cleared(QPoint(reelLeft - 25, 0),
                        QPoint(values.winningsRight - 1, values.winningsBottom - 1));
    painter.save();
    if (cleared.isValid()) {
        painter.fillRect(cleared, background);
    }
    if (visible) {
        const QPoint origin(reelLeft, 0);
        painter.setFont(Fonts::Canvas(values.meterPoints, values.meterBold));
        DrawLabel(painter, origin + values.winningsLabel, QStringLiteral("Winnings:"), background);
        const QPoint amountAt = origin + values.winningsAmount;
        CanvasText::DrawAt(painter, amountAt.x(), amountAt.y(), MeterMoneyText(painter, amount),
                           kRed);
    }
    painter.restore();
}

} // namespace kelvory
