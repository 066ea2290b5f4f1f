// SPDX-License-Identifier: MIT
// Ending a session: the close handler, a second close and termination signals.
// A close during a spin, its payout or a bet pause saves at once (the stake
// taken), lets them finish on screen and saves again before the window closes,
// so the win is kept; a second close or a signal finishes them without waiting.
// A save that fails shows its error, then the player may quit without saving
// (the file stays as it was) or keep playing.
#include "app/MainWindow.h"

#include "app/ModalCloser.h"
#include "app/dialogs/QuitWithoutSavingBox.h"
#include "options/SoundEvents.h"
#include "view/MachineReadout.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"

#include <QCloseEvent>

namespace kelvory {

void MainWindow::CreateEngine() {
    engine_ = std::make_unique<SlotEngine>(
        state_, SlotEngine::World{clock_, *pump_, *readout_, *sounds_, *this, timers_, *random_});
    engine_->AddReelsStoppedHandler([this] { readout_->ReelsStopped(); });
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
        if (!SaveSettings() && !terminating_ && !ConfirmQuitWithoutSaving()) {
            return; // the player keeps playing
        }
        closePending_ = true;
        // A long win or lose sound does not hold the close.
        sounds_->SetCutShort(true);
        pump_->Interrupt();
        return;
    }
    closePending_ = false;
    // A player who chose to quit unsaved during a spin is not asked again.
    if (!quitUnsaved_ && !SaveSettings() && !terminating_ && !ConfirmQuitWithoutSaving()) {
        sounds_->SetCutShort(false);
        event->ignore();
        return;
    }
    timers_.StopAll();
    event->accept();
}

bool MainWindow::ConfirmQuitWithoutSaving() {
    // A signal that closes the box ends the session all the same.
    quitUnsaved_ = QuitWithoutSavingBox::Ask(this) || terminating_;
    return quitUnsaved_;
}

void MainWindow::Terminate() {
    if (!terminating_) {
        terminating_ = true;
        modalCloser_ = new ModalCloser(this);
    }
    modalCloser_->CloseAll();
    if (!started_) {
        return; // a start-up box was up; the constructor calls again once done
    }
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
