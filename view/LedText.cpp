// SPDX-License-Identifier: MIT
#include "view/LedText.h"

#include "view/Pictures.h"

#include <QPainter>

namespace kelvory {

void LedText::DrawLedText(QPainter& target, const QImage& digits, const QString& text, int x, int y,
                          bool leftToRight, int row) {
    constexpr int kDigitWidth = 15;
    constexpr int kPointWidth = 4;
    constexpr int kHeight = 20;
    const int gy = 21 * row;
    const int count = static_cast<int>(text.size());
    for (int i = 0; i < count; ++i) {
        const QChar c = leftToRight ? text[i] : text[count - 1 - i];
        const bool point = c == QLatin1Char('.') || c == QLatin1Char(',');
        if (leftToRight) {
            if (point) {
                x += 15;
            } else if (i != 0) {
                x += 15;
            }
        } else {
            if (point) {
                x -= 4;
            } else if (i != 0) {
                x -= 15;
            }
        }
        QRect source;
        if (c == QLatin1Char(' ')) {
            source = QRect(160, 42, kDigitWidth, kHeight);
        } else if (point) {
            source = QRect(176, gy, kPointWidth, kHeight);
        } else {
            const int d = c.isDigit() ? c.digitValue() : 0;
            source = QRect(16 * d, gy, kDigitWidth, kHeight);
        }
        Pictures::Blit(target, QPoint(x, y), digits, source);
        if (leftToRight && point) {
            x -= 11;
        }
    }
}

} // namespace kelvory
