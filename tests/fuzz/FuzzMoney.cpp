// SPDX-License-Identifier: MIT
// Fuzz target for the money and integer texts: no input may crash them, and
// every value read is written back as a text that reads the same.
#include "store/IntegerText.h"
#include "store/MoneyText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Below this every cent value is an exact count of hundredths in a double.
constexpr double kExactLimit = 1e13;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double money = kelvory::ParseMoney(text.substr(0, kelvory::kMaxMoneyTextLength));
    Check(!std::isnan(money));
    if (std::fabs(money) < kExactLimit) {
        const std::string written = kelvory::FormatMoney(money);
        Check(kelvory::ParseMoney(written) == money);
    }
    (void)kelvory::ParseMoney(text);

    // A stored balance is held to what the meters show and reads back as
    // written.
    const double balance = kelvory::ParseBalance(text);
    Check(balance >= 0 && balance * 100 <= static_cast<double>(kelvory::kMaxBalanceCents));
    Check(kelvory::ParseBalance(kelvory::FormatMoney(balance)) == balance);

    if (size >= sizeof(double)) {
        double any = 0;
        std::memcpy(&any, data, sizeof any);
        const std::string written = kelvory::FormatMoney(any);
        Check(written.size() <= kelvory::kMaxMoneyTextLength);
        Check(written.find(' ') == std::string::npos);
    }

    const std::int32_t number = kelvory::ParseInteger(text, -7);
    if (number != -7) {
        Check(kelvory::ParseInteger(std::to_string(number), 0) == number);
    }
    (void)kelvory::TrimBlanks(text);
    return 0;
}
