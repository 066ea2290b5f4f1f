// SPDX-License-Identifier: MIT
#include "game/MachineWords.h"

#include "game/WinRules.h"

#include <array>
#include <cctype>

namespace kelvory {

namespace {
constexpr int kPaylineCell = 1;

constexpr std::array<const char*, kPayRows> kPayRowNames{
    "Three clovers on the payline",
    "A clover on every reel, in any position",
    "Three sevens",
    "Three triple bars",
    "Three double bars",
    "Three single bars",
    "Any three bars, mixed",
    "Clovers on one or two reels, no line",
};

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}
} // namespace

std::string MachineWords::SymbolName(int symbol) {
    switch (symbol) {
    case Clover:
        return "clover";
    case Seven:
        return "seven";
    case TripleBar:
        return "triple bar";
    case DoubleBar:
        return "double bar";
    case SingleBar:
        return "single bar";
    case Blank:
        return "blank";
    default:
        return "unknown symbol"; // a strip holds no other codes
    }
}

std::string MachineWords::ReelText(int reel, const ReelWindow& cells) {
    return "Reel " + std::to_string(reel + 1) + ": " + SymbolName(cells[0]) + " above, " +
           SymbolName(cells[1]) + " on the payline, " + SymbolName(cells[2]) + " below";
}

std::string MachineWords::SpinningReelText(int reel) {
    return "Reel " + std::to_string(reel + 1) + ": spinning";
}

std::string MachineWords::ResultSentence(const VisibleCellGrid& cells, int winAmount) {
    const std::string payline = Capitalised(SymbolName(cells[0][kPaylineCell])) + ", " +
                                SymbolName(cells[1][kPaylineCell]) + ", " +
                                SymbolName(cells[2][kPaylineCell]) + " on the payline.";
    if (winAmount <= 0) {
        return payline + " No win.";
    }
    return payline + " You win " + Credits(winAmount) + ".";
}

std::string MachineWords::Credits(int count) {
    return std::to_string(count) + (count == 1 ? " credit" : " credits");
}

std::string MachineWords::PayRowName(int row) {
    if (row < 0 || row >= kPayRows) {
        return {};
    }
    return kPayRowNames[static_cast<std::size_t>(row)];
}

} // namespace kelvory
