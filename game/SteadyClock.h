// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"

namespace kelvory {

// The real clock: std::chrono's steady clock and the system's time of day.
class SteadyClock : public Clock {
  public:
    double NowMs() override;
    std::uint32_t MsSinceMidnightUtc() override;
};

} // namespace kelvory
