// SPDX-License-Identifier: MIT
#pragma once

#include "game/SpinSpeeds.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvory {

// Symbol codes of the reel cells.
enum Symbol : int {
    Clover = 0, // wild
    Seven = 1,
    TripleBar = 2,
    DoubleBar = 3,
    SingleBar = 4,
    Blank = 8,
};

// Visible cells per reel: top, payline, bottom.
using ReelWindow = std::array<std::int32_t, 3>;
using VisibleCellGrid = std::array<ReelWindow, 3>;

// The pay of each win rule, in the order the rules are tried (see WinRules):
// one per pay-table row, and the last row's two rules (two clover reels, one).
inline constexpr int kWinRuleCount = 9;
using PayValueTable = std::array<std::int32_t, kWinRuleCount>;
inline constexpr PayValueTable kPayValues{2500, 250, 50, 20, 10, 5, 2, 4, 1};
inline constexpr std::array<std::int32_t, 3> kStartReelStops{8, 20, 52};
inline constexpr double kStartCredits = 1000.0;
// The longest text kept: a sound path, or a saved game's name as typed.
inline constexpr int kMaxTextLength = 255;

// The one record of game state. Every part of the program reads and writes it
// directly; the main window owns it for the whole run.
struct GameState {
    double Credits = kStartCredits;
    double Borrowed = kStartCredits;
    std::int32_t Spins = 0;
    std::int32_t Speed = kSpinSpeeds[0].TickMs;
    std::uint8_t BetInPlay = 0;
    std::uint8_t LastBet = 0;
    bool Spinning = false;
    bool AutoSpinOn = false;

    bool Sound = true;
    bool sndCoins = true;
    bool sndCredits = true;
    bool sndSpin = false;
    bool sndStop = true;
    bool sndWin = true;
    bool sndLose = false;
    std::string WinSound;
    std::string LoseSound;

    // The win and lose sounds that come with the program, in its folder
    // (programDir ends in a slash).
    void RestoreDefaultSounds(const std::string& programDir) {
        WinSound = programDir + "KELVRY4.WAV";
        LoseSound = programDir + "KELVRY5.WAV";
    }

    PayValueTable PayValues = kPayValues;
    std::array<std::int32_t, 3> ReelStops = kStartReelStops;
    VisibleCellGrid VisibleCells{};
    std::int32_t WinAmount = 0;
    std::int32_t WinningRow = 0;
    // While the winning row flashes: whether it is drawn lit now.
    bool WinningRowLit = true;
    std::uint8_t CloverMultiplier = 0;
};

} // namespace kelvory
