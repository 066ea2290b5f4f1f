// SPDX-License-Identifier: MIT
#include "view/QtTimers.h"

#include "game/SlotEngine.h"

namespace kelvory {

QtTimers::QtTimers(std::function<void()> flashTimeTimer, std::function<void()> autoSpinTimer) {
    FlashTime.setInterval(SlotEngine::kFlashIntervalMs);
    AutoSpin.setInterval(SlotEngine::kAutoSpinDelayMs);
    AutoSpin.setSingleShot(true);
    QObject::connect(&FlashTime, &QTimer::timeout, std::move(flashTimeTimer));
    QObject::connect(&AutoSpin, &QTimer::timeout, std::move(autoSpinTimer));
}

void QtTimers::SetFlashing(bool on) {
    if (on) {
        FlashTime.start();
    } else {
        FlashTime.stop();
    }
}

void QtTimers::StartAutoSpinTimer() {
    AutoSpin.start();
}

void QtTimers::StopAll() {
    AutoSpin.stop();
    FlashTime.stop();
}

} // namespace kelvory
