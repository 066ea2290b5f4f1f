// SPDX-License-Identifier: MIT
#include "view/PayRowGeometry.h"

namespace kelvory {

PayRowGeometry PayRowGeometry::For(const LayoutValues& values, int row, int column) {
    PayRowGeometry g;
    const int left = column * values.columnPitch + values.left;
    const int top = row * values.rowPitch + values.top;
    auto at = [&](const LayoutValues::Text& text) {
        return Text{{left + text.dx, top + text.dy}, text.points, text.bold};
    };
    g.iconSize = values.iconSize;
    g.largeIcons = values.iconSize == 48;
    g.icon = {left, top};
    g.box = QRect(QPoint(left - 1, top - 1),
                  QPoint(left + values.boxRight - 1, top + values.rowPitch - 1));
    g.step = values.iconStep;
    g.cloverRowIconDrop = values.cloverRowIconDrop;
    g.pays = at(values.pays);
    g.amount = at(values.amount);
    g.anyWhere = at(values.anyWhere);
    g.cloverTextCentre = left + values.cloverRowText.dx;
    g.cloverTextPoints = values.cloverRowText.points;
    g.cloverTextLines = values.cloverRowLines;
    g.cloverTextPitch = values.cloverRowText.dy;
    g.multiplier = at(values.multiplier);
    return g;
}

PayRowGeometry::Text PayRowGeometry::Heading(const LayoutValues& values, int column) {
    return {column == 0 ? values.oneCoinHeading : values.twoCoinHeading, values.headingPoints,
            true};
}

} // namespace kelvory
