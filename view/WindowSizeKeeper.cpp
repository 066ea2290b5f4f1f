// SPDX-License-Identifier: MIT
#include "view/WindowSizeKeeper.h"

#include "view/WindowPlacement.h"

#include <QEvent>
#include <QWidget>

namespace kelvory {

WindowSizeKeeper::WindowSizeKeeper(QWidget* window, QWidget* client, QSize designClient)
    : QObject(window), window_(window), client_(client), design_(designClient) {
    window_->installEventFilter(this);
    // The client's size hint is its design size; the snap-back below mends
    // any difference once the window is laid out.
    window_->resize(window_->sizeHint());
}

bool WindowSizeKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Show:
            if (window_->windowState() == Qt::WindowNoState) {
                Centre();
            }
            SnapBack();
            break;
        case QEvent::Resize:
            // Only once the window manager has given the size: a state change
            // comes while the geometry is still the old one, and a resize
            // then would also move the window to that old place.
            SnapBack();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowSizeKeeper::Centre() {
    if (centred_) {
        return;
    }
    centred_ = true;
    WindowPlacement::CentreOnScreen(window_);
}

void WindowSizeKeeper::SnapBack() {
    if (snapQueued_) {
        return;
    }
    snapQueued_ = true;
    // After the event in hand: the layout of the window has then caught up.
    QMetaObject::invokeMethod(
        this,
        [this] {
            snapQueued_ = false;
            const Qt::WindowStates state = window_->windowState();
            if (state & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
                return;
            }
            if (client_->size() != design_) {
                window_->resize(window_->size() + (design_ - client_->size()));
            } else {
                // A window that started maximised or in full screen is
                // centred when it is first normal.
                Centre();
            }
        },
        Qt::QueuedConnection);
}

} // namespace kelvory
