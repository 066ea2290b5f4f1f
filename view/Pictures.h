#pragma once

#include <QImage>

namespace kelvory {

// The pictures the program carries in itself: payline arrows, pay-table icons,
// LED digits, button glyphs. Made once, on first use.
class Pictures {
  public:
    static const QImage& Digits(); // 188 x 147, LED digits in seven colours
};

} // namespace kelvory
