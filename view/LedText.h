// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

class QPainter;

namespace kelvory {

// Writes a number in LED digits copied from the Digits picture (188 x 147:
// seven colour rows of 21 pixels; digit d at x = 16 d, the point at x = 176,
// a black cell at (160, 42)), in logical pixels whatever scale it was drawn
// at: pass Pictures::Digits(Pictures::RatioOf(painter)) for sharp digits on a
// HiDPI screen.
namespace LedText {
// Colour rows of the Digits picture.
enum Colour { Blue = 0, Cyan, Green, Magenta, Red, White, Yellow };

// Left-to-right: x is the left edge of the first glyph. Right-to-left: x is
// the left edge of the last glyph and the text grows leftwards. A "." or ","
// is a 4-pixel point, a space a black cell, anything else a digit (non-digits
// show as 0).
void DrawLedText(QPainter& target, const QImage& digits, const QString& text, int x, int y,
                 bool leftToRight, int row);
} // namespace LedText

} // namespace kelvory
