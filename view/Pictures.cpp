#include "Pictures.h"

#include <QPainter>

namespace kelvory {

const QImage& Pictures::Digits() {
    static const QImage digits = [] {
        QImage image(188, 147, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        const QColor colours[7] = {Qt::blue, Qt::cyan, Qt::green, Qt::magenta,
                                   Qt::red,  Qt::white, Qt::yellow};
        for (int row = 0; row < 7; ++row) {
            p.setPen(colours[row]);
            for (int d = 0; d < 10; ++d) {
                p.drawText(QRect(16 * d, 21 * row, 15, 20), Qt::AlignCenter, QString::number(d));
            }
            p.fillRect(QRect(177, 21 * row + 16, 2, 2), colours[row]);
        }
        return image;
    }();
    return digits;
}

} // namespace kelvory
