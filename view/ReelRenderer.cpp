// SPDX-License-Identifier: MIT
#include "view/ReelRenderer.h"

#include <algorithm>
#include <cstring>

namespace kelvory {

namespace {
constexpr QRgb kPaylineRed = 0xffff0000;

int CodeAt(std::string_view strip, int cell) {
    const int count = static_cast<int>(strip.size());
    return strip[static_cast<std::size_t>(cell % count)] - '0';
}
} // namespace

void ReelRenderer::CopyPixels(QImage& target, QPoint at, const QImage& source, QRect from) {
    if (target.isNull() || source.isNull() || target.depth() != 32 || source.depth() != 32) {
        return;
    }
    // Clip the source rectangle to the source, then to the target.
    const QRect clipped = from.intersected(source.rect());
    QPoint to = at + (clipped.topLeft() - from.topLeft());
    QRect dest = QRect(to, clipped.size()).intersected(target.rect());
    if (dest.isEmpty()) {
        return;
    }
    const QPoint src = clipped.topLeft() + (dest.topLeft() - to);
    const std::size_t bytes = static_cast<std::size_t>(dest.width()) * 4;
    // One detach of the target, then plain row strides: scanLine() per row
    // would check for sharing on every row.
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = target.bytesPerLine();
    const uchar* in = source.constBits() + src.y() * inStride + src.x() * 4;
    uchar* out = target.bits() + dest.y() * outStride + dest.x() * 4;
    for (int y = 0; y < dest.height(); ++y, in += inStride, out += outStride) {
        std::memcpy(out, in, bytes);
    }
}

ReelRenderer::Tiles ReelRenderer::TilesAt(int cellSize, std::string_view strip, int position) {
    Tiles tiles;
    if (strip.empty()) {
        return tiles;
    }
    const int c = cellSize;
    const int h = c / 2;
    int cell = position / 2;
    auto tile = [&](int y, int tileTop, int height) {
        const QPoint origin = TileOrigin(CodeAt(strip, cell), c);
        tiles.copies[static_cast<std::size_t>(tiles.count++)] = {
            QRect(origin.x(), origin.y() + tileTop, c - 1, height), y};
        ++cell;
    };
    if (position % 2 == 0) {
        tile(0, 0, c);
        tile(c, 0, c);
        tile(2 * c, 0, c);
    } else {
        tile(0, h, h);
        tile(h, 0, c);
        tile(c + h, 0, c);
        tile(2 * c + h, 0, h - 1);
    }
    return tiles;
}

void ReelRenderer::DrawReel(QImage& reelImage, const QImage& sheet, int cellSize,
                            std::string_view strip, int position, QRect payline) {
    if (reelImage.isNull() || reelImage.depth() != 32 || strip.empty()) {
        return;
    }
    const Tiles tiles = TilesAt(cellSize, strip, position);
    for (int i = 0; i < tiles.count; ++i) {
        const TileCopy& copy = tiles.copies[static_cast<std::size_t>(i)];
        CopyPixels(reelImage, QPoint(0, copy.y), sheet, copy.from);
    }
    // The reel's own piece of the payline, x 0 to c - 2.
    if (payline.isNull()) {
        payline = DefaultPayline(cellSize);
    }
    payline = payline.intersected(reelImage.rect());
    for (int y = payline.top(); y <= payline.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(reelImage.scanLine(y));
        std::fill(line + payline.left(), line + payline.right() + 1, kPaylineRed);
    }
}

} // namespace kelvory
