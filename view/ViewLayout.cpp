// SPDX-License-Identifier: MIT
#include "view/ViewLayout.h"

#include <algorithm>

namespace kelvory {

void ViewLayout::Choose(int clientWidth) {
    if (clientWidth <= 750) {
        current_ = Layout::Small;
    } else if (clientWidth <= 1000) {
        current_ = Layout::Medium;
    } else if (clientWidth <= 5000) {
        current_ = Layout::Large;
    }
}

QPoint ViewLayout::Offset(QSize client) const {
    const QSize composed = ComposedSize(client);
    return {(client.width() - composed.width()) / 2, (client.height() - composed.height()) / 2};
}

double ViewLayout::Scale(QSize client) const {
    const QSize design = Values().designClient;
    const double scale = std::min(static_cast<double>(client.width()) / design.width(),
                                  static_cast<double>(client.height()) / design.height());
    return scale >= kSmallestScale ? std::min(scale, kLargestScale) : 1.0;
}

int ViewLayout::LayoutReelLeft(int outerWidth) const {
    return outerWidth / 2 - CellSize() - CellSize() / 2 - 14;
}

QRect ViewLayout::Panel(int reelLeft) const {
    const int left = reelLeft - 16;
    const int top = TopMargin() - 6;
    return QRect(left, top, 3 * CellSize() + 52, 3 * CellSize() + 12);
}

ViewLayout::ButtonRow ViewLayout::Buttons(int outerWidth, int clientHeight) const {
    // The buttons are laid out for a panel 4 pixels left of the painted one.
    const QRect panel = Panel(LayoutReelLeft(outerWidth));
    const int panelRight = panel.x() + panel.width();
    ButtonRow row{};
    row.spinLeft = panelRight - ButtonWidth() + 10;
    row.betOneLeft = panel.x() - 10;
    row.betTwoLeft = (row.betOneLeft + row.spinLeft) / 2;
    row.top = clientHeight - 4 - kButtonHeight - Values().buttonRaise;
    return row;
}

ViewLayout::ButtonRow ViewLayout::PlacedButtons(QSize client) const {
    const QSize composed = ComposedSize(client);
    const QPoint offset = Offset(client);
    ButtonRow row = Buttons(OuterWidth(composed.width()), composed.height());
    row.betOneLeft += offset.x();
    row.betTwoLeft += offset.x();
    row.spinLeft += offset.x();
    row.top += offset.y();
    return row;
}

QPoint ViewLayout::LeftArrow(int reelLeft) const {
    return {reelLeft - 16, PaylineY() - 15};
}

QPoint ViewLayout::RightArrow(int reelLeft) const {
    return {reelLeft + 3 * CellSize() + 20, PaylineY() - 15};
}

QPoint ViewLayout::ReelOrigin(int reelLeft, int reel) const {
    return {reelLeft + reel * (CellSize() + kReelGap), TopMargin()};
}

} // namespace kelvory
