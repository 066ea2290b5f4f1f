// SPDX-License-Identifier: MIT
#include "view/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kelvory {

bool WindowPlacement::CanPlaceWindowsOn(QStringView platformName) {
    // "wayland" and its variants ("wayland-egl", ...).
    return !platformName.startsWith(u"wayland");
}

bool WindowPlacement::CanPlaceWindows() {
    return CanPlaceWindowsOn(QGuiApplication::platformName());
}

void WindowPlacement::PlaceOverParent(QWidget* window, QWidget* parent) {
    if (window == nullptr || parent == nullptr) {
        return;
    }
    QWidget* parentWindow = parent->window();
    // Both need their native windows to be tied together.
    window->winId();
    parentWindow->winId();
    if (QWindow* handle = window->windowHandle()) {
        handle->setTransientParent(parentWindow->windowHandle());
    }
    if (!CanPlaceWindows()) {
        return;
    }
    QRect frame(QPoint(0, 0), window->frameGeometry().size());
    frame.moveCenter(parentWindow->frameGeometry().center());
    if (const QScreen* screen = parentWindow->screen()) {
        // Keep the title bar reachable when the parent is near an edge.
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::max(available.left(),
                                std::min(frame.left(), available.right() + 1 - frame.width())));
        frame.moveTop(std::max(available.top(),
                               std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
    window->move(frame.topLeft());
}

void WindowPlacement::CentreOnScreen(QWidget* window) {
    if (window == nullptr || !CanPlaceWindows()) {
        return;
    }
    if (const QScreen* screen = window->screen()) {
        QRect frame(QPoint(0, 0), window->frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace kelvory
