// SPDX-License-Identifier: MIT
#pragma once

#include "view/LayoutTable.h"

class QPainter;

namespace kelvory {

struct GameState;

// Draws the pay table on the window canvas: one cell (a row of one column,
// lit or unlit), the column headings, and the cells a full paint shows.
namespace PayTablePainter {
void DrawPayRow(QPainter& painter, const GameState& state, const LayoutValues& values, int row,
                bool lit, int column);
// "1 Coin" and "2 Coins" in the 128 and 192 layouts.
void DrawHeadings(QPainter& painter, const LayoutValues& values);
// The sixteen cells a paint draws, by the stake in play.
void DrawAllRows(QPainter& painter, const GameState& state, const LayoutValues& values);
} // namespace PayTablePainter

} // namespace kelvory
