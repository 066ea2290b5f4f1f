// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstdint>

namespace kelvory {

// The pay table: eight rows, the top prize first. A clover on the payline
// multiplies the wins of the rows from kFirstMultipliedRow down; the last row
// pays for clovers anywhere on the reels.
inline constexpr int kPayRows = 8;
inline constexpr int kTopRow = 0;
inline constexpr int kCloverOnEveryReelRow = 1;
inline constexpr int kFirstMultipliedRow = 2;
inline constexpr int kCloverRow = kPayRows - 1;

// What one resting window wins.
struct WinResult {
    std::int32_t Amount = 0;     // after all multipliers; 0 for a loss
    std::int32_t Row = -1;       // pay-table row, -1 for a loss
    std::uint8_t Multiplier = 0; // payline-clover multiplier: 0, 2 or 4
};

// The pay-table rules: wild clovers, payline-clover multipliers and the
// two-coin pay. Pure functions, used by the spin and by the whole-table check.
namespace WinRules {
WinResult Evaluate(const VisibleCellGrid& cells, const PayValueTable& payValues, int lastBet);
// A row's pay after the multipliers, for a stake of 1 or 2 coins.
std::int32_t PayForStake(std::int32_t pay, int row, int stake);
// What a row pays on a stake, as the pay table shows it (no clover
// multiplier; the clover row has no single figure).
std::int32_t RowPay(const PayValueTable& payValues, int row, int stake);
// What the top row (three payline clovers) pays on a stake.
std::int32_t TopPrize(const PayValueTable& payValues, int stake);
} // namespace WinRules

} // namespace kelvory
