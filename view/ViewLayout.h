#pragma once

#include <QPoint>
#include <QRect>

namespace kelvory {

// The layout arithmetic of the main window, free of widgets: which of the
// three layouts a client width selects, and where the reel panel, the reels,
// the payline arrows and the buttons go. W is the outer window width, taken
// as the client width plus a 3-pixel frame on each side.
class ViewLayout {
  public:
    static constexpr int kButtonHeight = 49;
    static constexpr int kReelGap = 9;

    struct ButtonRow {
        int bet1Left;
        int bet2Left;
        int spinLeft;
        int top;
    };

    // Picks the layout for a client width; a width over 5000 keeps the
    // current one.
    void Choose(int clientWidth);

    static int OuterWidth(int clientWidth) { return clientWidth + 6; }

    // The reel left edge the layout pass computes (the buttons are placed
    // from it) and the one every paint uses, 4 pixels further right.
    int LayoutReelLeft(int outerWidth) const;
    int PaintReelLeft(int outerWidth) const { return LayoutReelLeft(outerWidth) + 4; }

    // The cyan reel panel for a reel left edge (right and bottom exclusive).
    QRect Panel(int reelLeft) const;
    ButtonRow Buttons(int outerWidth, int clientHeight) const;

    QPoint LeftArrow(int reelLeft) const;
    QPoint RightArrow(int reelLeft) const;
    QPoint ReelOrigin(int reelLeft, int reel) const;
    // Size of the part of a reel image that is shown on the window.
    QSize ReelShown() const { return {cellSize - 1, 3 * cellSize - 1}; }
    int PaylineY() const { return topMargin + cellSize + cellSize / 2; }
    int PaylineLeft(int reelLeft) const { return reelLeft - 16; }
    // Last pixel of the payline (inclusive).
    int PaylineRight(int reelLeft) const { return reelLeft + 3 * cellSize + 32; }

    int cellSize = 96;
    int topMargin = 34;
    int buttonWidth = 112;
};

} // namespace kelvory
