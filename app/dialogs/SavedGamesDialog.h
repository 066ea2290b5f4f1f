// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/DialogKit.h"
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
// each with its name, SlotDates and balances and an OK button that saves the
// current game into the slot or opens the slot's game.
class SavedGamesDialog : public QDialog {
    Q_OBJECT
  public:
    enum Mode { Open = 0, Save = 1 };

    SavedGamesDialog(GameState& state, Mode slotMode, const std::string& iniPath,
                     ShowHelpFunction showHelp, QWidget* parent = nullptr);

    // "mm/dd/yy" with the system's SlotDates separator.
    static QString DateText(const QDate& SlotDates);
    // A money value as the panels show it: two decimals with the system's
    // decimal separator, no thousands separators.
    static QString DisplayMoney(double value);

    void ReadSlots();
    void ShowSlots();
    void SlotButtonClicked();
    // Writes the slot with the name, today's SlotDates and the game's balances.
    // Throws ProfileWriteError.
    void WriteSlot(int slot, const QString& name);

    const std::array<SlotsFile::SavedSlot, SlotsFile::kSlotCount>& SavedSlots() const {
        return savedSlots_;
    }

    QFrame* Frame = nullptr;
    std::array<QFrame*, SlotsFile::kSlotCount> SlotPanels{};
    std::array<QLineEdit*, SlotsFile::kSlotCount> SlotNames{};
    std::array<QLabel*, SlotsFile::kSlotCount> SlotTitles{};
    std::array<QLabel*, SlotsFile::kSlotCount> SlotDates{};
    std::array<QLabel*, SlotsFile::kSlotCount> SlotCredits{};
    std::array<QLabel*, SlotsFile::kSlotCount> SlotBorrowed{};
    std::array<QPushButton*, SlotsFile::kSlotCount> SlotButtons{};
    QPushButton* HelpButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void BuildPanel(int index);
    void ChooseSlot(int slot);
    bool AskName(QString& name);

    GameState& state_;
    Mode mode_;
    std::string iniPath_;
    ShowHelpFunction showHelp_;
    std::string today_;
    std::array<SlotsFile::SavedSlot, SlotsFile::kSlotCount> savedSlots_;
    bool shown_ = false;
};

} // namespace kelvory
