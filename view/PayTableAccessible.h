// SPDX-License-Identifier: MIT
#pragma once

#include "view/MachineReadout.h"

#include <QAccessibleInterface>
#include <QPointer>

#include <array>

namespace kelvory {

// The pay table as a table: a row per winning combination (its description
// names it), the 1-coin and 2-coin columns, and the lit cells selected.
class PayTableAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
  public:
    static constexpr int kColumns = 2;

    PayTableAccessible(QWidget* machine, MachineReadout* readout);
    ~PayTableAccessible() override;
    PayTableAccessible(const PayTableAccessible&) = delete;
    PayTableAccessible& operator=(const PayTableAccessible&) = delete;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    int columnCount() const override { return kColumns; }
    QString rowDescription(int row) const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    MachineReadout* Readout() const { return readout_; }

  private:
    QPointer<QWidget> machine_;
    QPointer<MachineReadout> readout_;
    // The cells row by row, registered with QAccessible on first use.
    mutable std::array<QAccessible::Id, 16> cellIds_{};
};

} // namespace kelvory
