// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// The engine's two timers. The engine starts and stops them; when one fires,
// its owner calls the matching engine handler: FlashWinningRow every
// SlotEngine::kFlashIntervalMs while the winning row flashes, AutoSpinDue
// once, SlotEngine::kAutoSpinDelayMs after a spin ended with auto-spin on.
class Timers {
  public:
    virtual ~Timers() = default;
    // Starts or stops the repeating flash timer of the winning pay-table row.
    virtual void SetFlashing(bool on) = 0;
    // Arms the one-shot auto-spin timer.
    virtual void StartAutoSpinTimer() = 0;
};

} // namespace kelvory
