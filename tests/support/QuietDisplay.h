// SPDX-License-Identifier: MIT
#pragma once

#include "game/Dialogs.h"
#include "game/Display.h"
#include "game/RandomSource.h"
#include "game/Sounds.h"
#include "game/Timers.h"

namespace kelvory::test {

// The engine's screen, dialogs, timers and random source, doing nothing: for tests of
// what the engine sets off elsewhere (its sounds).
class QuietDisplay : public Display, public Dialogs, public Timers, public RandomSource {
  public:
    void ShowCredits(double) override {}
    void ShowWinnings(bool, double) override {}
    void DrawPayRow(int, bool, int) override {}
    void DrawReels(const std::array<int, 3>&) override {}
    void DrawPayline() override {}
    void SetFlashing(bool) override {}
    void RepaintAll() override {}
    void ShowInformation(const std::string&) override {}
    void FocusSpinButton() override {}
    void StartAutoSpinTimer() override {}
    void Seed(std::uint32_t) override {}
    int Next(int) override { return 1; }
};

// Sounds that play nothing: with QuietDisplay, an engine that only spends time
// in its own loops and pauses (the benchmarks time it so).
class QuietSounds : public Sounds {
  public:
    void PlayStopSound() override {}
    void PlaySpinSound() override {}
    void PlayCoinSound() override {}
    void PlayCreditSound() override {}
    void PlayWinSound() override {}
    void PlayLoseSound() override {}
};

} // namespace kelvory::test
