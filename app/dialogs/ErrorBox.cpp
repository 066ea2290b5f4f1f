// SPDX-License-Identifier: MIT
#include "app/dialogs/ErrorBox.h"

#include <QMessageBox>

namespace kelvory {

void ErrorBox::Show(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvory"), Text(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace kelvory
