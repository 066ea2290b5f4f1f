// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>
#include <string_view>

namespace kelvory {

// Composes one reel off screen: the tiles of the symbol sheet for the cells a
// reel position shows, and the reel's red piece of the payline. Everything is
// in pixels of the images: on a HiDPI screen the sheet, the cell size and the
// payline rows are the physical ones.
namespace ReelRenderer {
// One tile copy of a reel picture: a rectangle of the sheet and the row of
// the reel picture its top goes to.
struct TileCopy {
    QRect from;
    int y = 0;
};
struct Tiles {
    std::array<TileCopy, 4> copies;
    int count = 0;
};

// The tile copies that make up a reel at a position 0..79 of a 40-cell
// strip: three whole tiles, or at an odd position (half a cell further
// on) the lower half of one, two whole and the upper part of a fourth.
// Each copy is cellSize - 1 wide.
Tiles TilesAt(int cellSize, std::string_view strip, int position);

// Paints the reel image (cellSize wide, 3 x cellSize tall) for a position
// and draws the payline rows over it (by default the one row through the
// middle cell). Does nothing to a null image; a null or short sheet leaves
// its part undrawn.
void DrawReel(QImage& reelImage, const QImage& sheet, int cellSize, std::string_view strip,
              int position, QRect payline = QRect());

// Where a reel's piece of the payline lies in a reel image of a cell size.
inline QRect DefaultPayline(int cellSize) {
    return {0, cellSize + cellSize / 2, cellSize - 1, 1};
}

// Copies a block of pixels one to one, clipped to both images. Both
// images must have the same 32-bit format.
void CopyPixels(QImage& target, QPoint at, const QImage& source, QRect from);

// Where the tile of a symbol code lies in the symbol sheet.
inline QPoint TileOrigin(int code, int cellSize) {
    return {(code % 3) * cellSize, (code / 3) * cellSize};
}
} // namespace ReelRenderer

} // namespace kelvory
