// SPDX-License-Identifier: MIT
#include "game/ParSheet.h"

#include "game/Reels.h"
#include "game/WinRules.h"

#include <cmath>
#include <map>

namespace kelvory {

namespace {

// Every resting window: each reel rests at one of its 40 cells.
template <typename Visit> void ForEachWindow(Visit visit) {
    for (int k1 = 0; k1 < Reels::kCells; ++k1) {
        for (int k2 = 0; k2 < Reels::kCells; ++k2) {
            for (int k3 = 0; k3 < Reels::kCells; ++k3) {
                visit(VisibleCellGrid{Reels::WindowAt(0, 2 * k1), Reels::WindowAt(1, 2 * k2),
                                      Reels::WindowAt(2, 2 * k3)});
            }
        }
    }
}

ParSheet::Stake BuildStake(int stake) {
    ParSheet::Stake odds;
    odds.stake = stake;
    std::map<std::int32_t, std::int64_t> pays;
    std::int64_t sumOfSquares = 0;
    ForEachWindow([&](const VisibleCellGrid& cells) {
        const WinResult result = WinRules::Evaluate(cells, kPayValues, stake);
        ++odds.windows;
        ++pays[result.Amount];
        if (result.Amount == 0) {
            return;
        }
        ++odds.wins;
        odds.paid += result.Amount;
        sumOfSquares += std::int64_t{result.Amount} * result.Amount;
        ++odds.rows[result.Row].count;
        odds.rows[result.Row].paid += result.Amount;
        if (result.Amount >= ParSheet::kBigWin) {
            ++odds.bigWins;
        }
    });

    const double windows = static_cast<double>(odds.windows);
    for (const auto& [amount, count] : pays) {
        odds.pays.push_back({amount, count});
    }
    for (ParSheet::Stake::Row& row : odds.rows) {
        row.probability = static_cast<double>(row.count) / windows;
        row.oneIn = row.count == 0 ? 0.0 : windows / static_cast<double>(row.count);
        row.returnShare = static_cast<double>(row.paid) / static_cast<double>(odds.paid);
    }
    odds.hitFrequency = static_cast<double>(odds.wins) / windows;
    odds.meanPay = static_cast<double>(odds.paid) / windows;
    odds.returnToPlayer = odds.meanPay / stake;
    // Exact in integers: windows^2 * variance = windows * sum(pay^2) - (sum pay)^2.
    const std::int64_t scaledVariance = odds.windows * sumOfSquares - odds.paid * odds.paid;
    odds.payVariance = static_cast<double>(scaledVariance) / (windows * windows);
    odds.payStdDev = std::sqrt(odds.payVariance);
    odds.bigWinProbability = static_cast<double>(odds.bigWins) / windows;
    return odds;
}

} // namespace

ParSheet ParSheet::Build() {
    ParSheet sheet;
    sheet.stakes = {BuildStake(1), BuildStake(2)};
    return sheet;
}

} // namespace kelvory
