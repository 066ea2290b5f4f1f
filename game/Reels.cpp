// SPDX-License-Identifier: MIT
#include "Reels.h"

namespace kelvory {

int Reels::CellAt(int reel, int cell) {
    const int wrapped = ((cell % kCells) + kCells) % kCells;
    return kStrips[reel][wrapped] - '0';
}

ReelWindow Reels::WindowAt(int reel, int position) {
    const int k = position / 2;
    return {CellAt(reel, k), CellAt(reel, k + 1), CellAt(reel, k + 2)};
}

void Reels::EvaluateWindow(GameState& state) {
    for (int reel = 0; reel < 3; ++reel) {
        state.VisibleCells[reel] = WindowAt(reel, state.ReelStops[reel]);
    }
}

} // namespace kelvory
