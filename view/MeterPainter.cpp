#include "MeterPainter.h"

#include "CanvasText.h"

#include <QLocale>
#include <QPainter>

namespace kelvory {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

struct MeterPlace {
    QRect cleared;
    int points;
    bool bold;
    QPoint label;
    QPoint amount; // right end (credits) or left (winnings), and top
};

MeterPlace CreditsPlace(int cellSize) {
    if (cellSize == 192) {
        return {QRect(QPoint(700, 0), QPoint(839, 27)), 12, true, {630, 4}, {832, 4}};
    }
    if (cellSize == 128) {
        return {QRect(QPoint(400, 3), QPoint(629, 19)), 10, false, {470, 3}, {616, 3}};
    }
    return {QRect(QPoint(400, 0), QPoint(494, 19)), 10, false, {350, 0}, {492, 0}};
}

MeterPlace WinningsPlace(int cellSize, int reelLeft) {
    const int left = reelLeft - 25;
    if (cellSize == 192) {
        return {QRect(QPoint(left, 0), QPoint(599, 27)),
                12,
                true,
                {reelLeft - 20, 4},
                {reelLeft + 90, 4}};
    }
    const int top = cellSize == 128 ? 3 : 0;
    return {QRect(QPoint(left, 0), QPoint(349, 19)),
            10,
            false,
            {reelLeft - 20, top},
            {reelLeft + 50, top}};
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

void MeterPainter::ShowCredits(QPainter& painter, int cellSize, double amount,
                               const QColor& background) {
    const MeterPlace place = CreditsPlace(cellSize);
    painter.save();
    painter.fillRect(place.cleared, background);
    painter.setFont(CanvasText::WindowFont(place.points, place.bold));
    CanvasText::DrawAt(painter, place.label.x(), place.label.y(), QStringLiteral("Credits:"),
                       kBlack);
    CanvasText::DrawRightAligned(painter, place.amount.x(), place.amount.y(), MoneyText(amount),
                                 kRed);
    painter.restore();
}

void MeterPainter::ShowWinnings(QPainter& painter, int cellSize, int reelLeft, bool visible,
                                double amount, const QColor& background) {
    const MeterPlace place = WinningsPlace(cellSize, reelLeft);
    painter.save();
    if (place.cleared.isValid()) {
        painter.fillRect(place.cleared, background);
    }
    if (visible) {
        painter.setFont(CanvasText::WindowFont(place.points, place.bold));
        CanvasText::DrawAt(painter, place.label.x(), place.label.y(), QStringLiteral("Winnings:"),
                           kBlack);
        CanvasText::DrawAt(painter, place.amount.x(), place.amount.y(), MoneyText(amount), kRed);
    }
    painter.restore();
}

} // namespace kelvory
