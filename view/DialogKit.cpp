// SPDX-License-Identifier: MIT
#include "DialogKit.h"

#include <QKeyEvent>
#include <QMessageBox>

namespace kelvory {

QFont DialogKit::FormFont(int size, FontSize unit, FontWeight weight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    if (unit == FontSize::Points) {
        font.setPointSize(size);
    } else {
        font.setPixelSize(size);
    }
    if (weight != FontWeight::Inherited) {
        font.setBold(weight == FontWeight::Bold);
    }
    return font;
}

bool DialogKit::HandleHelpKey(const QKeyEvent* event, const std::function<void(int)>& showHelp,
                              int context) {
    if (event->key() != Qt::Key_F1) {
        return false;
    }
    if (showHelp) {
        showHelp(context);
    }
    return true;
}

void DialogKit::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace kelvory
