// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/DialogKit.h"
#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvory {

struct GameState;

// The dialog for borrowing credits and paying them back in chip amounts. It
// works directly on the game state: every click moves the money at once and
// closing the dialog undoes nothing. It always opens in "Borrow Credits" mode.
class BorrowDialog : public QDialog {
    Q_OBJECT
  public:
    static const char* const kHelpText;

    BorrowDialog(GameState& state, ShowHelpFunction showHelp, QWidget* parent = nullptr);

    void ShowHelpMessage();

    QPushButton* OkButton = nullptr;
    std::array<QPushButton*, 6> ChipButtons{}; // from 1000 credits down to 0.01
    QPushButton* HelpButton = nullptr;
    QRadioButton* BorrowMode = nullptr;
    QRadioButton* PayBackMode = nullptr;
    QLabel* ModeLabel = nullptr;
    // The two LED totals as text for screen readers; they draw nothing.
    QLabel* CreditsReading = nullptr;
    QLabel* BorrowedReading = nullptr;

  signals:
    // A chip was borrowed or paid back.
    void moneyMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void MoveChip(int chip);
    // Names the chips after the mode and the totals after the state.
    void UpdateAccessibleNames();

    GameState& state_;
};

} // namespace kelvory
