// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// How the program names itself to the desktop: the application name, which Qt
// also gives the windows as their X11 class (WM_CLASS), and the desktop entry's
// id, which Wayland compositors take as the app id. The desktop entry's
// StartupWMClass equals kWindowClass, so docks tie the window to its launcher.
// No display name is set: Qt would append it to every window title.
namespace ApplicationIdentity {
inline constexpr char kWindowClass[] = "Kelvory";
inline constexpr char kDesktopId[] = "io.github.kelvory.Kelvory";

// Call once, right after the application object is created.
void Apply();
} // namespace ApplicationIdentity

} // namespace kelvory
