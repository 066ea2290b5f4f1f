// SPDX-License-Identifier: MIT
#pragma once

#include "view/MachineReadout.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace kelvory {

// One drawn part of the machine read as text: a meter, the bet, a reel, the
// last result, or the announcement (a notification whose name is the
// latest message to be spoken).
class MachinePartAccessible : public QAccessibleInterface {
  public:
    MachinePartAccessible(QWidget* machine, MachineReadout* readout, MachinePart part);

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
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> machine_;
    QPointer<MachineReadout> readout_;
    MachinePart part_;
};

} // namespace kelvory
