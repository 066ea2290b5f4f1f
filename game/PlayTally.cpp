// SPDX-License-Identifier: MIT
#include "game/PlayTally.h"

#include <algorithm>
#include <numeric>

namespace kelvory {

std::int64_t PlayTally::WinCount() const {
    return std::accumulate(Wins.begin(), Wins.end(), std::int64_t{0});
}

void PlayTally::AddSpin(int stake, int amount, int row) {
    ++Spins;
    Staked += stake;
    Paid += amount;
    if (amount > 0 && row >= 0 && row < static_cast<int>(Wins.size())) {
        ++Wins[static_cast<std::size_t>(row)];
        BiggestWin = std::max<std::int64_t>(BiggestWin, amount);
        LosingRun = 0;
        return;
    }
    ++LosingRun;
    LongestLosingRun = std::max(LongestLosingRun, LosingRun);
}

} // namespace kelvory
