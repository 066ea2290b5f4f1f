// SPDX-License-Identifier: MIT
#pragma once

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
class TSoundForm : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<void(const std::string&)> PlayFile; // plays a file and waits
        std::function<void(int)> ShowHelp;
    };

    // programDir ends in a slash; the default sounds are found there.
    TSoundForm(GameState& state, const std::string& programDir, Hooks hooks,
               QWidget* parent = nullptr);

    void Button2Click();  // lose sound, "Change"
    void Button5Click();  // win sound, "Change"
    void Button7Click();  // lose sound, "Preview"
    void Button10Click(); // win sound, "Preview"
    void Button11Click(); // "Restore Default Sounds"

    QFrame* Bevel1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button7 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* OKBtn = nullptr;
    QFileDialog* OpenDialog1 = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ChooseFile(std::string& path);
    QPushButton* AddButton(const QString& name, const QString& caption, const QRect& place,
                           const QString& hint);
    QLabel* AddLabel(const QString& name, const QString& caption, const QRect& place,
                     const QString& hint);

    GameState& state_;
    std::string programDir_; // the file system's bytes
    Hooks hooks_;
};

} // namespace kelvory
