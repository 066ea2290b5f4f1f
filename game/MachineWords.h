// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <string>

namespace kelvory {

// The machine in words, for screen readers: symbol names as the help uses
// them, a reel's three cells, and the sentence that tells a spin's result.
namespace MachineWords {
// "clover", "seven", "triple bar", "double bar", "single bar" or "blank".
std::string SymbolName(int symbol);
// "Reel 1: single bar above, seven on the payline, blank below"; reel from 0.
std::string ReelText(int reel, const ReelWindow& cells);
// "Reel 1: spinning"; reel from 0.
std::string SpinningReelText(int reel);
// The payline and the win: "Single bar, single bar, clover on the payline.
// You win 4 credits." or "Seven, blank, seven on the payline. No win."
std::string ResultSentence(const VisibleCellGrid& cells, int winAmount);
// "1 credit", "4 credits".
std::string Credits(int count);
// What a pay-table row pays for: "Three sevens".
std::string PayRowName(int row);
} // namespace MachineWords

} // namespace kelvory
