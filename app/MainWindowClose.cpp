// SPDX-License-Identifier: MIT
// Ending a session: the close handler, a second close and termination signals.
// A close during a spin, its payout or a bet pause saves at once (the stake
// taken), lets them finish on screen and saves again before the window closes,
// so the win is kept; a second close or a signal finishes them without waiting.
#include "app/MainWindow.h"

#include "app/ModalCloser.h"
#include "options/SoundEvents.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"

#include <QCloseEvent>

namespace kelvory {

void MainWindow::CreateEngine() {
    engine_ = std::make_unique<SlotEngine>(
        state_, SlotEngine::World{clock_, *pump_, *canvas_, *sounds_, *this, timers_, *random_});
    engine_->SetIdleHandler([this] {
        if (closePending_) {
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        }
    });
}

void MainWindow::Settle() {
    engine_->Settle();
    sounds_->SetCutShort(true);
    pump_->Interrupt();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (engine_->Busy()) {
        event->ignore();
        if (closePending_) {
            Settle();
            return;
        }
        if (!SaveSettings() && !terminating_) {
            return; // the error was shown; the close is abandoned
        }
        closePending_ = true;
        // A long win or lose sound does not hold the close.
        sounds_->SetCutShort(true);
        pump_->Interrupt();
        return;
    }
    closePending_ = false;
    if (!SaveSettings() && !terminating_) {
        sounds_->SetCutShort(false);
        event->ignore();
        return;
    }
    timers_.StopAll();
    event->accept();
}

void MainWindow::Terminate() {
    if (!terminating_) {
        terminating_ = true;
        modalCloser_ = new ModalCloser(this);
    }
    modalCloser_->CloseAll();
    if (engine_->Busy() && !closePending_) {
        // Saved now, so that a kill that follows keeps the game with its stake.
        SaveSettings();
        closePending_ = true;
    }
    // Also when the engine is idle: a sound played to its end outside a spin
    // (the sound dialog's preview) would hold the exit for its whole length.
    Settle();
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

} // namespace kelvory
