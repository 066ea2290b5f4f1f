// SPDX-License-Identifier: MIT
#include "view/CanvasText.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvory {

void CanvasText::DrawAt(QPainter& painter, int left, int top, const QString& text,
                        const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
}

void CanvasText::DrawOpaqueAt(QPainter& painter, int left, int top, const QString& text,
                              const QColor& colour, const QColor& background) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(left, top, metrics.horizontalAdvance(text), metrics.height()),
                     background);
    DrawAt(painter, left, top, text, colour);
}

void CanvasText::DrawCentred(QPainter& painter, int centre, int top, const QString& text,
                             const QColor& colour) {
    const int width = painter.fontMetrics().horizontalAdvance(text);
    DrawAt(painter, centre - width / 2, top, text, colour);
}

void CanvasText::DrawRightAligned(QPainter& painter, int right, int top, const QString& text,
                                  const QColor& colour) {
    const int width = painter.fontMetrics().horizontalAdvance(text);
    DrawAt(painter, right - width, top, text, colour);
}

} // namespace kelvory
