// SPDX-License-Identifier: MIT
#pragma once

#include "app/MainMenu.h"
#include "app/dialogs/HelpContext.h"
#include "app/dialogs/SavedGamesDialog.h"
#include "game/Dialogs.h"
#include "game/GameState.h"
#include "game/PlayerStatistics.h"
#include "game/SlotEngine.h"
#include "game/StdRandomSource.h"
#include "game/SteadyClock.h"
#include "options/SoundImages.h"
#include "store/PreferencesSection.h"
#include "view/QtTimers.h"

#include <QMainWindow>
#include <QPushButton>
#include <QString>

#include <memory>
#include <string>

namespace kelvory {

class FullScreenSwitch;
class MachineReadout;
class ModalCloser;
class QtEventPump;
class RandomSource;
class SdlSoundPlayer;
class SlotCanvas;
class SoundEvents;
class StatisticsWindow;
class TerminationSignals;

// The main window: menu, canvas, the three buttons and the engine's timers. Its
// handlers hand the game's flows to the engine. The handlers of the File,
// Options/Borrow and Help menus live in MainWindowFileMenu.cpp,
// MainWindowOptionsMenu.cpp and MainWindowHelpMenu.cpp.
class MainWindow : public QMainWindow, public Dialogs {
    Q_OBJECT
  public:
    // Where the program's own files are looked for; empty means the folder of
    // the executable. Tests point it elsewhere.
    explicit MainWindow(const QString& programDir = QString(), QWidget* parent = nullptr)
        : MainWindow(programDir, nullptr, parent) {}
    // Spins with this source instead of the time-seeded generator.
    MainWindow(const QString& programDir, RandomSource& random, QWidget* parent = nullptr)
        : MainWindow(programDir, &random, parent) {}
    ~MainWindow() override;

    // Dialogs
    void ShowInformation(const std::string& text) override;
    void FocusSpinButton() override;

    GameState& State() { return state_; }
    SlotEngine& Engine() { return *engine_; }
    SlotCanvas& Canvas() { return *canvas_; }
    MainMenu& Menu() { return menu_; }
    PlayerStatistics& Statistics() { return *statistics_; }
    // The statistics window, once File > Statistics has opened it.
    StatisticsWindow* StatisticsView() const;
    QPushButton* BetOneButton() const;
    QPushButton* BetTwoButton() const;
    QPushButton* SpinButton() const;
    QTimer* FlashTimer() { return &timers_.FlashTimer; }
    QTimer* AutoSpinTimer() { return &timers_.AutoSpinTimer; }
    const std::string& ProgramDir() const { return programDir_; }
    const std::string& SettingsFolder() const { return settingsFolder_; }
    // The audio output, at the player's volume.
    const SdlSoundPlayer& SoundOutput() const { return *soundPlayer_; }

    // Shows the window in front and active, restored if minimised; an open
    // dialog or box stays in front of it.
    void BringForward();

    // Sets every check mark of the Speed, Sound and Auto menus from the state.
    void UpdateCheckMarks();

    // Handlers
    void Spin();
    void BetOne();
    void BetTwo();
    void AutoSpinDue();
    void FlashWinningRow();
    void ToggleAutoSpin();
    void ChooseSpeed(int tickMs);
    void NewGame();
    void Quit();
    void OpenSavedGame();
    void SaveGame();
    void ShowStatistics();
    void ShowBorrowDialog();
    void ShowSoundFilesDialog();
    void ShowVolumeDialog();
    void ToggleSound(bool GameState::*field);
    void SetVolume(int percent);
    void SetReducedMotion(bool on);
    void ShowHelpContents();
    void ShowPayoffsHelp();
    void ShowHelp(HelpContext context);
    void ShowInfoScreen(int screen);

    // A termination signal: ends the session at once, whatever is open. Open
    // dialogs and boxes close as their close box would, a running spin and its
    // payout finish without waiting, the game is saved, and the window closes.
    void Terminate();

    // Reads the settings and the current game.
    void LoadSettings();
    // Writes the settings and the current game. Returns false when the write
    // failed; the error has been shown.
    bool SaveSettings();
    // Saves after a spin's payout, a borrow, a new and an opened game, so that
    // a crash loses at most the spin in progress. A failure is shown once a
    // session; the close still reports its own.
    void Autosave();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    MainWindow(const QString& programDir, RandomSource* random, QWidget* parent);
    // The settings file; its folder is looked up once.
    std::string SettingsPath();
    // Shows the saved-games dialog; returns whether a slot was chosen.
    bool RunSavedGamesDialog(SavedGamesDialog::Mode mode);
    void ConnectMenu();
    void ConnectFileMenu();
    void ConnectOptionsMenu();
    void ConnectHelpMenu();
    void ConnectStatistics();
    void LoadSoundImages();
    void CreateSounds();
    void SetUpTerminationSignals();
    bool WriteSettings(bool showError);
    // The window's preferences (full screen, volume, reduced motion) as a
    // save writes them, and their start from the settings file.
    PreferencesSection::Preferences CurrentPreferences() const;
    void ApplyPreferences(const PreferencesSection::Preferences& preferences);
    void CreateEngine();
    // Finishes the running spin, payout or bet pause without waiting.
    void Settle();
    // After a failed save at close: whether the player quits without saving.
    bool ConfirmQuitWithoutSaving();

    GameState state_;
    std::string programDir_;     // the file system's bytes
    std::string settingsFolder_; // the file system's bytes
    std::string helpFile_;       // the file system's bytes
    MainMenu menu_;
    QtTimers timers_{[this] { FlashWinningRow(); }, [this] { AutoSpinDue(); }};
    SteadyClock clock_;
    StdRandomSource timeSeededRandom_;
    RandomSource* random_ = &timeSeededRandom_;
    std::unique_ptr<QtEventPump> pump_;
    SlotCanvas* canvas_ = nullptr;
    FullScreenSwitch* fullScreen_ = nullptr;
    int volumePercent_ = PreferencesSection::kMaxVolume;
    // What the canvas shows, as text for assistive technology; the engine
    // draws through it.
    MachineReadout* readout_ = nullptr;
    // The engine uses the sound events, and they use the images and the
    // player: each is destroyed before what it uses.
    SoundImages soundImages_;
    std::unique_ptr<SdlSoundPlayer> soundPlayer_;
    std::unique_ptr<SoundEvents> sounds_;
    std::unique_ptr<SlotEngine> engine_;
    std::unique_ptr<PlayerStatistics> statistics_;
    bool started_ = false; // the constructor has finished
    bool closePending_ = false;
    bool terminating_ = false;
    bool quitUnsaved_ = false; // the player chose to quit after a failed save
    bool autosaveErrorShown_ = false;
    TerminationSignals* terminationSignals_ = nullptr;
    ModalCloser* modalCloser_ = nullptr;
};

} // namespace kelvory
