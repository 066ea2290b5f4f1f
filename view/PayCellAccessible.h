// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleInterface>

namespace kelvory {

class PayTableAccessible;

// One cell of the pay table: what a combination pays on one stake, and
// whether it is lit.
class PayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    PayCellAccessible(const PayTableAccessible& table, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return row_; }
    QAccessibleInterface* table() const override;

  private:
    const PayTableAccessible& table_;
    int row_;
    int column_;
};

} // namespace kelvory
