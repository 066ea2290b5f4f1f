// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvory {

// Money values as the profile file stores them: fixed point, two decimals,
// always "." as the decimal point. A stored money text is read from at most
// this many characters.
inline constexpr std::size_t kMaxMoneyTextLength = 30;

// The largest balance the game keeps, in cents. "$999,999,999.99" is the
// widest amount the credit meter shows between its "Credits:" label and its
// right end (creditsLabel, creditsAmount in the layouts); one digit more runs
// over the label in the two smaller layouts. The borrow dialog's "%10.2f" LED
// totals grow past ten characters from the dialog's edges and have room for
// its twelve.
inline constexpr std::int64_t kMaxBalanceCents = 99'999'999'999;

// 1000 gives "1000.00", 0.1 gives "0.10"; no blanks, no thousands separators.
// The value is rounded to whole cents, which are written exactly; a value
// beyond the range ParseMoney reads is written as that range's end.
std::string FormatMoney(double value);

// Reads a money text; never fails. The whole part is read with its sign, the
// first one or two digits after the first "." are the fraction ("12.5" is
// 12.50, "12.05" is 12.05, "12.345" is 12.34). Leading blanks are skipped,
// anything after the digits is ignored, and a part without digits counts 0.
// The value is read as whole cents; a whole part beyond 10^16 reads as 10^16.
double ParseMoney(std::string_view text);

// A stored balance (credits, debt): read from at most kMaxMoneyTextLength
// characters and held within 0 .. kMaxBalanceCents.
double ParseBalance(std::string_view text);

// Removes blanks (the space character only) at the start and the end.
std::string TrimBlanks(std::string_view text);

} // namespace kelvory
