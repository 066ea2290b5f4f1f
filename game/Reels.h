// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <array>
#include <string_view>

namespace kelvory {

// The three constant reel strips: 40 cells each, blanks and symbols alternating.
// A reel position counts half cells (0..79); position p shows cell p / 2 at the top.
namespace Reels {
inline constexpr int kCells = 40;
inline constexpr int kPositions = 80;
inline constexpr std::array<std::string_view, 3> kStrips{
    "8483808482838481828384818284838284838481",
    "8384828482818483828084838284818384838482",
    "8481848384838482848183848380848182848382",
};

// Symbol code of a strip cell; the cell number wraps around the strip.
int CellAt(int reel, int cell);

// The three cells a resting reel at an even position shows.
ReelWindow WindowAt(int reel, int position);

// The cells the three reels show when they rest at these stops.
VisibleCellGrid EvaluateWindow(const std::array<std::int32_t, 3>& stops);

// One step back along the strip, wrapping from 0 to 79.
inline int StepBack(int position) {
    return position == 0 ? kPositions - 1 : position - 1;
}
} // namespace Reels

} // namespace kelvory
