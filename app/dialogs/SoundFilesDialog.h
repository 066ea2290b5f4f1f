// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/DialogKit.h"
#include <QDialog>

#include <functional>
#include <string>

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace kelvory {

struct GameState;

// "Change Sounds (WAV Files)": lets the player choose the win and lose sound
// files, preview them and restore the default ones. Every choice goes straight
// into the game state; there is no cancel. One file-open dialog serves both
// "Change" buttons, so a second browse starts where the first one ended.
class SoundFilesDialog : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<void(const std::string&)> PlayFile; // plays a file and waits
        ShowHelpFunction ShowHelp;
    };

    // programDir ends in a slash; the default sounds are found there.
    SoundFilesDialog(GameState& state, const std::string& programDir, Hooks hooks,
                     QWidget* parent = nullptr);

    void ChangeLoseSound();      // lose sound, "Change"
    void ChangeWinSound();       // win sound, "Change"
    void PreviewLoseSound();     // lose sound, "Preview"
    void PreviewWinSound();      // win sound, "Preview"
    void RestoreDefaultSounds(); // "Restore Default Sounds"

    QFrame* Frame = nullptr;
    QLabel* LoseSoundLabel = nullptr;
    QPushButton* ChangeLoseButton = nullptr;
    QPushButton* PreviewLoseButton = nullptr;
    QLabel* WinSoundLabel = nullptr;
    QPushButton* ChangeWinButton = nullptr;
    QPushButton* PreviewWinButton = nullptr;
    QPushButton* RestoreDefaultsButton = nullptr;
    QPushButton* OkButton = nullptr;
    QFileDialog* FileDialog = nullptr;

  private:
    void ChooseFile(std::string& path);
    // Names the four sound buttons for screen readers, each with its sound's
    // file as description.
    void UpdateAccessibleNames();
    QPushButton* AddButton(const QString& name, const QString& caption, const QRect& place,
                           const QString& hint);
    QLabel* AddLabel(const QString& name, const QString& caption, const QRect& place,
                     const QString& hint);

    GameState& state_;
    std::string programDir_; // the file system's bytes
    Hooks hooks_;
};

} // namespace kelvory
