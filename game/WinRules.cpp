// SPDX-License-Identifier: MIT
#include "WinRules.h"

#include <algorithm>

namespace kelvory {

namespace {

bool IsBar(int code) {
    return code == TripleBar || code == DoubleBar || code == SingleBar;
}

int RowOfPay(std::int32_t pay) {
    switch (pay) {
    case 2500:
        return 0;
    case 250:
        return 1;
    case 50:
        return 2;
    case 20:
        return 3;
    case 10:
        return 4;
    case 5:
        return 5;
    case 2:
        return 6;
    default:
        return 7;
    }
}

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
    std::int32_t amount = 0;
    if (paylineClovers == 3) {
        amount = payValues[0];
    } else if (cloverReels == 3) {
        amount = payValues[1];
    } else if (every([](int c) { return c == Seven; })) {
        amount = payValues[2];
    } else if (every([](int c) { return c == TripleBar; })) {
        amount = payValues[3];
    } else if (every([](int c) { return c == DoubleBar; })) {
        amount = payValues[4];
    } else if (every([](int c) { return c == SingleBar; })) {
        amount = payValues[5];
    } else if (every(IsBar)) {
        amount = payValues[6];
    } else if (cloverReels >= 2) {
        amount = payValues[7];
    } else if (cloverReels == 1) {
        amount = payValues[8];
    }
    if (amount == 0) {
        return result;
    }

    result.Row = RowOfPay(amount);
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
    if (lastBet == 2) {
        amount = (amount == 2500) ? 10000 : amount * 2;
    }
    result.Amount = amount;
    return result;
}

} // namespace kelvory
