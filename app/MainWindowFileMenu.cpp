// SPDX-License-Identifier: MIT
// File menu of the main window: new game, open and save slots, exit; the
// settings read at start, written at close and saved as the game goes on.
#include "app/MainWindow.h"

#include "app/TerminationSignals.h"
#include "app/dialogs/SavedGamesDialog.h"
#include "app/dialogs/WriteErrorBox.h"
#include "game/PlayerStatistics.h"
#include "store/ConfigDir.h"
#include "store/PreferencesSection.h"
#include "store/ProfileFile.h"
#include "store/ProfileWriteError.h"
#include "store/SettingsFile.h"
#include "store/StatisticsSection.h"
#include "view/FullScreenSwitch.h"
#include "view/MachineReadout.h"
#include "view/SlotCanvas.h"

namespace kelvory {

void MainWindow::ConnectFileMenu() {
    connect(menu_.NewGameItem, &QAction::triggered, this, &MainWindow::NewGame);
    connect(menu_.OpenGameItem, &QAction::triggered, this, &MainWindow::OpenSavedGame);
    connect(menu_.SaveGameItem, &QAction::triggered, this, &MainWindow::SaveGame);
    connect(menu_.ExitItem, &QAction::triggered, this, &MainWindow::Quit);
    ConnectStatistics();
}

void MainWindow::NewGame() {
    engine_->NewGame();
    statistics_->NewGame();
    Autosave();
}

void MainWindow::Quit() {
    close();
}

void MainWindow::OpenSavedGame() {
    // An opened game starts the statistics of the current game afresh.
    if (RunSavedGamesDialog(SavedGamesDialog::Open)) {
        statistics_->NewGame();
        Autosave();
    }
}

bool MainWindow::RunSavedGamesDialog(SavedGamesDialog::Mode mode) {
    bool chosen = false;
    {
        SavedGamesDialog dialog(
            state_, mode, SettingsPath(), [this](HelpContext context) { ShowHelp(context); }, this);
        chosen = dialog.exec() == QDialog::Accepted;
    }
    readout_->RepaintAll();
    return chosen;
}

void MainWindow::SaveGame() {
    RunSavedGamesDialog(SavedGamesDialog::Save);
}

std::string MainWindow::SettingsPath() {
    if (settingsFolder_.empty()) {
        settingsFolder_ = ConfigDir::Folder();
    }
    return settingsFolder_ + ConfigDir::kFileName;
}

void MainWindow::LoadSettings() {
    // One read of the file for all the start takes from it.
    const std::string text = ProfileFile::ReadAtStartUp(SettingsPath());
    const bool maximised = SettingsFile::FromProfileText(text, state_);
    const StatisticsSection::Tallies tallies = StatisticsSection::FromProfileText(text);
    statistics_->Restore(tallies.allTime, tallies.game, clock_.NowMs(), tallies.track);
    setWindowState(maximised ? (windowState() | Qt::WindowMaximized)
                             : (windowState() & ~Qt::WindowMaximized));
    ApplyPreferences(PreferencesSection::FromProfileText(text));
}

bool MainWindow::SaveSettings() {
    return WriteSettings(true);
}

void MainWindow::Autosave() {
    if (quitUnsaved_) {
        return; // the file stays as the player chose to leave it
    }
    if (!WriteSettings(!autosaveErrorShown_)) {
        autosaveErrorShown_ = true;
    }
}

bool MainWindow::WriteSettings(bool showError) {
    const std::string path = SettingsPath();
    // The folder may have gone since start-up.
    ConfigDir::MakeFolder(settingsFolder_);
    // In full screen, the state it returns to.
    const bool maximised = fullScreen_->ReturnsMaximised();
    try {
        // The settings, the statistics and the preferences change together,
        // in one replace.
        std::vector<ProfileSection> sections{SettingsFile::Section(state_, maximised)};
        ProfileSection statistics = StatisticsSection::Section(
            statistics_->AllTime(), statistics_->Game(), statistics_->Track());
        if (!statistics.Values.empty()) {
            sections.push_back(std::move(statistics));
        }
        sections.push_back(PreferencesSection::Section(CurrentPreferences()));
        ProfileFile::Write(path, sections);
    } catch (const ProfileWriteError& error) {
        if (showError) {
            WriteErrorBox::Show(this, error);
        }
        return false;
    }
    return true;
}

void MainWindow::SetUpTerminationSignals() {
    // A termination signal (logout, shutdown, kill) saves the game and ends.
    terminationSignals_ = new TerminationSignals(this);
    connect(terminationSignals_, &TerminationSignals::terminationRequested, this,
            &MainWindow::Terminate);
}

} // namespace kelvory
