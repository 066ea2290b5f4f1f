// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvory {

// Money values as the profile file stores them: fixed point, two decimals,
// always "." as the decimal point. A stored money text is read from at most
// this many characters.
inline constexpr std::size_t kMaxMoneyTextLength = 30;

// 1000 gives "1000.00", 0.1 gives "0.10"; no blanks, no thousands separators.
std::string FormatMoney(double value);

// Reads a money text; never fails. The whole part is read with its sign, the
// first one or two digits after the first "." are the fraction ("12.5" is
// 12.50, "12.05" is 12.05, "12.345" is 12.34). Leading blanks are skipped,
// anything after the digits is ignored, and a part without digits counts 0.
double ParseMoney(std::string_view text);

// Removes blanks (the space character only) at the start and the end.
std::string TrimBlanks(std::string_view text);

} // namespace kelvory
