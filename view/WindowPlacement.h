// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

class QWidget;

namespace kelvory {

// Where windows appear. On X11 the program places its windows itself; on
// Wayland only the compositor does, and a move is silently ignored, so there
// a dialog is made transient for its parent window, which the compositor
// takes as the sign to place it over that window.
class WindowPlacement {
  public:
    // Whether a platform (QGuiApplication::platformName()) lets a program
    // move its own windows.
    static bool CanPlaceWindowsOn(QStringView platformName);
    // The same for the platform this program runs on.
    static bool CanPlaceWindows();

    // Makes window transient for parent's window and, where the platform
    // allows, centres it over that window. Call before showing it.
    static void PlaceOverParent(QWidget* window, QWidget* parent);

    // Centres window on its screen where the platform allows.
    static void CentreOnScreen(QWidget* window);
};

} // namespace kelvory
