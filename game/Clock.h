// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace kelvory {

// Time as the engine sees it: a monotonic millisecond clock (fractions allowed)
// and the time of day, which re-seeds the random generator at every spin.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double NowMs() = 0;
    virtual std::uint32_t MsSinceMidnightUtc() = 0;
};

} // namespace kelvory
