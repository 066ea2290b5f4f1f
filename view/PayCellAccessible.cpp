// SPDX-License-Identifier: MIT
#include "view/PayCellAccessible.h"

#include "view/PayTableAccessible.h"

namespace kelvory {

PayCellAccessible::PayCellAccessible(const PayTableAccessible& table, int row, int column)
    : table_(table), row_(row), column_(column) {}

bool PayCellAccessible::isValid() const {
    return table_.isValid();
}

QWindow* PayCellAccessible::window() const {
    return table_.window();
}

QAccessibleInterface* PayCellAccessible::parent() const {
    return table();
}

QAccessibleInterface* PayCellAccessible::table() const {
    return const_cast<PayTableAccessible*>(&table_);
}

QString PayCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return table_.Readout()->PayCellText(row_, column_);
}

QRect PayCellAccessible::rect() const {
    return table_.rect();
}

bool PayCellAccessible::isSelected() const {
    return isValid() && table_.Readout()->PayCellLit(row_, column_);
}

QAccessible::State PayCellAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.selectable = true;
    state.selected = isSelected();
    return state;
}

void* PayCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

} // namespace kelvory
