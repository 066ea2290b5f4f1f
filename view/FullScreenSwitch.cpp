// SPDX-License-Identifier: MIT
#include "view/FullScreenSwitch.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QWidget>

namespace kelvory {

FullScreenSwitch::FullScreenSwitch(QWidget* window, QAction* item)
    : QObject(window), window_(window), item_(item) {
    item_->setCheckable(true);
    item_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(item_, &QAction::triggered, this, &FullScreenSwitch::Set);
    window_->installEventFilter(this);
}

void FullScreenSwitch::Set(bool fullScreen) {
    const Qt::WindowStates state = window_->windowState();
    window_->setWindowState(fullScreen ? (state | Qt::WindowFullScreen)
                                       : (state & ~Qt::WindowFullScreen));
    const QSignalBlocker blocker(item_);
    item_->setChecked(fullScreen);
}

bool FullScreenSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::WindowStateChange) {
            const QSignalBlocker blocker(item_);
            item_->setChecked(window_->isFullScreen());
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                   window_->isFullScreen()) {
            Set(false);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvory
