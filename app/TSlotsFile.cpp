// SPDX-License-Identifier: MIT
// File menu of the main window: new game, open and save slots, exit; the
// settings read at start and written at close.
#include "app/TSlots.h"

#include "game/PlayerStatistics.h"
#include "store/ConfigDir.h"
#include "store/ProfileFile.h"
#include "store/ProfileWriteError.h"
#include "store/SettingsFile.h"
#include "store/StatisticsSection.h"
#include "store/TLoadSave.h"
#include "store/TerminationSignals.h"
#include "store/WriteErrorBox.h"
#include "view/SlotCanvas.h"

namespace kelvory {

namespace {

// Returns whether a slot was chosen.
bool RunSlotsDialog(TSlots& window, TLoadSave::SlotModeKind mode) {
    const std::string path = window.WindowsDir() + ConfigDir::kFileName;
    bool chosen = false;
    {
        TLoadSave dialog(
            window.State(), mode, path, [&window](int context) { window.ShowHelp(context); },
            &window);
        chosen = dialog.exec() == QDialog::Accepted;
    }
    window.Canvas().RepaintAll();
    return chosen;
}

} // namespace

void TSlots::ConnectFileMenu() {
    connect(menu_.New1, &QAction::triggered, this, &TSlots::New1Click);
    connect(menu_.load1, &QAction::triggered, this, &TSlots::load1Click);
    connect(menu_.Save1, &QAction::triggered, this, &TSlots::Save1Click);
    connect(menu_.Exit1, &QAction::triggered, this, &TSlots::Exit1Click);
    ConnectStatistics();
}

void TSlots::New1Click() {
    engine_->New1Click();
    statistics_->NewGame();
}

void TSlots::Exit1Click() {
    close();
}

void TSlots::load1Click() {
    // An opened game starts the statistics of the current game afresh.
    if (RunSlotsDialog(*this, TLoadSave::Open)) {
        statistics_->NewGame();
    }
}

void TSlots::Save1Click() {
    RunSlotsDialog(*this, TLoadSave::Save);
}

bool TSlots::LoadSaveSettings(bool save) {
    if (WindowsDir_.empty()) {
        WindowsDir_ = ConfigDir::WindowsDir();
    }
    const std::string path = WindowsDir_ + ConfigDir::kFileName;
    if (!save) {
        const bool maximised = SettingsFile::Load(path, GameState_);
        const StatisticsSection::Tallies tallies = StatisticsSection::Load(path);
        statistics_->Restore(tallies.allTime, tallies.game, clock_.NowMs());
        setWindowState(maximised ? (windowState() | Qt::WindowMaximized)
                                 : (windowState() & ~Qt::WindowMaximized));
        return true;
    }
    // The folder may have gone since start-up.
    ConfigDir::MakeFolder(WindowsDir_);
    const Qt::WindowStates state = windowState();
    const bool maximised =
        state.testFlag(Qt::WindowMaximized) && !state.testFlag(Qt::WindowMinimized);
    try {
        // The settings and the statistics change together, in one replace.
        std::vector<ProfileSection> sections{SettingsFile::Section(GameState_, maximised)};
        ProfileSection statistics =
            StatisticsSection::Section(statistics_->AllTime(), statistics_->Game());
        if (!statistics.Values.empty()) {
            sections.push_back(std::move(statistics));
        }
        ProfileFile::Write(path, sections);
    } catch (const ProfileWriteError& error) {
        WriteErrorBox::Show(this, error);
        return false;
    }
    return true;
}

void TSlots::SetUpTerminationSignals() {
    // A termination signal (logout, shutdown, kill) saves the game and ends.
    terminationSignals_ = new TerminationSignals(this);
    connect(terminationSignals_, &TerminationSignals::terminationRequested, this,
            &TSlots::Terminate);
}

} // namespace kelvory
