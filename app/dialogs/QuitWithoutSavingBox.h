// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace kelvory {

// Asked after a failed save at close: "Quit without saving?" with Quit and
// Cancel. Cancel (also Enter, Escape and the close box) keeps the game open,
// so that a slip of the key loses nothing.
namespace QuitWithoutSavingBox {
inline constexpr char kText[] = "Quit without saving?";
inline constexpr char kQuit[] = "Quit";

// Returns whether the player chose Quit.
bool Ask(QWidget* parent);
} // namespace QuitWithoutSavingBox

} // namespace kelvory
