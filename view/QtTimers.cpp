// SPDX-License-Identifier: MIT
#include "view/QtTimers.h"

#include "game/SlotEngine.h"

namespace kelvory {

QtTimers::QtTimers(std::function<void()> flashWinningRow, std::function<void()> autoSpinDue) {
    FlashTimer.setInterval(SlotEngine::kFlashIntervalMs);
    AutoSpinTimer.setInterval(SlotEngine::kAutoSpinDelayMs);
    AutoSpinTimer.setSingleShot(true);
    QObject::connect(&FlashTimer, &QTimer::timeout, std::move(flashWinningRow));
    QObject::connect(&AutoSpinTimer, &QTimer::timeout, std::move(autoSpinDue));
}

void QtTimers::SetFlashing(bool on) {
    if (on) {
        FlashTimer.start();
    } else {
        FlashTimer.stop();
    }
}

void QtTimers::StartAutoSpinTimer() {
    AutoSpinTimer.start();
}

void QtTimers::StopAll() {
    AutoSpinTimer.stop();
    FlashTimer.stop();
}

} // namespace kelvory
