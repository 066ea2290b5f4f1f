// SPDX-License-Identifier: MIT
#include "PayRowGeometry.h"

namespace kelvory {

PayRowGeometry PayRowGeometry::For(const LayoutSpec& spec, int row, int column) {
    PayRowGeometry g;
    const int left = column * spec.columnPitch + spec.left;
    const int top = row * spec.rowPitch + spec.top;
    auto at = [&](const LayoutSpec::Text& text) {
        return Text{{left + text.dx, top + text.dy}, text.points, text.bold};
    };
    g.iconSize = spec.iconSize;
    g.largeIcons = spec.iconSize == 48;
    g.icon = {left, top};
    g.box =
        QRect(QPoint(left - 1, top - 1), QPoint(left + spec.boxRight - 1, top + spec.rowPitch - 1));
    g.step = spec.iconStep;
    g.row7Lowered = spec.row7Lowered;
    g.pays = at(spec.pays);
    g.amount = at(spec.amount);
    g.anyWhere = at(spec.anyWhere);
    g.row7Centre = left + spec.row7.dx;
    g.row7Points = spec.row7.points;
    g.row7LineCount = spec.row7Lines;
    g.row7LinePitch = spec.row7.dy;
    g.multiplier = at(spec.multiplier);
    return g;
}

PayRowGeometry::Text PayRowGeometry::Heading(const LayoutSpec& spec, int column) {
    return {column == 0 ? spec.heading1 : spec.heading2, spec.headingPoints, true};
}

} // namespace kelvory
