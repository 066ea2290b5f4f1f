// SPDX-License-Identifier: MIT
// Options and Borrow menus of the main window: the sound switches, the sound
// and volume dialogs, reduced motion, the borrow dialog, and the preferences
// the settings file keeps.
#include "app/MainWindow.h"

#include "app/dialogs/BorrowDialog.h"
#include "app/dialogs/ErrorBox.h"
#include "app/dialogs/SoundFilesDialog.h"
#include "app/dialogs/VolumeDialog.h"
#include "options/SdlSoundPlayer.h"
#include "options/SoundEvents.h"
#include "view/FullScreenSwitch.h"
#include "view/MachineReadout.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"

#include <algorithm>

namespace kelvory {

void MainWindow::ConnectOptionsMenu() {
    const auto toggle = [this](QAction* action, bool GameState::*field) {
        connect(action, &QAction::triggered, this, [this, field] { ToggleSound(field); });
    };
    toggle(menu_.SoundOnItem, &GameState::Sound);
    toggle(menu_.CoinSoundItem, &GameState::sndCoins);
    toggle(menu_.CreditSoundItem, &GameState::sndCredits);
    toggle(menu_.LoseSoundItem, &GameState::sndLose);
    toggle(menu_.SpinSoundItem, &GameState::sndSpin);
    toggle(menu_.StopSoundItem, &GameState::sndStop);
    toggle(menu_.WinSoundItem, &GameState::sndWin);
    connect(menu_.ChangeSoundsItem, &QAction::triggered, this, &MainWindow::ShowSoundFilesDialog);
    connect(menu_.VolumeItem, &QAction::triggered, this, &MainWindow::ShowVolumeDialog);
    connect(menu_.ReducedMotionItem, &QAction::toggled, this, &MainWindow::SetReducedMotion);
    connect(menu_.BorrowItem, &QAction::triggered, this, &MainWindow::ShowBorrowDialog);
}

void MainWindow::LoadSoundImages() {
    const std::string error = soundImages_.Load(programDir_);
    // The game still starts: a sound that could not be read stays silent.
    if (!error.empty()) {
        ErrorBox::Show(this, QString::fromStdString(error));
    }
}

void MainWindow::CreateSounds() {
    soundPlayer_ = std::make_unique<SdlSoundPlayer>();
    sounds_ = std::make_unique<SoundEvents>(state_, soundImages_, *soundPlayer_, clock_, *pump_);
}

void MainWindow::ToggleSound(bool GameState::*field) {
    state_.*field = !(state_.*field);
    UpdateCheckMarks();
}

void MainWindow::ShowSoundFilesDialog() {
    SoundFilesDialog::Hooks hooks;
    hooks.PlayFile = [this](const std::string& path) { sounds_->PlayFileAndWait(path); };
    hooks.ShowHelp = [this](HelpContext context) { ShowHelp(context); };
    SoundFilesDialog form(state_, programDir_, std::move(hooks), this);
    form.exec();
}

void MainWindow::ShowVolumeDialog() {
    VolumeDialog::Hooks hooks;
    hooks.SetVolume = [this](int percent) { SetVolume(percent); };
    hooks.PlayPreview = [this] { sounds_->PreviewCoinSound(); };
    VolumeDialog form(volumePercent_, std::move(hooks), this);
    form.exec();
}

void MainWindow::SetVolume(int percent) {
    volumePercent_ = std::clamp(percent, 0, PreferencesSection::kMaxVolume);
    sounds_->SetVolume(volumePercent_);
}

void MainWindow::SetReducedMotion(bool on) {
    engine_->SetWinningRowSteady(on);
    menu_.ReducedMotionItem->setChecked(on);
}

PreferencesSection::Preferences MainWindow::CurrentPreferences() const {
    PreferencesSection::Preferences preferences;
    preferences.FullScreen = fullScreen_->IsFullScreen();
    preferences.Volume = volumePercent_;
    preferences.ReducedMotion = menu_.ReducedMotionItem->isChecked();
    return preferences;
}

void MainWindow::ApplyPreferences(const PreferencesSection::Preferences& preferences) {
    SetVolume(preferences.Volume);
    SetReducedMotion(preferences.ReducedMotion);
    if (preferences.FullScreen) {
        fullScreen_->Set(true);
    }
}

void MainWindow::ShowBorrowDialog() {
    {
        BorrowDialog form(
            state_, [this](HelpContext context) { ShowHelp(context); }, this);
        connect(&form, &BorrowDialog::moneyMoved, this, &MainWindow::Autosave);
        form.exec();
    }
    readout_->RepaintAll();
}

} // namespace kelvory
