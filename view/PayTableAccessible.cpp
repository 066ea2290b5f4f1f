// SPDX-License-Identifier: MIT
#include "view/PayTableAccessible.h"

#include "game/MachineWords.h"
#include "game/WinRules.h"
#include "view/PayCellAccessible.h"

#include <QWidget>
#include <QWindow>

namespace kelvory {

namespace {
bool InTable(int row, int column) {
    return row >= 0 && row < kPayRows && column >= 0 && column < PayTableAccessible::kColumns;
}
} // namespace

PayTableAccessible::PayTableAccessible(QWidget* machine, MachineReadout* readout)
    : machine_(machine), readout_(readout) {}

PayTableAccessible::~PayTableAccessible() {
    for (const QAccessible::Id id : cellIds_) {
        if (id != 0 && QAccessible::accessibleInterface(id) != nullptr) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

bool PayTableAccessible::isValid() const {
    return !machine_.isNull() && !readout_.isNull();
}

QWindow* PayTableAccessible::window() const {
    return machine_ ? machine_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PayTableAccessible::parent() const {
    return machine_ ? QAccessible::queryAccessibleInterface(machine_) : nullptr;
}

int PayTableAccessible::rowCount() const {
    return kPayRows;
}

QAccessibleInterface* PayTableAccessible::cellAt(int row, int column) const {
    if (!InTable(row, column)) {
        return nullptr;
    }
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(row * kColumns + column)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new PayCellAccessible(*this, row, column));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* PayTableAccessible::child(int index) const {
    return index < 0 ? nullptr : cellAt(index / kColumns, index % kColumns);
}

int PayTableAccessible::childCount() const {
    return kPayRows * kColumns;
}

int PayTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < childCount(); ++index) {
        if (cellIds_[static_cast<std::size_t>(index)] != 0 && this->child(index) == child) {
            return index;
        }
    }
    return -1;
}

QString PayTableAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QStringLiteral("Pay table") : QString();
}

QRect PayTableAccessible::rect() const {
    return machine_ ? QRect(machine_->mapToGlobal(QPoint(0, 0)), machine_->size()) : QRect();
}

QAccessible::State PayTableAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

void* PayTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
}

int PayTableAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> PayTableAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    if (!isValid()) {
        return cells;
    }
    for (int row = 0; row < kPayRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (readout_->PayCellLit(row, column)) {
                cells.append(cellAt(row, column));
            }
        }
    }
    return cells;
}

QString PayTableAccessible::columnDescription(int column) const {
    return column == 0 ? QStringLiteral("1 Coin") : QStringLiteral("2 Coins");
}

QString PayTableAccessible::rowDescription(int row) const {
    return QString::fromStdString(MachineWords::PayRowName(row));
}

} // namespace kelvory
