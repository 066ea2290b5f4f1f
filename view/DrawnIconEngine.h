// SPDX-License-Identifier: MIT
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <functional>
#include <map>
#include <utility>

namespace kelvory {

// An icon drawn by the program for the physical pixels it is shown at: a
// button at any scale asks for its size times the device pixel ratio, and
// the picture is drawn at that ratio (once per size and mode, then kept)
// instead of a fixed bitmap being resampled.
class DrawnIconEngine : public QIconEngine {
  public:
    // Draws the picture for a device pixel ratio: logicalSize times the
    // ratio in pixels.
    using Draw = std::function<QImage(qreal ratio)>;

    DrawnIconEngine(QSize logicalSize, Draw draw);

    // An icon of its own engine.
    static QIcon Icon(QSize logicalSize, Draw draw);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

  private:
    QSize logicalSize_;
    Draw draw_;
    std::map<std::pair<qint64, int>, QPixmap> drawn_;
};

} // namespace kelvory
