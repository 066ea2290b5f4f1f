// SPDX-License-Identifier: MIT
// Options and Borrow menus of the main window: the sound switches, the sound
// dialog and the borrow dialog.
#include "app/TSlots.h"

#include "options/SdlSoundPlayer.h"
#include "options/SoundEvents.h"
#include "options/TBorrowC.h"
#include "options/TSoundForm.h"
#include "view/ErrorBox.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"

namespace kelvory {

void TSlots::ConnectOptionsMenu() {
    const auto toggle = [this](QAction* action, bool GameState::*field) {
        connect(action, &QAction::triggered, this, [this, field] { ToggleSound(field); });
    };
    toggle(menu_.On1, &GameState::Sound);
    toggle(menu_.CoinSound1, &GameState::sndCoins);
    toggle(menu_.CreditSound1, &GameState::sndCredits);
    toggle(menu_.LoseSound1, &GameState::sndLose);
    toggle(menu_.SpinSound1, &GameState::sndSpin);
    toggle(menu_.StopSound1, &GameState::sndStop);
    toggle(menu_.WinSound1, &GameState::sndWin);
    connect(menu_.ChangeSounds1, &QAction::triggered, this, &TSlots::ChangeSounds1Click);
    connect(menu_.Borrow1, &QAction::triggered, this, &TSlots::Borrow1Click);
}

void TSlots::LoadSoundImages() {
    const std::string error = soundImages_.Load(ProgramDir_);
    // The game still starts: a sound that could not be read stays silent.
    if (!error.empty()) {
        ErrorBox::Show(this, QString::fromStdString(error));
    }
}

void TSlots::CreateSounds() {
    soundPlayer_ = std::make_unique<SdlSoundPlayer>();
    sounds_ =
        std::make_unique<SoundEvents>(GameState_, soundImages_, *soundPlayer_, clock_, *pump_);
}

void TSlots::ToggleSound(bool GameState::*field) {
    GameState_.*field = !(GameState_.*field);
    UpdateCheckMarks();
}

void TSlots::ChangeSounds1Click() {
    TSoundForm::Hooks hooks;
    hooks.PlayFile = [this](const std::string& path) { sounds_->PlayFileAndWait(path); };
    hooks.ShowHelp = [this](int context) { ShowHelp(context); };
    TSoundForm form(GameState_, ProgramDir_, std::move(hooks), this);
    form.exec();
}

void TSlots::Borrow1Click() {
    {
        TBorrowC form(
            GameState_, [this](int context) { ShowHelp(context); }, this);
        form.exec();
    }
    canvas_->RepaintAll();
}

} // namespace kelvory
