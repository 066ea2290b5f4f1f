// SPDX-License-Identifier: MIT
#include "view/MeterPainter.h"

#include "view/CanvasText.h"
#include "view/Fonts.h"

#include <QLocale>
#include <QPainter>

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
} // namespace

QString MeterPainter::MoneyText(double amount) {
    static const QLocale locale = [] {
        const QLocale system = QLocale::system();
        if (system.language() == QLocale::C) {
            return QLocale(QLocale::English, QLocale::UnitedStates);
        }
        return system;
    }();
    return locale.toCurrencyString(amount);
}

void MeterPainter::ShowCredits(QPainter& painter, const LayoutValues& values, double amount,
                               const QColor& background) {
    painter.save();
    painter.fillRect(values.creditsCleared, background);
    painter.setFont(Fonts::Canvas(values.meterPoints, values.meterBold));
    DrawLabel(painter, values.creditsLabel, QStringLiteral("Credits:"), background);
    CanvasText::DrawRightAligned(painter, values.creditsAmount.x(), values.creditsAmount.y(),
                                 MoneyText(amount), kRed);
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
        CanvasText::DrawAt(painter, amountAt.x(), amountAt.y(), MoneyText(amount), kRed);
    }
    painter.restore();
}

} // namespace kelvory
