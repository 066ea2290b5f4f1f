// SPDX-License-Identifier: MIT
#include "app/dialogs/QuitWithoutSavingBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace kelvory {

bool QuitWithoutSavingBox::Ask(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvory"), QString::fromLatin1(kText),
                    QMessageBox::NoButton, parent);
    QPushButton* quit = box.addButton(QString::fromLatin1(kQuit), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == quit;
}

} // namespace kelvory
