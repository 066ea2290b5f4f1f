// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kelvory {

// Renders the vector artwork built into the program (the SVG sources under
// assets/artwork/svg) into pictures: reel tiles, the reel symbol sheets,
// the pay-table icons and the button glyphs.
namespace SymbolArt {
// Renders ":/artwork/<name>.svg" into an image of the size given, over the
// ground colour (transparent for glyphs). A missing source gives the bare
// ground.
QImage Render(const QString& name, QSize size, const QColor& ground);

// Source name of a reel symbol code; empty for the blank and unused codes.
QString ReelSymbol(int code);

// A 3 x 3 grid of reel tiles of cellSize pixels: code v at tile column
// v mod 3, row v div 3; the blank is the bottom-right tile.
QImage Sheet(int cellSize);
// The same grid from the sources in a folder ("<folder>clover.svg" and so
// on, folder ending in "/"); a null image when one is missing or invalid.
QImage SheetFromFolder(int cellSize, const QString& folder);
// The file names of the reel symbols' sources.
QStringList ReelSourceFiles();

// Pay-table icons in tiles of iconSize pixels, three to a row: clover,
// seven, triple bar / double bar, single bar, "Any" over a bar.
QImage Icons(int iconSize, const QColor& ground);
} // namespace SymbolArt

} // namespace kelvory
