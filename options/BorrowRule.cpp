// SPDX-License-Identifier: MIT
#include "options/BorrowRule.h"
#include "game/GameState.h"

#include <cmath>
#include <cstdio>

namespace kelvory {

std::int64_t BorrowRule::ToCents(double amount) {
    return static_cast<std::int64_t>(std::llround(amount * 100.0));
}

BorrowRule::Result BorrowRule::Apply(GameState& state, int chip, bool borrow) {
    const std::int64_t amount = kChips.at(static_cast<std::size_t>(chip)).Cents;
    const std::int64_t credits = ToCents(state.Credits);
    const std::int64_t borrowed = ToCents(state.Borrowed);
    if (borrow) {
        state.Credits = static_cast<double>(credits + amount) / 100.0;
        state.Borrowed = static_cast<double>(borrowed + amount) / 100.0;
        return Result::Done;
    }
    if (credits < amount) {
        return Result::ShortCredits;
    }
    if (borrowed < amount) {
        return Result::ShortDebt;
    }
    state.Credits = static_cast<double>(credits - amount) / 100.0;
    state.Borrowed = static_cast<double>(borrowed - amount) / 100.0;
    return Result::Done;
}

std::string BorrowRule::Message(int chip, Result result) {
    switch (result) {
    case Result::ShortCredits:
        return kChips.at(static_cast<std::size_t>(chip)).ShortCreditsMessage;
    case Result::ShortDebt:
        return kShortDebtMessage;
    case Result::Done:
        break;
    }
    return {};
}

std::string BorrowRule::FormatTotal(double amount) {
    const double rounded = static_cast<double>(ToCents(amount)) / 100.0;
    char text[64];
    std::snprintf(text, sizeof text, "%10.2f", rounded == 0.0 ? 0.0 : rounded);
    return text;
}

} // namespace kelvory
