// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace kelvory {

// Uniform random integers for the reels.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    // A uniform integer in 0..n-1.
    virtual int Next(int n) = 0;
};

} // namespace kelvory
