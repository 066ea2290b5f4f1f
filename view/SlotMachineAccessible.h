// SPDX-License-Identifier: MIT
#pragma once

#include "view/MachineReadout.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace kelvory {

class PayTableAccessible;

// The hand-drawn machine as assistive technology sees it: a group named
// "Slot machine" whose children are its buttons, then the meters, the bet,
// the reels, the last result, the announcement and the pay table. The texts
// come from the machine's readout; without one it is a named group of
// buttons.
class SlotMachineAccessible : public QAccessibleWidget {
  public:
    explicit SlotMachineAccessible(QWidget* machine);
    ~SlotMachineAccessible() override;
    SlotMachineAccessible(const SlotMachineAccessible&) = delete;
    SlotMachineAccessible& operator=(const SlotMachineAccessible&) = delete;

    // Lets QAccessible create this interface for the machine widget, once.
    static void InstallFactory();
    // Also hands the events of the drawn parts to this observer. QAccessible
    // drops every event while no assistive technology is active, which is
    // always so on the offscreen platform; tests hear the machine here.
    using EventObserver = void (*)(QAccessibleEvent* event);
    static void SetEventObserver(EventObserver observer);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* Part(MachinePart part) const;
    // The events of a part whose text changed, or that came or went.
    void PartChanged(MachinePart part) const;
    void PartShown(MachinePart part, bool shown) const;
    void PayCellChanged(int row, int column) const;

  private:
    // The parts, registered with QAccessible on first use.
    void CreateParts() const;

    QPointer<MachineReadout> readout_;
    mutable std::array<QAccessible::Id, kMachinePartCount> partIds_{};
    mutable bool partsCreated_ = false;
};

} // namespace kelvory
