// SPDX-License-Identifier: MIT
#pragma once

#include "game/WinRules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kelvory {

// The game's exact odds (a PAR sheet) for both stakes, from every equally
// likely resting window of the reels evaluated with the game's own rules.
struct ParSheet {
    static constexpr int kBigWin = 100;
    // The numbers of spins the reports give the net result's range after.
    static constexpr std::array<int, 4> kRangeSpins{10, 100, 1000, 10000};
    // What each pay-table row wins for, as the reports name it.
    static constexpr std::array<const char*, kPayRows> kRowNames{
        "Three clovers on the payline",
        "A clover on every reel",
        "Three sevens",
        "Three triple bars",
        "Three double bars",
        "Three single bars",
        "Any three bars",
        "Clovers on one or two reels",
    };

    // The odds of one stake.
    struct Stake {
        // One pay-table row.
        struct Row {
            std::int64_t count = 0; // windows that win this row
            std::int64_t paid = 0;  // credits those windows pay together
            double probability = 0; // count / windows
            double oneIn = 0;       // windows / count, 0 when the row never wins
            double returnShare = 0; // paid / everything paid
        };
        // One amount a spin can pay (0 is a loss).
        struct Pay {
            std::int32_t amount = 0;
            std::int64_t count = 0;
        };
        int stake = 0;
        std::int64_t windows = 0;
        std::int64_t wins = 0;
        std::int64_t paid = 0;
        std::array<Row, kPayRows> rows{};
        std::vector<Pay> pays;        // every distinct amount, ascending, 0 first
        double hitFrequency = 0;      // wins / windows
        double returnToPlayer = 0;    // paid / staked
        double meanPay = 0;           // credits one spin pays on average
        double payVariance = 0;       // variance of one spin's pay
        double payStdDev = 0;         // its square root: the volatility
        std::int64_t bigWins = 0;     // windows that pay at least kBigWin
        double bigWinProbability = 0; // bigWins / windows
    };

    std::array<Stake, 2> stakes{}; // index 0: one credit, 1: two credits

    // Enumerates the 40 x 40 x 40 resting windows with Reels and WinRules.
    static ParSheet Build();
    // The odds of a stake of 1 or 2 credits.
    const Stake& ForStake(int stake) const { return stakes[stake == 2 ? 1 : 0]; }
};

} // namespace kelvory
