// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace kelvory {

// The pictures the program carries in itself: payline arrows, pay-table icons,
// LED digits, button glyphs. Each is made once per device pixel ratio, on
// first use, and kept for the run (the last few ratios). Sizes below are in
// logical pixels; for a ratio other than 1 a picture is drawn for the
// physical pixels (its size times the ratio, rounded up) and carries that
// device pixel ratio, so that it stays sharp at any scale.
namespace Pictures {
const QImage& Digits(qreal ratio = 1);            // 188 x 147, LED digits in seven colours
const QImage& LeftPaylineArrow(qreal ratio = 1);  // 16 x 31, left payline arrow
const QImage& RightPaylineArrow(qreal ratio = 1); // 16 x 31, right payline arrow
const QImage& SmallPayIcons(qreal ratio = 1);     // 96 x 64, 32-pixel icons on white
const QImage& SmallPayIconsLit(qreal ratio = 1);  // 96 x 64, 32-pixel icons on yellow
const QImage& LargePayIcons(qreal ratio = 1);     // 144 x 96, 48-pixel icons on white
const QImage& LargePayIconsLit(qreal ratio = 1);  // 144 x 96, 48-pixel icons on yellow

// Button glyphs, transparent around the picture.
const QImage& BetOneGlyph(qreal ratio = 1); // 33 x 25, one coin seen edge-on
const QImage& BetTwoGlyph(qreal ratio = 1); // 33 x 25, two stacked coins
const QImage& SpinGlyph(qreal ratio = 1);   // 41 x 42, a small slot machine

// The device pixel ratio of what a painter paints on.
qreal RatioOf(const QPainter& painter);
// Draws the part of a picture given in logical pixels at a logical point,
// whatever scale the picture was drawn at.
void Blit(QPainter& painter, QPoint at, const QImage& picture, const QRect& source);
} // namespace Pictures

} // namespace kelvory
