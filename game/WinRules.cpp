// SPDX-License-Identifier: MIT
#include "game/WinRules.h"

#include <algorithm>

namespace kelvory {

namespace {

bool IsBar(int code) {
    return code == TripleBar || code == DoubleBar || code == SingleBar;
}

// The pay-table row of each rule in the order Evaluate tries them: both
// clover-reel rules share the last row.
constexpr std::array<std::int32_t, 9> kRowOfRule{0, 1, 2, 3, 4, 5, 6, 7, 7};
constexpr std::int32_t kJackpot = 2500;
constexpr std::int32_t kJackpotOnTwoCoins = 10000;

} // namespace

WinResult WinRules::Evaluate(const VisibleCellGrid& cells,
                             const std::array<std::int32_t, 9>& payValues, int lastBet) {
    std::array<bool, 3> cloverReel{};
    std::array<int, 3> payline{};
    for (int r = 0; r < 3; ++r) {
        cloverReel[r] = std::find(cells[r].begin(), cells[r].end(), Clover) != cells[r].end();
        payline[r] = cells[r][1];
    }
    const auto every = [&](auto matches) {
        for (int r = 0; r < 3; ++r) {
            if (!cloverReel[r] && !matches(payline[r])) {
                return false;
            }
        }
        return true;
    };
    const int cloverReels =
        static_cast<int>(std::count(cloverReel.begin(), cloverReel.end(), true));
    const int paylineClovers = static_cast<int>(std::count(payline.begin(), payline.end(), Clover));

    WinResult result;
    int rule = -1;
    if (paylineClovers == 3) {
        rule = 0;
    } else if (cloverReels == 3) {
        rule = 1;
    } else if (every([](int c) { return c == Seven; })) {
        rule = 2;
    } else if (every([](int c) { return c == TripleBar; })) {
        rule = 3;
    } else if (every([](int c) { return c == DoubleBar; })) {
        rule = 4;
    } else if (every([](int c) { return c == SingleBar; })) {
        rule = 5;
    } else if (every(IsBar)) {
        rule = 6;
    } else if (cloverReels >= 2) {
        rule = 7;
    } else if (cloverReels == 1) {
        rule = 8;
    }
    std::int32_t amount = rule < 0 ? 0 : payValues[static_cast<std::size_t>(rule)];
    if (amount == 0) {
        return result;
    }

    result.Row = kRowOfRule[static_cast<std::size_t>(rule)];
    // Two clover reels are stored as 4 but pay 2: the last row promises the
    // stake back once per clover reel. The table keeps its 4 as it always had.
    if (amount == 4) {
        amount = 2;
    }
    if (amount >= 1 && amount <= 249) {
        if (paylineClovers >= 2) {
            amount *= 4;
            result.Multiplier = 4;
        } else if (paylineClovers == 1) {
            amount *= 2;
            result.Multiplier = 2;
        }
    }
    result.Amount = PayForStake(amount, lastBet);
    return result;
}

std::int32_t WinRules::PayForStake(std::int32_t pay, int stake) {
    if (stake != 2) {
        return pay;
    }
    // The jackpot pays four times, not twice, on two coins: the reward for
    // playing the full stake.
    return pay == kJackpot ? kJackpotOnTwoCoins : pay * 2;
}

std::int32_t WinRules::TopPrize(const std::array<std::int32_t, 9>& payValues, int stake) {
    return PayForStake(payValues[0], stake);
}

} // namespace kelvory
