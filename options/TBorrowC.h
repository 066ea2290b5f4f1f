// SPDX-License-Identifier: MIT
#pragma once

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
class TBorrowC : public QDialog {
    Q_OBJECT
  public:
    static const char* const kHelpText;

    TBorrowC(GameState& state, std::function<void(int)> showHelp, QWidget* parent = nullptr);

    void BitBtn1Click() { ChipClick(0); }
    void BitBtn2Click() { ChipClick(1); }
    void BitBtn3Click() { ChipClick(2); }
    void BitBtn4Click() { ChipClick(3); }
    void BitBtn5Click() { ChipClick(4); }
    void BitBtn6Click() { ChipClick(5); }
    void BitBtn7Click();

    QPushButton* OKBtn = nullptr;
    std::array<QPushButton*, 6> ChipButtons{}; // BitBtn1 .. BitBtn6
    QPushButton* BitBtn7 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLabel* Label1 = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ChipClick(int chip);

    GameState& state_;
    std::function<void(int)> showHelp_;
};

} // namespace kelvory
