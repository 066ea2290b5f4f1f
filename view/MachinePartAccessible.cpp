// SPDX-License-Identifier: MIT
#include "view/MachinePartAccessible.h"

#include <QWidget>
#include <QWindow>

namespace kelvory {

MachinePartAccessible::MachinePartAccessible(QWidget* machine, MachineReadout* readout,
                                             MachinePart part)
    : machine_(machine), readout_(readout), part_(part) {}

bool MachinePartAccessible::isValid() const {
    return !machine_.isNull() && !readout_.isNull();
}

QWindow* MachinePartAccessible::window() const {
    return machine_ ? machine_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* MachinePartAccessible::parent() const {
    return machine_ ? QAccessible::queryAccessibleInterface(machine_) : nullptr;
}

QString MachinePartAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return readout_->Text(part_);
}

QRect MachinePartAccessible::rect() const {
    if (!machine_) {
        return {};
    }
    return {machine_->mapToGlobal(QPoint(0, 0)), machine_->size()};
}

QAccessible::Role MachinePartAccessible::role() const {
    return part_ == MachinePart::Announcement ? QAccessible::Notification : QAccessible::StaticText;
}

QAccessible::State MachinePartAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    if (part_ == MachinePart::Winnings && isValid() && !readout_->WinningsShown()) {
        state.invisible = true;
    }
    return state;
}

} // namespace kelvory
