// SPDX-License-Identifier: MIT
#include "view/Pictures.h"

#include "view/LedDigitsArt.h"
#include "view/SymbolArt.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace kelvory {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

// Blue triangle pointing right on cyan, the red payline through its middle.
QImage LeftArrow(int scale) {
    QImage image(16 * scale, 31 * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
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

QImage Scaled(QImage image, int scale) {
    image.setDevicePixelRatio(scale);
    return image;
}

// One picture per scale, made on first use and kept for the run.
template <typename Make>
const QImage& Cached(std::map<int, QImage>& cache, qreal ratio, Make make) {
    const int scale = Pictures::ScaleFor(ratio);
    auto it = cache.find(scale);
    if (it == cache.end()) {
        it = cache.emplace(scale, make(scale)).first;
    }
    return it->second;
}

QImage Glyph(const char* name, QSize size, int scale) {
    return Scaled(SymbolArt::Render(QLatin1String(name), size * scale, Qt::transparent), scale);
}
} // namespace

int Pictures::ScaleFor(qreal ratio) {
    return std::clamp(static_cast<int>(std::ceil(ratio - 1e-6)), 1, 4);
}

qreal Pictures::RatioOf(const QPainter& painter) {
    return painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
}

void Pictures::Blit(QPainter& painter, QPoint at, const QImage& picture, const QRect& source) {
    const qreal scale = picture.devicePixelRatio();
    if (scale == 1.0) {
        painter.drawImage(at, picture, source);
        return;
    }
    painter.save();
    // A picture drawn for another scale than the target's is resampled smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, RatioOf(painter) != scale);
    painter.drawImage(QRectF(at, source.size()), picture,
                      QRectF(source.x() * scale, source.y() * scale, source.width() * scale,
                             source.height() * scale));
    painter.restore();
}

const QImage& Pictures::Digits(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](int scale) { return LedDigitsArt::Draw(scale); });
}

const QImage& Pictures::LeftPaylineArrow(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](int scale) { return LeftArrow(scale); });
}

const QImage& Pictures::RightPaylineArrow(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio,
                  [](int scale) { return Scaled(LeftArrow(scale).mirrored(true, false), scale); });
}

const QImage& Pictures::SmallPayIcons(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio,
                  [](int scale) { return Scaled(SymbolArt::Icons(32 * scale, kWhite), scale); });
}

const QImage& Pictures::SmallPayIconsLit(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio,
                  [](int scale) { return Scaled(SymbolArt::Icons(32 * scale, kYellow), scale); });
}

const QImage& Pictures::LargePayIcons(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio,
                  [](int scale) { return Scaled(SymbolArt::Icons(48 * scale, kWhite), scale); });
}

const QImage& Pictures::LargePayIconsLit(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio,
                  [](int scale) { return Scaled(SymbolArt::Icons(48 * scale, kYellow), scale); });
}

const QImage& Pictures::BetOneGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](int scale) { return Glyph("coin1", {33, 25}, scale); });
}

const QImage& Pictures::BetTwoGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](int scale) { return Glyph("coin2", {33, 25}, scale); });
}

const QImage& Pictures::SpinGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](int scale) { return Glyph("machine", {41, 42}, scale); });
}

} // namespace kelvory
