#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <string_view>

namespace kelvory {

// Composes one reel off screen: the tiles of the symbol sheet for the cells a
// reel position shows, and the reel's red piece of the payline.
class ReelRenderer {
  public:
    // Paints the reel image (cellSize wide, 3 x cellSize tall) for a position
    // 0..79 of a 40-cell strip. An odd position is half a cell further on.
    // Does nothing to a null image; a null or short sheet leaves its part
    // undrawn.
    static void DrawReel(QImage& reelImage, const QImage& sheet, int cellSize,
                         std::string_view strip, int position);

    // Copies a block of pixels one to one, clipped to both images. Both
    // images must have the same 32-bit format.
    static void CopyPixels(QImage& target, QPoint at, const QImage& source, QRect from);

    // Where the tile of a symbol code lies in the symbol sheet.
    static QPoint TileOrigin(int code, int cellSize) {
        return {(code % 3) * cellSize, (code / 3) * cellSize};
    }
};

} // namespace kelvory
