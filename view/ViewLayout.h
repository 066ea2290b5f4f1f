// SPDX-License-Identifier: MIT
#pragma once

#include "view/LayoutTable.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvory {

// The layout arithmetic of the main window, free of widgets: which of the
// three layouts a client width selects, where the composition of that layout
// stands in a client area, and where the reel panel, the reels, the payline
// arrows and the buttons go in it. W is the outer window width, taken as the
// client width plus a 3-pixel frame on each side.
class ViewLayout {
  public:
    static constexpr int kButtonHeight = 49;
    static constexpr int kReelGap = 9;
    // From this factor on a larger client area shows the composition scaled
    // up; below it the composition is only centred.
    static constexpr double kSmallestScale = 1.1;
    // Beyond this a client area (of a very large virtual screen) leaves the
    // composition at this scale, so that its canvas stays of a sane size.
    static constexpr double kLargestScale = 8;

    struct ButtonRow {
        int betOneLeft;
        int betTwoLeft;
        int spinLeft;
        int top;
    };

    // Picks the layout for a client width; a width over 5000 keeps the
    // current one.
    void Choose(int clientWidth);

    Layout Current() const { return current_; }
    const LayoutValues& Values() const { return SpecOf(current_); }
    int CellSize() const { return Values().cellSize; }
    int TopMargin() const { return Values().topMargin; }
    int ButtonWidth() const { return Values().buttonWidth; }

    static int OuterWidth(int clientWidth) { return clientWidth + 6; }

    // The part of a client area the layout composes in: the client area up to
    // the design size, the design size beyond it. Offset is where that part's
    // top-left corner stands, so that it is centred.
    QSize ComposedSize(QSize client) const { return client.boundedTo(Values().designClient); }
    QPoint Offset(QSize client) const;
    // The factor the composition is drawn at in a client area: the largest
    // that fits the design size in it, at most kLargestScale, or 1 while that
    // stays below kSmallestScale.
    double Scale(QSize client) const;

    // In the coordinates of the composition, for its outer width: the reel
    // left edge the layout pass computes (the buttons are placed from it) and
    // the one every paint uses, 4 pixels further right.
    int LayoutReelLeft(int outerWidth) const;
    int PaintReelLeft(int outerWidth) const { return LayoutReelLeft(outerWidth) + 4; }

    // The cyan reel panel for a reel left edge (right and bottom exclusive).
    QRect Panel(int reelLeft) const;
    // The buttons in the coordinates of the composition.
    ButtonRow Buttons(int outerWidth, int clientHeight) const;
    // The buttons in a client area, the composition centred in it.
    ButtonRow PlacedButtons(QSize client) const;

    QPoint LeftArrow(int reelLeft) const;
    QPoint RightArrow(int reelLeft) const;
    QPoint ReelOrigin(int reelLeft, int reel) const;
    // Size of the part of a reel image that is shown on the window.
    QSize ReelShown() const { return {CellSize() - 1, 3 * CellSize() - 1}; }
    int PaylineY() const { return TopMargin() + CellSize() + CellSize() / 2; }
    int PaylineLeft(int reelLeft) const { return reelLeft - 16; }
    // Last pixel of the payline (inclusive).
    int PaylineRight(int reelLeft) const { return reelLeft + 3 * CellSize() + 32; }

  private:
    Layout current_ = Layout::Small;
};

} // namespace kelvory
