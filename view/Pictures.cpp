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

// The physical pixels of a logical length at a device pixel ratio.
int Physical(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

// Blue triangle pointing right on cyan, the red payline through its middle;
// mirrored, the right arrow. Mirrored in logical pixels, so that both fill
// their 16 x 31 places alike whatever the ratio rounds to.
QImage PaylineArrow(qreal ratio, bool mirrored) {
    QImage image(Physical(16, ratio), Physical(31, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0, 255, 255));
    QPainter painter(&image);
    if (mirrored) {
        painter.translate(16, 0);
        painter.scale(-1, 1);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 140), 1.0));
    painter.setBrush(QColor(0, 0, 255));
    const QPointF triangle[3] = {{1.5, 2.5}, {14.5, 15.5}, {1.5, 28.5}};
    painter.drawPolygon(triangle, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 15, 16, 1), QColor(255, 0, 0));
    return image;
}

QImage Scaled(QImage image, qreal ratio) {
    image.setDevicePixelRatio(ratio);
    return image;
}

// One picture per ratio, made on first use. A window resized by the player
// passes through many ratios: only the last few are kept, besides ratio 1.
template <typename Make>
const QImage& Cached(std::map<int, QImage>& cache, qreal ratio, Make make) {
    constexpr int kKept = 4;
    const int key = qRound(std::clamp(ratio, 0.25, 8.0) * 1000);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > kKept) {
            std::erase_if(cache, [](const auto& entry) { return entry.first != 1000; });
        }
        it = cache.emplace(key, make(key / 1000.0)).first;
    }
    return it->second;
}

QImage Glyph(const char* name, QSize size, qreal ratio) {
    const QSize physical(Physical(size.width(), ratio), Physical(size.height(), ratio));
    return Scaled(SymbolArt::Render(QLatin1String(name), physical, Qt::transparent), ratio);
}

QImage Icons(int iconSize, const QColor& ground, qreal ratio) {
    return Scaled(SymbolArt::Icons(Physical(iconSize, ratio), ground), ratio);
}
} // namespace

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
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          std::abs(RatioOf(painter) - scale) > 1e-3);
    painter.drawImage(QRectF(at, source.size()), picture,
                      QRectF(source.x() * scale, source.y() * scale, source.width() * scale,
                             source.height() * scale));
    painter.restore();
}

const QImage& Pictures::Digits(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return LedDigitsArt::Draw(scale); });
}

const QImage& Pictures::LeftPaylineArrow(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return PaylineArrow(scale, false); });
}

const QImage& Pictures::RightPaylineArrow(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return PaylineArrow(scale, true); });
}

const QImage& Pictures::SmallPayIcons(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Icons(32, kWhite, scale); });
}

const QImage& Pictures::SmallPayIconsLit(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Icons(32, kYellow, scale); });
}

const QImage& Pictures::LargePayIcons(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Icons(48, kWhite, scale); });
}

const QImage& Pictures::LargePayIconsLit(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Icons(48, kYellow, scale); });
}

const QImage& Pictures::BetOneGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Glyph("coin1", {33, 25}, scale); });
}

const QImage& Pictures::BetTwoGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Glyph("coin2", {33, 25}, scale); });
}

const QImage& Pictures::SpinGlyph(qreal ratio) {
    static std::map<int, QImage> cache;
    return Cached(cache, ratio, [](qreal scale) { return Glyph("machine", {41, 42}, scale); });
}

} // namespace kelvory
