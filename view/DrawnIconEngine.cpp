// SPDX-License-Identifier: MIT
#include "view/DrawnIconEngine.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace kelvory {

namespace {
// Sizes kept per icon: a window resized by the player passes through many.
constexpr std::size_t kKept = 8;
} // namespace

DrawnIconEngine::DrawnIconEngine(QSize logicalSize, Draw draw)
    : logicalSize_(logicalSize), draw_(std::move(draw)) {}

QIcon DrawnIconEngine::Icon(QSize logicalSize, Draw draw) {
    return QIcon(new DrawnIconEngine(logicalSize, std::move(draw)));
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    if (size.isEmpty() || logicalSize_.isEmpty()) {
        return {};
    }
    const auto key = std::make_pair((qint64(size.width()) << 32) | size.height(), int(mode));
    if (const auto it = drawn_.find(key); it != drawn_.end()) {
        return it->second;
    }
    // The ratio at which the picture fits the size asked for.
    const qreal ratio = std::min(qreal(size.width()) / logicalSize_.width(),
                                 qreal(size.height()) / logicalSize_.height());
    QImage image = draw_(ratio);
    image.setDevicePixelRatio(1);
    if (image.size() != size) {
        // Rounding may leave a pixel over or short: pad or crop, never
        // resample.
        QImage exact(size, QImage::Format_ARGB32_Premultiplied);
        exact.fill(Qt::transparent);
        QPainter(&exact).drawImage(QPoint(0, 0), image);
        image = exact;
    }
    QPixmap drawn = QPixmap::fromImage(image);
    if (mode != QIcon::Normal && qApp != nullptr && QApplication::style() != nullptr) {
        QStyleOption option;
        drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }
    if (drawn_.size() >= kKept) {
        drawn_.clear();
    }
    drawn_.emplace(key, drawn);
    return drawn;
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    const QSize physical(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    painter->drawPixmap(rect, pixmap(physical, mode, state));
}

QSize DrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    return logicalSize_.scaled(size, Qt::KeepAspectRatio);
}

QIconEngine* DrawnIconEngine::clone() const {
    return new DrawnIconEngine(logicalSize_, draw_);
}

} // namespace kelvory
