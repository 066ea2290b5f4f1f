#include "ViewLayout.h"

namespace kelvory {

void ViewLayout::Choose(int clientWidth) {
    if (clientWidth <= 750) {
        cellSize = 96;
        topMargin = 34;
        buttonWidth = 112;
    } else if (clientWidth <= 1000) {
        cellSize = 128;
        topMargin = 34;
        buttonWidth = 132;
    } else if (clientWidth <= 5000) {
        cellSize = 192;
        topMargin = 42;
        buttonWidth = 164;
    }
}

int ViewLayout::LayoutReelLeft(int outerWidth) const {
    return outerWidth / 2 - cellSize - cellSize / 2 - 14;
}

QRect ViewLayout::Panel(int reelLeft) const {
    const int left = reelLeft - 16;
    const int top = topMargin - 6;
    return QRect(left, top, 3 * cellSize + 52, 3 * cellSize + 12);
}

ViewLayout::ButtonRow ViewLayout::Buttons(int outerWidth, int clientHeight) const {
    // The buttons are laid out for a panel 4 pixels left of the painted one.
    const QRect panel = Panel(LayoutReelLeft(outerWidth));
    const int panelRight = panel.x() + panel.width();
    ButtonRow row{};
    row.spinLeft = panelRight - buttonWidth + 10;
    row.bet1Left = panel.x() - 10;
    row.bet2Left = (row.bet1Left + row.spinLeft) / 2;
    row.top = clientHeight - 4 - kButtonHeight;
    if (cellSize == 128) {
        row.top -= 16;
    }
    return row;
}

QPoint ViewLayout::LeftArrow(int reelLeft) const {
    return {reelLeft - 16, PaylineY() - 15};
}

QPoint ViewLayout::RightArrow(int reelLeft) const {
    return {reelLeft + 3 * cellSize + 20, PaylineY() - 15};
}

QPoint ViewLayout::ReelOrigin(int reelLeft, int reel) const {
    return {reelLeft + reel * (cellSize + kReelGap), topMargin};
}

} // namespace kelvory
