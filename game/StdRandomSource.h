// SPDX-License-Identifier: MIT
#pragma once

#include "game/RandomSource.h"

#include <random>

namespace kelvory {

class StdRandomSource : public RandomSource {
  public:
    void Seed(std::uint32_t seed) override { engine_.seed(seed); }
    int Next(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

  private:
    std::mt19937 engine_{5489u};
};

} // namespace kelvory
