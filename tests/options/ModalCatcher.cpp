// SPDX-License-Identifier: MIT
#include "ModalCatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace kelvory {

ModalCatcher::ModalCatcher() {
    connect(&timer_, &QTimer::timeout, this, &ModalCatcher::Poll);
    timer_.start(10);
}

void ModalCatcher::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.append({box->windowTitle(), box->text(), static_cast<int>(box->icon())});
        box->accept();
        return;
    }
    // Any other modal dialog left open by a failing test: close it after 5 s.
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && ++otherTicks_ > 500) {
        otherTicks_ = 0;
        dialog->reject();
    }
}

} // namespace kelvory
