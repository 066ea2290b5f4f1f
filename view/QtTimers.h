// SPDX-License-Identifier: MIT
#pragma once

#include "game/Timers.h"

#include <QTimer>

#include <functional>

namespace kelvory {

// The engine's timers on the Qt event loop. Each timer calls the handler it
// was given when it fires; the owner stops both when the window closes.
class QtTimers : public Timers {
  public:
    QtTimers(std::function<void()> flashWinningRow, std::function<void()> autoSpinDue);

    void SetFlashing(bool on) override;
    void StartAutoSpinTimer() override;
    void StopAll();

    QTimer FlashTimer;    // repeats while the winning row flashes
    QTimer AutoSpinTimer; // one shot after a spin when auto-spin is on
};

} // namespace kelvory
