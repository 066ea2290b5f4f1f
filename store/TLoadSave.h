// SPDX-License-Identifier: MIT
#pragma once

#include "store/SlotsFile.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <string>

class QDate;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvory {

struct GameState;

// The saved-game dialog of File > Open and File > Save: eight slot panels,
// each with its name, date and balances and an OK button that saves the
// current game into the slot or opens the slot's game.
class TLoadSave : public QDialog {
    Q_OBJECT
  public:
    enum SlotModeKind { Open = 0, Save = 1 };

    TLoadSave(GameState& state, SlotModeKind slotMode, const std::string& iniPath,
              std::function<void(int)> showHelp, QWidget* parent = nullptr);

    // "mm/dd/yy" with the system's date separator.
    static QString DateText(const QDate& date);
    // A money value as the panels show it: two decimals with the system's
    // decimal separator, no thousands separators.
    static QString DisplayMoney(double value);

    void FormCreate();
    void FormShow();
    void BitBtn7Click();
    void HelpBtnClick();
    // Writes the slot with the name, today's date and the game's balances.
    // Throws ProfileWriteError.
    void WriteSlot(int slot, const QString& name);

    const std::array<SlotsFile::SavedSlot, SlotsFile::kSlotCount>& SavedSlots() const {
        return SavedSlots_;
    }

    QFrame* Bevel1 = nullptr;
    std::array<QFrame*, SlotsFile::kSlotCount> Panel{};
    std::array<QLineEdit*, SlotsFile::kSlotCount> Name{};
    std::array<QLabel*, SlotsFile::kSlotCount> Game{};
    std::array<QLabel*, SlotsFile::kSlotCount> date{};
    std::array<QLabel*, SlotsFile::kSlotCount> credits{};
    std::array<QLabel*, SlotsFile::kSlotCount> borrowed{};
    std::array<QPushButton*, SlotsFile::kSlotCount> SlotButton{}; // OKBtn, BitBtn1..BitBtn7
    QPushButton* HelpBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void BuildPanel(int index);
    void ChooseSlot(int slot);
    bool AskName(QString& name);

    GameState& state_;
    SlotModeKind SlotMode_;
    std::string iniPath_;
    std::function<void(int)> showHelp_;
    std::string today_;
    std::array<SlotsFile::SavedSlot, SlotsFile::kSlotCount> SavedSlots_;
    bool shown_ = false;
};

} // namespace kelvory
