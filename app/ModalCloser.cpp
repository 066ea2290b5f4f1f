// SPDX-License-Identifier: MIT
#include "app/ModalCloser.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <cstdio>

namespace kelvory {

ModalCloser::ModalCloser(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

void ModalCloser::CloseAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != mainWindow_ && window->isVisible()) {
            Close(window);
        }
    }
}

bool ModalCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget != mainWindow_) {
            // Closed from its own event loop once it runs.
            QPointer<QWidget> window(widget);
            QMetaObject::invokeMethod(
                this,
                [window] {
                    if (window != nullptr && window->isVisible()) {
                        Close(window);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalCloser::Close(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
    }
    window->close();
    // A box without an escape button ignores its close box.
    if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible()) {
        dialog->reject();
    }
}

} // namespace kelvory
