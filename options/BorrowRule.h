// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvory {

struct GameState;

// Borrowing credits from the house and paying them back in chip amounts. Money
// moves in whole cents, so that many small moves never drift: the totals are
// read as a whole number of cents, changed, and stored back as cents / 100.
namespace BorrowRule {
enum class Result { Done, ShortCredits, ShortDebt };

struct Chip {
    std::int64_t Cents;
    const char* ShortCreditsMessage;
};

inline constexpr int kChipCount = 6;
inline constexpr std::array<Chip, kChipCount> kChips{{
    {100000, "You do not have 1000 credits!"},
    {10000, "You do not have 100 credits!"},
    {1000, "You do not have 10 credits!"},
    {100, "You do not have 1 credit!"},
    {10, "You do not have 0.10 credits!"},
    {1, "You do not have 0.01 credits!"},
}};
inline constexpr const char* kShortDebtMessage =
    "You cannot pay back more credits than you have borrowed!";

// Borrows (borrow true) or pays back the amount of chip 0..5 (1000 down
// to 0.01). Paying back needs at least the amount in credits, then at
// least the amount in debt; a refusal changes nothing.
Result Apply(GameState& state, int chip, bool borrow);

// The message for a refusal, "" for Done.
std::string Message(int chip, Result result);

// A money value as a whole number of cents, rounded to the nearest.
std::int64_t ToCents(double amount);

// The text the dialog shows for a total: ten characters, two decimals,
// padded on the left; never a minus zero.
std::string FormatTotal(double amount);
} // namespace BorrowRule

} // namespace kelvory
