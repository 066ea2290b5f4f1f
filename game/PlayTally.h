// SPDX-License-Identifier: MIT
#pragma once

#include "game/WinRules.h"

#include <array>
#include <cstdint>

namespace kelvory {

// The player's counters over some stretch of play: all games ever played, or
// the current game.
struct PlayTally {
    std::int64_t Spins = 0;
    std::int64_t Staked = 0;
    std::int64_t Paid = 0;
    std::array<std::int64_t, kPayRows> Wins{}; // per pay-table row
    std::int64_t BiggestWin = 0;
    std::int64_t LongestLosingRun = 0; // most spins in a row without a win
    std::int64_t LosingRun = 0;        // spins without a win since the last win
    std::int64_t PlayedMs = 0;

    std::int64_t Net() const { return Paid - Staked; }
    std::int64_t WinCount() const;
    // Spins with a stake of two credits (every stake is one or two credits).
    std::int64_t TwoCreditSpins() const { return Staked - Spins; }

    // Counts one finished spin; row is the pay-table row of a win, unused for a loss.
    void AddSpin(int stake, int amount, int row);

    bool operator==(const PlayTally&) const = default;
};

} // namespace kelvory
