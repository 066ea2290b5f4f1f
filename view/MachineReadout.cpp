// SPDX-License-Identifier: MIT
#include "view/MachineReadout.h"

#include "game/MachineWords.h"
#include "game/Reels.h"
#include "game/SlotEngine.h"
#include "game/WinRules.h"
#include "view/MeterPainter.h"
#include "view/SlotMachineAccessible.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

namespace kelvory {

namespace {
// The tick from which a reel rests: its last roll step.
int RestTick(int reel) {
    const auto index = static_cast<std::size_t>(reel);
    return SlotEngine::kChoiceTick[index] + SlotEngine::kRollSteps[index];
}

QString Money(double amount) {
    return MeterPainter::MoneyText(MeterPainter::MeterLocale(), amount, true);
}

QString Words(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

MachineReadout::MachineReadout(Display& drawn, const GameState& state, QWidget* machine)
    : QObject(machine), drawn_(drawn), state_(state), positions_(state.ReelStops),
      betShown_(state.BetInPlay), litShown_(CurrentLitCells()) {}

void MachineReadout::ShowCredits(double amount) {
    drawn_.ShowCredits(amount);
    NoteChange(MachinePart::Credits);
    CheckBetAndCells();
}

void MachineReadout::ShowWinnings(bool visible, double amount) {
    drawn_.ShowWinnings(visible, amount);
    const bool wasShown = std::exchange(winningsShown_, visible);
    winnings_ = amount;
    NoteChange(MachinePart::Winnings);
    if (wasShown != visible) {
        NoteShown(MachinePart::Winnings, visible);
    }
    if (wasShown && !visible) {
        PayoutEnded();
    }
}

void MachineReadout::DrawPayRow(int row, bool lit, int column) {
    drawn_.DrawPayRow(row, lit, column);
    CheckBetAndCells();
}

void MachineReadout::DrawReels(const std::array<int, 3>& positions) {
    drawn_.DrawReels(positions);
    positions_ = positions;
    if (!spinTick_) {
        spinTick_ = 1;
        result_ = QStringLiteral("Reels spinning");
        NoteChange(MachinePart::Result);
        for (int reel = 0; reel < 3; ++reel) {
            NoteChange(static_cast<MachinePart>(static_cast<int>(MachinePart::FirstReel) + reel));
        }
        return;
    }
    ++*spinTick_;
    for (int reel = 0; reel < 3; ++reel) {
        if (*spinTick_ == RestTick(reel)) {
            NoteChange(static_cast<MachinePart>(static_cast<int>(MachinePart::FirstReel) + reel));
        }
    }
}

void MachineReadout::DrawPayline() {
    drawn_.DrawPayline();
    spinTick_.reset();
}

void MachineReadout::RepaintAll() {
    drawn_.RepaintAll();
    if (!spinTick_) {
        positions_ = state_.ReelStops;
    }
    for (int part = 0; part < kMachinePartCount; ++part) {
        if (part != static_cast<int>(MachinePart::Announcement)) {
            NoteChange(static_cast<MachinePart>(part));
        }
    }
}

void MachineReadout::ReelsStopped() {
    spinTick_.reset();
    positions_ = state_.ReelStops;
    result_ = Words(MachineWords::ResultSentence(state_.VisibleCells, state_.WinAmount));
    NoteChange(MachinePart::Result);
    Announce(result_);
}

void MachineReadout::PayoutEnded() {
    Announce(Text(MachinePart::Credits));
    // The stake is cleared once the spin has ended, after this call.
    QMetaObject::invokeMethod(this, &MachineReadout::CheckBetAndCells, Qt::QueuedConnection);
}

QString MachineReadout::ReelText(int reel) const {
    if (spinTick_ && *spinTick_ < RestTick(reel)) {
        return Words(MachineWords::SpinningReelText(reel));
    }
    const int position = positions_[static_cast<std::size_t>(reel)];
    // A reel between two cells (a position from a damaged file) reads as the
    // cells it would rest on.
    return Words(MachineWords::ReelText(reel, Reels::WindowAt(reel, position - position % 2)));
}

QString MachineReadout::Text(MachinePart part) const {
    switch (part) {
    case MachinePart::Credits:
        return QStringLiteral("Credits: ") + Money(state_.Credits);
    case MachinePart::Winnings:
        return winningsShown_ ? QStringLiteral("Winnings: ") + Money(winnings_)
                              : QStringLiteral("Winnings: none");
    case MachinePart::Bet:
        return state_.BetInPlay == 0 ? QStringLiteral("No bet in play")
                                     : QStringLiteral("Bet in play: ") +
                                           Words(MachineWords::Credits(state_.BetInPlay));
    case MachinePart::Result:
        return result_.isEmpty() ? QStringLiteral("No spin yet") : result_;
    case MachinePart::Announcement:
        return announcement_;
    case MachinePart::PayTable:
        return QStringLiteral("Pay table");
    default:
        return ReelText(static_cast<int>(part) - static_cast<int>(MachinePart::FirstReel));
    }
}

QString MachineReadout::PayCellText(int row, int column) const {
    const QString coins = column == 0 ? QStringLiteral("1 coin") : QStringLiteral("2 coins");
    QString pays;
    if (row == kCloverRow) {
        pays = column == 0 ? QStringLiteral("pays 1 per reel with a clover")
                           : QStringLiteral("pays 2 per reel with a clover");
    } else {
        pays = QStringLiteral("pays %1").arg(WinRules::RowPay(state_.PayValues, row, column + 1));
    }
    QString text = Words(MachineWords::PayRowName(row)) + QStringLiteral(", ") + coins +
                   QStringLiteral(": ") + pays;
    if (PayCellLit(row, column)) {
        text += QStringLiteral(", lit");
    }
    return text;
}

bool MachineReadout::PayCellLit(int row, int column) const {
    if (state_.BetInPlay > 0) {
        return column == state_.BetInPlay - 1;
    }
    return state_.WinAmount > 0 && row == state_.WinningRow && column == state_.LastBet - 1;
}

MachineReadout::LitCells MachineReadout::CurrentLitCells() const {
    LitCells cells{};
    for (int row = 0; row < kPayRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                PayCellLit(row, column);
        }
    }
    return cells;
}

void MachineReadout::CheckBetAndCells() {
    SlotMachineAccessible* machine = Listener();
    if (machine == nullptr) {
        return;
    }
    if (betShown_ != state_.BetInPlay) {
        betShown_ = state_.BetInPlay;
        NoteChange(MachinePart::Bet);
    }
    const LitCells lit = CurrentLitCells();
    for (int row = 0; row < kPayRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(column);
            if (lit[r][c] != litShown_[r][c]) {
                machine->PayCellChanged(row, column);
            }
        }
    }
    litShown_ = lit;
}

void MachineReadout::Announce(const QString& text) {
    announcement_ = text;
    NoteChange(MachinePart::Announcement);
    NoteShown(MachinePart::Announcement, true);
}

SlotMachineAccessible* MachineReadout::Listener() {
    if (accessible_ == nullptr && QAccessible::isActive()) {
        // Creating the interface registers it here.
        QAccessible::queryAccessibleInterface(parent());
    }
    return accessible_;
}

void MachineReadout::NoteChange(MachinePart part) {
    if (SlotMachineAccessible* machine = Listener()) {
        machine->PartChanged(part);
    }
}

void MachineReadout::NoteShown(MachinePart part, bool shown) {
    if (SlotMachineAccessible* machine = Listener()) {
        machine->PartShown(part, shown);
    }
}

} // namespace kelvory
