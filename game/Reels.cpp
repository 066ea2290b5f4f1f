// SPDX-License-Identifier: MIT
#include "game/Reels.h"

namespace kelvory {

int Reels::CellAt(int reel, int cell) {
    const int wrapped = ((cell % kCells) + kCells) % kCells;
    return kStrips[reel][wrapped] - '0';
}

ReelWindow Reels::WindowAt(int reel, int position) {
    const int k = position / 2;
    return {CellAt(reel, k), CellAt(reel, k + 1), CellAt(reel, k + 2)};
}

VisibleCellGrid Reels::EvaluateWindow(const std::array<std::int32_t, 3>& stops) {
    VisibleCellGrid cells{};
    for (int reel = 0; reel < 3; ++reel) {
        cells[reel] = WindowAt(reel, stops[reel]);
    }
    return cells;
}

} // namespace kelvory
