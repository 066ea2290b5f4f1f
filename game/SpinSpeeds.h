// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace kelvory {

// One choice of the Speed menu: its caption, the milliseconds between spin
// ticks and how many ticks apart the spin sound plays.
struct SpinSpeed {
    const char* Caption;
    int TickMs;
    int SpinSoundPeriod;
};

// The Speed menu from top to bottom; the menu, its check marks and the engine
// all read this table.
inline constexpr std::array<SpinSpeed, 4> kSpinSpeeds{{
    {"&Very Fast", 10, 5},
    {"&Fast", 25, 4},
    {"&Medium", 40, 3},
    {"&Slow", 55, 2},
}};

} // namespace kelvory
