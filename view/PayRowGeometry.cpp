#include "PayRowGeometry.h"

namespace kelvory {

PayRowGeometry PayRowGeometry::For(int cellSize, int row, int column) {
    PayRowGeometry g;
    int left = 0;
    int top = 0;
    int boxRight = 0;
    int boxBottom = 0;
    if (cellSize == 192) {
        g.iconSize = 48;
        g.largeIcons = true;
        left = column * 832 + 10;
        top = row * 80 + 50;
        boxRight = left + 173;
        boxBottom = top + 80;
        g.step = 62;
        g.row7Lowered = 18;
        g.pays = {{left + 74, top + 50}, 12, true};
        g.amount = {{left + 170, top + 50}, 12, true};
        g.anyWhere = {{left + 86, top + 7}, 14, true};
        g.row7Centre = left + 86;
        g.row7Points = 10;
        g.row7LineCount = 5;
        g.row7LinePitch = 14;
        g.multiplier = {{left + 6, top + 40}, 24, true};
    } else if (cellSize == 128) {
        left = column * 620 + 14;
        top = row * 58 + 32;
        boxRight = left + 146;
        boxBottom = top + 58;
        g.step = 56;
        g.row7Lowered = 14;
        g.pays = {{left + 74, top + 38}, 8, false};
        g.amount = {{left + 142, top + 38}, 8, true};
        g.anyWhere = {{left + 73, top + 7}, 10, true};
        g.row7Centre = left + 72;
        g.row7LineCount = 5;
        g.row7LinePitch = 10;
        g.multiplier = {{left + 4, top + 30}, 18, true};
    } else {
        left = column * 500 + 6;
        top = row * 48 + 4;
        boxRight = left + 121;
        boxBottom = top + 48;
        g.step = 44;
        g.row7Lowered = 9;
        g.pays = {{left + 50, top + 30}, 8, false};
        g.amount = {{left + 118, top + 32}, 8, true};
        g.anyWhere = {{left + 60, top + 7}, 10, true};
        g.row7Centre = left + 60;
        g.row7LineCount = 3;
        g.row7LinePitch = 15;
        g.multiplier = {{left + 4, top + 24}, 14, true};
    }
    g.icon = {left, top};
    g.box = QRect(QPoint(left - 1, top - 1), QPoint(boxRight - 1, boxBottom - 1));
    return g;
}

PayRowGeometry::Text PayRowGeometry::Heading(int cellSize, int column) {
    if (cellSize == 192) {
        return {column == 0 ? QPoint(50, 5) : QPoint(872, 5), 24, true};
    }
    return {column == 0 ? QPoint(44, 2) : QPoint(660, 2), 18, true};
}

} // namespace kelvory
