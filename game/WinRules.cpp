// SPDX-License-Identifier: MIT
#include "game/WinRules.h"

#include <algorithm>

namespace kelvory {

namespace {

bool IsBar(int code) {
    return code == TripleBar || code == DoubleBar || code == SingleBar;
}

// The rules in the order Evaluate tries them. The first eight are the rows of
// the pay table; both clover-reel rules share the last row.
enum Rule : int {
    PaylineClovers,
    CloverOnEveryReel,
    Sevens,
    TripleBars,
    DoubleBars,
    SingleBars,
    MixedBars,
    TwoCloverReels,
    OneCloverReel,
};

constexpr std::int32_t RowOfRule(int rule) {
    return rule == OneCloverReel ? kCloverRow : rule;
}
static_assert(RowOfRule(TwoCloverReels) == kCloverRow && RowOfRule(OneCloverReel) == kCloverRow);
static_assert(OneCloverReel + 1 == kWinRuleCount);

} // namespace

WinResult WinRules::Evaluate(const VisibleCellGrid& cells, const PayValueTable& payValues,
                             int lastBet) {
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
        rule = PaylineClovers;
    } else if (cloverReels == 3) {
        rule = CloverOnEveryReel;
    } else if (every([](int c) { return c == Seven; })) {
        rule = Sevens;
    } else if (every([](int c) { return c == TripleBar; })) {
        rule = TripleBars;
    } else if (every([](int c) { return c == DoubleBar; })) {
        rule = DoubleBars;
    } else if (every([](int c) { return c == SingleBar; })) {
        rule = SingleBars;
    } else if (every(IsBar)) {
        rule = MixedBars;
    } else if (cloverReels == 2) {
        rule = TwoCloverReels;
    } else if (cloverReels == 1) {
        rule = OneCloverReel;
    }
    std::int32_t amount = rule < 0 ? 0 : payValues[static_cast<std::size_t>(rule)];
    if (amount == 0) {
        return result;
    }

    result.Row = RowOfRule(rule);
    // Two clover reels are stored as 4 but pay 2: the clover row promises the
    // stake back once per clover reel. The table keeps its 4 as it always had.
    if (rule == TwoCloverReels) {
        amount = 2 * payValues[OneCloverReel];
    }
    if (result.Row >= kFirstMultipliedRow) {
        if (paylineClovers >= 2) {
            amount *= 4;
            result.Multiplier = 4;
        } else if (paylineClovers == 1) {
            amount *= 2;
            result.Multiplier = 2;
        }
    }
    result.Amount = PayForStake(amount, result.Row, lastBet);
    return result;
}

std::int32_t WinRules::PayForStake(std::int32_t pay, int row, int stake) {
    if (stake != 2) {
        return pay;
    }
    // The top prize pays four times, not twice, on two coins: the reward for
    // playing the full stake.
    return row == kTopRow ? pay * 4 : pay * 2;
}

std::int32_t WinRules::RowPay(const PayValueTable& payValues, int row, int stake) {
    return PayForStake(payValues[static_cast<std::size_t>(row)], row, stake);
}

std::int32_t WinRules::TopPrize(const PayValueTable& payValues, int stake) {
    return RowPay(payValues, kTopRow, stake);
}

} // namespace kelvory
