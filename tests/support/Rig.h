// SPDX-License-Identifier: MIT
#pragma once

#include "game/Reels.h"
#include "game/WinRules.h"
#include "tests/support/FakeWorld.h"

#include <optional>

namespace kelvory::test {

// An engine on a virtual clock with its state and fake world.
struct Rig {
    GameState state;
    FakeWorld world;
    SlotEngine engine{state, world.World()};

    Rig() { world.engine = &engine; }

    // Resting positions whose window, staked with `stake`, gives a result
    // accepted by `wanted`.
    template <typename Predicate> static std::array<int, 3> FindStops(int stake, Predicate wanted) {
        GameState probe;
        for (int k1 = 0; k1 < 40; ++k1) {
            for (int k2 = 0; k2 < 40; ++k2) {
                for (int k3 = 0; k3 < 40; ++k3) {
                    probe.ReelStops = {2 * k1, 2 * k2, 2 * k3};
                    probe.VisibleCells = Reels::EvaluateWindow(probe.ReelStops);
                    if (wanted(WinRules::Evaluate(probe.VisibleCells, kPayValues, stake))) {
                        return probe.ReelStops;
                    }
                }
            }
        }
        return {-1, -1, -1};
    }

    void NextSpinRestsAt(const std::array<int, 3>& stops) {
        world.RestAt(stops[0], stops[1], stops[2]);
    }
    void NextSpinLoses() {
        NextSpinRestsAt(FindStops(1, [](const WinResult& r) { return r.Amount == 0; }));
    }
    // A spin that wins `amount` with a stake of `stake`.
    void NextSpinWins(int stake, int amount) {
        NextSpinRestsAt(
            FindStops(stake, [amount](const WinResult& r) { return r.Amount == amount; }));
    }
};

} // namespace kelvory::test
