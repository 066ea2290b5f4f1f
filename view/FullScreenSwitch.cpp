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
    maximisedUnderneath_ = window_->isMaximized();
}

void FullScreenSwitch::Set(bool fullScreen) {
    const Qt::WindowStates state = window_->windowState();
    if (fullScreen) {
        if (!state.testFlag(Qt::WindowFullScreen)) {
            maximisedUnderneath_ = state.testFlag(Qt::WindowMaximized);
            fullScreenAsked_ = true;
        }
        window_->setWindowState(state | Qt::WindowFullScreen);
    } else if (state.testFlag(Qt::WindowFullScreen)) {
        fullScreenAsked_ = false;
        // The maximised state is set again: a window manager may have
        // dropped it while the window filled the screen.
        const Qt::WindowStates underneath =
            maximisedUnderneath_ ? Qt::WindowMaximized : Qt::WindowNoState;
        window_->setWindowState((state & ~(Qt::WindowFullScreen | Qt::WindowMaximized)) |
                                underneath);
    }
    const QSignalBlocker blocker(item_);
    item_->setChecked(window_->isFullScreen());
}

bool FullScreenSwitch::IsFullScreen() const {
    return window_->isFullScreen();
}

bool FullScreenSwitch::ReturnsMaximised() const {
    const Qt::WindowStates state = window_->windowState();
    if (state.testFlag(Qt::WindowMinimized)) {
        return false;
    }
    return state.testFlag(Qt::WindowFullScreen) ? maximisedUnderneath_
                                                : state.testFlag(Qt::WindowMaximized);
}

void FullScreenSwitch::StateChanged() {
    const Qt::WindowStates state = window_->windowState();
    {
        const QSignalBlocker blocker(item_);
        item_->setChecked(state.testFlag(Qt::WindowFullScreen));
    }
    // On X11 the way into full screen passes through the normal state for a
    // moment: what full screen returns to is fixed when it is asked for.
    if (!fullScreenAsked_ && !state.testFlag(Qt::WindowFullScreen) &&
        !state.testFlag(Qt::WindowMinimized)) {
        maximisedUnderneath_ = state.testFlag(Qt::WindowMaximized);
    }
}

bool FullScreenSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::WindowStateChange) {
            StateChanged();
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
