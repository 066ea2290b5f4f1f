// SPDX-License-Identifier: MIT
#include "store/MoneyText.h"

#include <algorithm>
#include <cmath>

namespace kelvory {

namespace {

// Whole parts are read up to this limit, so that their cents stay far inside
// 64 bits.
constexpr std::int64_t kMaxWhole = 10'000'000'000'000'000;
constexpr std::int64_t kMaxCents = kMaxWhole * 100;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Leading blanks, an optional sign and the decimal digits after it, then the
// first one or two digits after the first "."; the rest does not count.
std::int64_t ParseCents(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::size_t i = 0;
    while (i < whole.size() && whole[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < whole.size() && (whole[i] == '-' || whole[i] == '+')) {
        negative = whole[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    for (; i < whole.size() && IsDigit(whole[i]); ++i) {
        magnitude = std::min(magnitude * 10 + (whole[i] - '0'), kMaxWhole);
    }
    std::int64_t cents = magnitude * 100;
    if (point != std::string_view::npos) {
        // One digit after the point is tenths, two are hundredths.
        const std::string_view after = text.substr(point + 1);
        if (!after.empty() && IsDigit(after[0])) {
            cents += (after[0] - '0') * 10;
            if (after.size() > 1 && IsDigit(after[1])) {
                cents += after[1] - '0';
            }
        }
    }
    return negative ? -cents : cents;
}

std::string FormatCents(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::int64_t magnitude = negative ? -cents : cents;
    std::string text = std::to_string(magnitude / 100);
    const auto fraction = static_cast<char>(magnitude % 100);
    text.push_back('.');
    text.push_back(static_cast<char>('0' + fraction / 10));
    text.push_back(static_cast<char>('0' + fraction % 10));
    return negative ? "-" + text : text;
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string FormatMoney(double value) {
    if (std::isnan(value)) {
        return FormatCents(0);
    }
    // Whole and fraction apart: value * 100 would round away the cents of a
    // large value.
    const double held =
        std::clamp(value, -static_cast<double>(kMaxWhole), static_cast<double>(kMaxWhole));
    const double whole = std::trunc(held);
    const double fraction = held - whole;
    return FormatCents(static_cast<std::int64_t>(whole) * 100 + std::llround(fraction * 100));
}

double ParseMoney(std::string_view text) {
    // Whole cents divided once: below 2^53 cents, the nearest double to the
    // decimal text.
    return static_cast<double>(ParseCents(text)) / 100;
}

double ParseBalance(std::string_view text) {
    const std::int64_t cents = ParseCents(text.substr(0, kMaxMoneyTextLength));
    return static_cast<double>(std::clamp<std::int64_t>(cents, 0, kMaxBalanceCents)) / 100;
}

} // namespace kelvory
