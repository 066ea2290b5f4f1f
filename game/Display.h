// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace kelvory {

// What the engine draws on the main window.
class Display {
  public:
    virtual ~Display() = default;
    virtual void ShowCredits(double amount) = 0;
    virtual void ShowWinnings(bool visible, double amount) = 0;
    virtual void DrawPayRow(int row, bool lit, int column) = 0;
    // Draws the three reels at the given positions and shows them.
    virtual void DrawReels(const std::array<int, 3>& positions) = 0;
    virtual void DrawPayline() = 0;
    // Repaints the whole window from the game state.
    virtual void RepaintAll() = 0;
};

} // namespace kelvory
