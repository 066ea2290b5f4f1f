// SPDX-License-Identifier: MIT
#include "view/DialogKit.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcut>

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

QFont DialogKit::ButtonFont(int pixelSize, FontWeight weight) {
    QFont font(QStringLiteral("Arial"));
    if (weight != FontWeight::Inherited) {
        font.setBold(weight == FontWeight::Bold);
    }
    font.setPixelSize(pixelSize);
    return font;
}

namespace {
constexpr Qt::Key kHelpKey = Qt::Key_F1;
} // namespace

bool DialogKit::IsHelpKey(const QKeyEvent* event) {
    return event->key() == kHelpKey;
}

bool DialogKit::HandleHelpKey(const QKeyEvent* event, const std::function<void(int)>& showHelp,
                              int context) {
    if (!IsHelpKey(event)) {
        return false;
    }
    if (showHelp) {
        showHelp(context);
    }
    return true;
}

void DialogKit::AddHelpShortcut(QWidget* window, std::function<void(int)> showHelp, int context) {
    auto* helpKey = new QShortcut(QKeySequence(kHelpKey), window);
    helpKey->setContext(Qt::WindowShortcut);
    QObject::connect(helpKey, &QShortcut::activated, window,
                     [showHelp = std::move(showHelp), context] {
                         if (showHelp) {
                             showHelp(context);
                         }
                     });
}

void DialogKit::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace kelvory
