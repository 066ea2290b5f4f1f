// SPDX-License-Identifier: MIT
#pragma once

#include "view/LayoutTable.h"

#include <QPoint>
#include <QRect>

namespace kelvory {

// Where the parts of one pay-table cell go in a layout, and the fonts they
// use, in the coordinates of the composition. Pure arithmetic, testable
// without a window.
class PayRowGeometry {
  public:
    struct Text {
        QPoint at; // left or centre or right end (as the user says), and top
        int points;
        bool bold;
    };

    static PayRowGeometry For(const LayoutValues& values, int row, int column);

    // Column headings of the larger layouts; none in the small one.
    static bool HasHeadings(const LayoutValues& values) { return values.headingPoints > 0; }
    static Text Heading(const LayoutValues& values, int column);

    int iconSize = 32;
    bool largeIcons = false; // the 48-pixel icon pictures
    QPoint icon;             // L, T: the first icon
    QRect box;               // the filled box, outline included
    int step = 44;
    int cloverRowIconDrop = 9;
    Text pays;     // "Pays ", left and top
    Text amount;   // right end and top
    Text anyWhere; // "Any Position", centre and top
    int cloverTextCentre = 0;
    int cloverTextPoints = 8;
    int cloverTextLines = 3;
    int cloverTextPitch = 15;
    Text multiplier; // left and top
};

} // namespace kelvory
