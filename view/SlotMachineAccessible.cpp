// SPDX-License-Identifier: MIT
#include "view/SlotMachineAccessible.h"

#include "view/MachinePartAccessible.h"
#include "view/PayTableAccessible.h"

#include <QWidget>

namespace kelvory {

namespace {
QAccessibleInterface* CreateForMachine(const QString& className, QObject* object) {
    if (className == QLatin1String("kelvory::SlotCanvas") && object != nullptr &&
        object->isWidgetType()) {
        return new SlotMachineAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

SlotMachineAccessible::EventObserver eventObserver = nullptr;

void Send(QAccessibleEvent& event) {
    if (eventObserver != nullptr) {
        eventObserver(&event);
    }
    QAccessible::updateAccessibility(&event);
}

void Send(QAccessibleInterface* part, QAccessible::Event type) {
    if (part != nullptr) {
        QAccessibleEvent event(part, type);
        Send(event);
    }
}
} // namespace

SlotMachineAccessible::SlotMachineAccessible(QWidget* machine)
    : QAccessibleWidget(machine, QAccessible::Grouping),
      readout_(machine->findChild<MachineReadout*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (readout_) {
        readout_->SetAccessible(this);
    }
}

SlotMachineAccessible::~SlotMachineAccessible() {
    if (readout_) {
        readout_->SetAccessible(nullptr);
    }
    for (const QAccessible::Id id : partIds_) {
        if (id != 0 && QAccessible::accessibleInterface(id) != nullptr) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

void SlotMachineAccessible::InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateForMachine);
        return true;
    }();
    Q_UNUSED(installed);
}

void SlotMachineAccessible::SetEventObserver(EventObserver observer) {
    eventObserver = observer;
}

QString SlotMachineAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return QStringLiteral("Slot machine");
    }
    return QAccessibleWidget::text(t);
}

void SlotMachineAccessible::CreateParts() const {
    if (partsCreated_ || !readout_) {
        return;
    }
    partsCreated_ = true;
    for (int part = 0; part < kMachinePartCount; ++part) {
        QAccessibleInterface* created =
            part == static_cast<int>(MachinePart::PayTable)
                ? static_cast<QAccessibleInterface*>(new PayTableAccessible(widget(), readout_))
                : new MachinePartAccessible(widget(), readout_, static_cast<MachinePart>(part));
        partIds_[static_cast<std::size_t>(part)] =
            QAccessible::registerAccessibleInterface(created);
    }
}

QAccessibleInterface* SlotMachineAccessible::Part(MachinePart part) const {
    CreateParts();
    const QAccessible::Id id = partIds_[static_cast<std::size_t>(part)];
    return id == 0 ? nullptr : QAccessible::accessibleInterface(id);
}

int SlotMachineAccessible::childCount() const {
    return QAccessibleWidget::childCount() + (readout_ ? kMachinePartCount : 0);
}

QAccessibleInterface* SlotMachineAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) {
        return QAccessibleWidget::child(index);
    }
    if (!readout_ || index >= widgets + kMachinePartCount) {
        return nullptr;
    }
    return Part(static_cast<MachinePart>(index - widgets));
}

int SlotMachineAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int widgets = QAccessibleWidget::childCount();
    if (readout_ && child != nullptr && child->object() == nullptr) {
        for (int part = 0; part < kMachinePartCount; ++part) {
            if (Part(static_cast<MachinePart>(part)) == child) {
                return widgets + part;
            }
        }
        return -1;
    }
    return QAccessibleWidget::indexOfChild(child);
}

void SlotMachineAccessible::PartChanged(MachinePart part) const {
    Send(Part(part), QAccessible::NameChanged);
}

void SlotMachineAccessible::PartShown(MachinePart part, bool shown) const {
    Send(Part(part), shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
}

void SlotMachineAccessible::PayCellChanged(int row, int column) const {
    auto* table = dynamic_cast<PayTableAccessible*>(Part(MachinePart::PayTable));
    QAccessibleInterface* cell = table != nullptr ? table->cellAt(row, column) : nullptr;
    if (cell == nullptr) {
        return;
    }
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(cell, changed);
    Send(event);
    Send(cell, QAccessible::NameChanged);
}

} // namespace kelvory
