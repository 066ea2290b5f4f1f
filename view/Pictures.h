#pragma once

#include <QImage>

namespace kelvory {

// The pictures the program carries in itself: payline arrows, pay-table icons,
// LED digits, button glyphs. Each is made once, on first use.
class Pictures {
  public:
    static const QImage& Digits(); // 188 x 147, LED digits in seven colours
    static const QImage& larrow(); // 16 x 31, left payline arrow
    static const QImage& rarrow(); // 16 x 31, right payline arrow
    static const QImage& Image1(); // 96 x 64, 32-pixel icons on white
    static const QImage& Image2(); // 96 x 64, 32-pixel icons on yellow
    static const QImage& Image3(); // 144 x 96, 48-pixel icons on white
    static const QImage& Image4(); // 144 x 96, 48-pixel icons on yellow

    // Button glyphs, transparent around the picture.
    static const QImage& BetOneGlyph(); // 33 x 25, one coin seen edge-on
    static const QImage& BetTwoGlyph(); // 33 x 25, two stacked coins
    static const QImage& SpinGlyph();   // 41 x 42, a small slot machine
};

} // namespace kelvory
