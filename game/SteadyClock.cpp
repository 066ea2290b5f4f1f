// SPDX-License-Identifier: MIT
#include "game/SteadyClock.h"

#include <chrono>

namespace kelvory {

double SteadyClock::NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

std::uint32_t SteadyClock::MsSinceMidnightUtc() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}

} // namespace kelvory
