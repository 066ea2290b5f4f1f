// SPDX-License-Identifier: MIT
#include "view/LedDigitsArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kelvory {

namespace {
// Segments a to g: top, top right, bottom right, bottom, bottom left, top
// left, middle.
constexpr unsigned char kSegments[10] = {
    0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f,
};

constexpr double kLeft = 2.5;
constexpr double kRight = 12.0;
constexpr double kTop = 2.0;
constexpr double kMiddle = 10.0;
constexpr double kBottom = 18.0;
constexpr double kThick = 2.6;
constexpr double kGap = 0.6;

// A bevelled bar between two points on one axis.
QPainterPath Segment(QPointF from, QPointF to) {
    const double h = kThick / 2;
    QPainterPath path;
    if (from.y() == to.y()) {
        const double x1 = from.x() + kGap;
        const double x2 = to.x() - kGap;
        const double y = from.y();
        path.moveTo(x1, y);
        path.lineTo(x1 + h, y - h);
        path.lineTo(x2 - h, y - h);
        path.lineTo(x2, y);
        path.lineTo(x2 - h, y + h);
        path.lineTo(x1 + h, y + h);
    } else {
        const double y1 = from.y() + kGap;
        const double y2 = to.y() - kGap;
        const double x = from.x();
        path.moveTo(x, y1);
        path.lineTo(x + h, y1 + h);
        path.lineTo(x + h, y2 - h);
        path.lineTo(x, y2);
        path.lineTo(x - h, y2 - h);
        path.lineTo(x - h, y1 + h);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Digit(int d) {
    const QPointF tl(kLeft, kTop), tr(kRight, kTop), ml(kLeft, kMiddle), mr(kRight, kMiddle),
        bl(kLeft, kBottom), br(kRight, kBottom);
    const QPainterPath segments[7] = {Segment(tl, tr), Segment(tr, mr), Segment(mr, br),
                                      Segment(bl, br), Segment(ml, bl), Segment(tl, ml),
                                      Segment(ml, mr)};
    QPainterPath path;
    for (int s = 0; s < 7; ++s) {
        if (kSegments[d] & (1u << s)) {
            path.addPath(segments[s]);
        }
    }
    return path;
}
} // namespace

QImage LedDigitsArt::Draw(qreal scale) {
    QImage image(static_cast<int>(std::ceil(188 * scale - 1e-6)),
                 static_cast<int>(std::ceil(147 * scale - 1e-6)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor colours[7] = {QColor(0, 0, 255),   QColor(0, 255, 255), QColor(0, 255, 0),
                               QColor(255, 0, 255), QColor(255, 0, 0),   QColor(255, 255, 255),
                               QColor(255, 255, 0)};
    // A slight forward lean, as on a real LED display.
    QTransform lean;
    lean.translate(0, kMiddle);
    lean.shear(-0.08, 0);
    lean.translate(0, -kMiddle);
    for (int row = 0; row < 7; ++row) {
        painter.setBrush(colours[row]);
        const int top = 21 * row;
        for (int d = 0; d < 10; ++d) {
            painter.save();
            painter.translate(16 * d, top);
            painter.setClipRect(QRect(0, 0, 15, 20));
            painter.setTransform(lean, true);
            painter.drawPath(Digit(d));
            painter.restore();
        }
        painter.save();
        painter.setClipRect(QRect(176, top, 4, 20));
        painter.drawEllipse(QPointF(177.6, top + 17.2), 1.5, 1.5);
        painter.restore();
        painter.drawEllipse(QPointF(183.5, top + 6.5), 1.5, 1.5);
        painter.drawEllipse(QPointF(183.5, top + 14.0), 1.5, 1.5);
    }
    return image;
}

} // namespace kelvory
