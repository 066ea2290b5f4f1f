// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace kelvory {

// Brings a top-level window in front and gives it the focus when the user
// asked for it from outside the window (starting the program a second time).
namespace WindowActivation {
void Activate(QWidget* window);
} // namespace WindowActivation

} // namespace kelvory
