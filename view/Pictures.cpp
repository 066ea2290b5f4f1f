#include "Pictures.h"

#include "LedDigitsArt.h"
#include "SymbolArt.h"

#include <QPainter>

namespace kelvory {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

// Blue triangle pointing right on cyan, the red payline through its middle.
QImage LeftArrow() {
    QImage image(16, 31, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 140), 1.0));
    painter.setBrush(QColor(0, 0, 255));
    const QPointF triangle[3] = {{1.5, 2.5}, {14.5, 15.5}, {1.5, 28.5}};
    painter.drawPolygon(triangle, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 15, 16, 1), QColor(255, 0, 0));
    return image;
}
} // namespace

const QImage& Pictures::Digits() {
    static const QImage digits = LedDigitsArt::Draw();
    return digits;
}

const QImage& Pictures::larrow() {
    static const QImage arrow = LeftArrow();
    return arrow;
}

const QImage& Pictures::rarrow() {
    static const QImage arrow = LeftArrow().mirrored(true, false);
    return arrow;
}

const QImage& Pictures::Image1() {
    static const QImage icons = SymbolArt::Icons(32, kWhite);
    return icons;
}

const QImage& Pictures::Image2() {
    static const QImage icons = SymbolArt::Icons(32, kYellow);
    return icons;
}

const QImage& Pictures::Image3() {
    static const QImage icons = SymbolArt::Icons(48, kWhite);
    return icons;
}

const QImage& Pictures::Image4() {
    static const QImage icons = SymbolArt::Icons(48, kYellow);
    return icons;
}

const QImage& Pictures::BetOneGlyph() {
    static const QImage glyph =
        SymbolArt::Render(QStringLiteral("coin1"), {33, 25}, Qt::transparent);
    return glyph;
}

const QImage& Pictures::BetTwoGlyph() {
    static const QImage glyph =
        SymbolArt::Render(QStringLiteral("coin2"), {33, 25}, Qt::transparent);
    return glyph;
}

const QImage& Pictures::SpinGlyph() {
    static const QImage glyph =
        SymbolArt::Render(QStringLiteral("machine"), {41, 42}, Qt::transparent);
    return glyph;
}

} // namespace kelvory
