// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstdint>

namespace kelvory {

// What one resting window wins.
struct WinResult {
    std::int32_t Amount = 0;     // after all multipliers; 0 for a loss
    std::int32_t Row = -1;       // pay-table row 0..7, -1 for a loss
    std::uint8_t Multiplier = 0; // payline-clover multiplier: 0, 2 or 4
};

// The pay-table rules: wild clovers, payline-clover multipliers and the
// two-coin pay. Pure functions, used by the spin and by the whole-table check.
namespace WinRules {
WinResult Evaluate(const VisibleCellGrid& cells, const std::array<std::int32_t, 9>& payValues,
                   int lastBet);
// A pay after the multipliers, for a stake of 1 or 2 coins.
std::int32_t PayForStake(std::int32_t pay, int stake);
// What the top row (three payline clovers) pays on a stake.
std::int32_t TopPrize(const std::array<std::int32_t, 9>& payValues, int stake);
} // namespace WinRules

} // namespace kelvory
