// SPDX-License-Identifier: MIT
#pragma once

#include "game/Display.h"
#include "game/GameState.h"
#include "game/WinRules.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QWidget;

namespace kelvory {

class SlotMachineAccessible;

// The parts of the machine a screen reader reads, in the order it lists them.
enum class MachinePart {
    Credits,
    Winnings,
    Bet,
    FirstReel,
    LastReel = FirstReel + 2,
    Result,
    Announcement,
    PayTable,
};
inline constexpr int kMachinePartCount = static_cast<int>(MachinePart::PayTable) + 1;

// The machine as text: stands between the engine and the canvas, passes every
// drawing on, keeps what the meters and reels show, and tells assistive
// technology what changed. The spoken result goes out through the
// announcement part, a notification that screen readers speak whatever has
// the focus. Events are built only while the machine's accessible interface
// exists, that is while something reads the tree; otherwise a call costs a
// pointer test.
class MachineReadout : public QObject, public Display {
    Q_OBJECT
  public:
    // The machine widget is the readout's parent; drawn receives the drawing.
    MachineReadout(Display& drawn, const GameState& state, QWidget* machine);

    void ShowCredits(double amount) override;
    void ShowWinnings(bool visible, double amount) override;
    void DrawPayRow(int row, bool lit, int column) override;
    void DrawReels(const std::array<int, 3>& positions) override;
    void DrawPayline() override;
    void RepaintAll() override;

    // The reels have come to rest and the win is known: the result sentence.
    void ReelsStopped();
    // The payout has been counted: the credits.
    void PayoutEnded();

    QString Text(MachinePart part) const;
    bool WinningsShown() const { return winningsShown_; }
    QString PayCellText(int row, int column) const;
    // The column of the stake being made, or the row that won the last spin.
    bool PayCellLit(int row, int column) const;

    // The machine's accessible interface, while it exists.
    void SetAccessible(SlotMachineAccessible* machine) { accessible_ = machine; }

  private:
    using LitCells = std::array<std::array<bool, 2>, kPayRows>;
    LitCells CurrentLitCells() const;
    // The machine's accessible interface when something reads the tree or
    // assistive technology is active; otherwise null.
    SlotMachineAccessible* Listener();
    void NoteChange(MachinePart part);
    void NoteShown(MachinePart part, bool shown);
    void Announce(const QString& text);
    void CheckBetAndCells();
    QString ReelText(int reel) const;

    Display& drawn_;
    const GameState& state_;
    SlotMachineAccessible* accessible_ = nullptr;
    bool winningsShown_ = false;
    double winnings_ = 0;
    // Reel ticks drawn in the running spin; none between spins.
    std::optional<int> spinTick_;
    // The reel positions drawn last.
    std::array<int, 3> positions_;
    QString result_;
    QString announcement_;
    int betShown_ = 0;
    LitCells litShown_{};
};

} // namespace kelvory
