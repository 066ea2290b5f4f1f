// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvory {

// The three layouts of the main window, by the edge of a reel cell.
enum class Layout { Small, Medium, Large };

// Everything one layout fixes. Coordinates are those of the composition: the
// client area of the layout's design size, whose top-left corner the canvas
// moves to keep the composition centred on a larger client area.
struct LayoutValues {
    // A text placed relative to an anchor: offset, point size, weight.
    struct Text {
        int dx;
        int dy;
        int points;
        bool bold;
    };

    Layout layout;
    int cellSize;
    int topMargin;
    int buttonWidth;
    // How much higher than 4 pixels above the bottom edge the buttons stand.
    int buttonRaise;
    const char* artworkFile;
    // The client area at which the fixed coordinates below compose.
    QSize designClient;

    // Pay table: cell (row, column) has its first icon at L = column x
    // columnPitch + left, T = row x rowPitch + top; its box (outline included)
    // runs from (L - 1, T - 1) to (L + boxRight, T + rowPitch), exclusive.
    int columnPitch;
    int left;
    int rowPitch;
    int top;
    int boxRight;
    int iconSize;
    int iconStep;
    int cloverRowIconDrop;
    Text pays;          // "Pays ", left and top, from (L, T)
    Text amount;        // right end and top, from (L, T)
    Text anyWhere;      // "Any Position", centre and top, from (L, T)
    Text cloverRowText; // centre from L, line pitch as dy, font
    int cloverRowLines; // 3 or 5 explanation lines
    Text multiplier;    // left and top, from (L, T)

    // Column headings "1 Coin" and "2 Coins"; none when headingPoints is 0.
    int headingPoints;
    QPoint oneCoinHeading;
    QPoint twoCoinHeading;

    // Credit meter: the cleared rectangle, the font, the label's top-left and
    // the amount's right end and top.
    QRect creditsCleared;
    int meterPoints;
    bool meterBold;
    QPoint creditsLabel;
    QPoint creditsAmount;

    // Winnings meter, relative to ReelLeft: the cleared rectangle runs from
    // (ReelLeft - 25, 0) to (winningsRight, winningsBottom), exclusive.
    int winningsRight;
    int winningsBottom;
    QPoint winningsLabel;  // from (ReelLeft, 0)
    QPoint winningsAmount; // left and top, from (ReelLeft, 0)
};

inline constexpr LayoutValues kSmallLayout{
    .layout = Layout::Small,
    .cellSize = 96,
    .topMargin = 34,
    .buttonWidth = 112,
    .buttonRaise = 0,
    .artworkFile = "kelvry1.bmp",
    .designClient = QSize(632, 394),
    .columnPitch = 500,
    .left = 6,
    .rowPitch = 48,
    .top = 4,
    .boxRight = 121,
    .iconSize = 32,
    .iconStep = 44,
    .cloverRowIconDrop = 9,
    .pays = {50, 30, 8, false},
    .amount = {118, 32, 8, true},
    .anyWhere = {60, 7, 10, true},
    .cloverRowText = {60, 15, 8, false},
    .cloverRowLines = 3,
    .multiplier = {4, 24, 14, true},
    .headingPoints = 0,
    .oneCoinHeading = QPoint(0, 0),
    .twoCoinHeading = QPoint(0, 0),
    .creditsCleared = QRect(QPoint(400, 0), QPoint(494, 19)),
    .meterPoints = 10,
    .meterBold = false,
    .creditsLabel = QPoint(350, 0),
    .creditsAmount = QPoint(492, 0),
    .winningsRight = 350,
    .winningsBottom = 20,
    .winningsLabel = QPoint(-20, 0),
    .winningsAmount = QPoint(50, 0),
};

inline constexpr LayoutValues kMediumLayout{
    .layout = Layout::Medium,
    .cellSize = 128,
    .topMargin = 34,
    .buttonWidth = 132,
    .buttonRaise = 16,
    .artworkFile = "kelvry2.bmp",
    .designClient = QSize(794, 532),
    .columnPitch = 620,
    .left = 14,
    .rowPitch = 58,
    .top = 32,
    .boxRight = 146,
    .iconSize = 32,
    .iconStep = 56,
    .cloverRowIconDrop = 14,
    .pays = {74, 38, 8, false},
    .amount = {142, 38, 8, true},
    .anyWhere = {73, 7, 10, true},
    .cloverRowText = {72, 10, 8, false},
    .cloverRowLines = 5,
    .multiplier = {4, 30, 18, true},
    .headingPoints = 18,
    .oneCoinHeading = QPoint(44, 2),
    .twoCoinHeading = QPoint(660, 2),
    .creditsCleared = QRect(QPoint(400, 3), QPoint(629, 19)),
    .meterPoints = 10,
    .meterBold = false,
    .creditsLabel = QPoint(470, 3),
    .creditsAmount = QPoint(616, 3),
    .winningsRight = 350,
    .winningsBottom = 20,
    .winningsLabel = QPoint(-20, 3),
    .winningsAmount = QPoint(50, 3),
};

inline constexpr LayoutValues kLargeLayout{
    .layout = Layout::Large,
    .cellSize = 192,
    .topMargin = 42,
    .buttonWidth = 164,
    .buttonRaise = 0,
    .artworkFile = "kelvry3.bmp",
    .designClient = QSize(1018, 700),
    .columnPitch = 832,
    .left = 10,
    .rowPitch = 80,
    .top = 50,
    .boxRight = 173,
    .iconSize = 48,
    .iconStep = 62,
    .cloverRowIconDrop = 18,
    .pays = {74, 50, 12, true},
    .amount = {170, 50, 12, true},
    .anyWhere = {86, 7, 14, true},
    .cloverRowText = {86, 14, 10, false},
    .cloverRowLines = 5,
    .multiplier = {6, 40, 24, true},
    .headingPoints = 24,
    .oneCoinHeading = QPoint(50, 5),
    .twoCoinHeading = QPoint(872, 5),
    .creditsCleared = QRect(QPoint(700, 0), QPoint(839, 27)),
    .meterPoints = 12,
    .meterBold = true,
    .creditsLabel = QPoint(630, 4),
    .creditsAmount = QPoint(832, 4),
    .winningsRight = 600,
    .winningsBottom = 28,
    .winningsLabel = QPoint(-20, 4),
    .winningsAmount = QPoint(90, 4),
};

constexpr const LayoutValues& SpecOf(Layout layout) {
    switch (layout) {
    case Layout::Medium:
        return kMediumLayout;
    case Layout::Large:
        return kLargeLayout;
    case Layout::Small:
        break;
    }
    return kSmallLayout;
}

} // namespace kelvory
