// SPDX-License-Identifier: MIT
#include "store/IntegerText.h"

namespace kelvory {

namespace {

constexpr std::size_t kMaxHexDigits = 8;

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Up to eight hex digits; the bit pattern is taken as a signed 32-bit value.
bool ReadHex(std::string_view digits, std::int32_t& value) {
    if (digits.empty() || digits.size() > kMaxHexDigits) {
        return false;
    }
    std::uint32_t bits = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return false;
        }
        bits = bits * 16 + static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ReadDecimal(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue) {
    std::int32_t value = 0;
    bool ok = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        ok = ReadHex(text.substr(2), value);
    } else if (!text.empty() && text[0] == '$') {
        ok = ReadHex(text.substr(1), value);
    } else {
        ok = ReadDecimal(text, value);
    }
    return ok ? value : defaultValue;
}

} // namespace kelvory
