// SPDX-License-Identifier: MIT
#include "store/MoneyText.h"

#include <algorithm>
#include <charconv>

namespace kelvory {

namespace {

constexpr std::size_t kMinFieldWidth = 10;

// Leading blanks, an optional sign and the decimal digits after it; the rest
// does not count.
struct WholePart {
    bool negative = false;
    double magnitude = 0;
};

WholePart ReadWholePart(std::string_view text) {
    WholePart part;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        part.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        part.magnitude = part.magnitude * 10 + (text[i] - '0');
    }
    return part;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : "0.00";
    if (text.size() < kMinFieldWidth) {
        text.insert(0, kMinFieldWidth - text.size(), ' ');
    }
    text.resize(std::min(text.size(), kMaxMoneyTextLength));
    return TrimBlanks(text);
}

double ParseMoney(std::string_view text) {
    const std::size_t point = text.find('.');
    const WholePart whole = ReadWholePart(text.substr(0, point));
    if (point == std::string_view::npos) {
        return whole.negative ? -whole.magnitude : whole.magnitude;
    }
    // One digit after the point is tenths, two are hundredths.
    const std::string_view after = text.substr(point + 1);
    int hundredths = 0;
    if (!after.empty() && IsDigit(after[0])) {
        hundredths = (after[0] - '0') * 10;
        if (after.size() > 1 && IsDigit(after[1])) {
            hundredths += after[1] - '0';
        }
    }
    // Whole hundredths divided once: the nearest double to the decimal text.
    const double magnitude = (whole.magnitude * 100 + hundredths) / 100;
    return whole.negative ? -magnitude : magnitude;
}

} // namespace kelvory
