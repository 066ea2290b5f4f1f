// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace kelvory {

// Draws the LED digit picture: seven colour rows of 21 pixels (blue, cyan,
// green, magenta, red, white, yellow) on black; in each row the seven-segment
// digits 0 to 9 in 16-pixel cells, a black cell at x 160, the decimal point
// at x 176 and a colon right of it. Another scale draws the same picture for
// that many physical pixels to each of its points (device pixel ratio =
// scale).
namespace LedDigitsArt {
QImage Draw(qreal scale = 1);
} // namespace LedDigitsArt

} // namespace kelvory
