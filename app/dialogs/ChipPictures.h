// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace kelvory {

// The pictures of the borrow dialog, drawn here: six oval casino chips
// (66 x 42, on a transparent ground) and the glyphs of its two buttons.
namespace ChipPictures {
inline constexpr int kWidth = 66;
inline constexpr int kHeight = 42;

struct Style {
    QColor Body;
    QColor Lettering;
    QString Text;
};

// Chip 0..5: 1000, 100, 10, 1, 10 cents, 1 cent.
Style ChipStyle(int chip);
// The chip drawn for a device pixel ratio (its size times the ratio in
// pixels, carrying that ratio).
QImage Chip(int chip, qreal ratio = 1);
// The chip as an icon drawn for the pixels it is shown at.
QIcon ChipIcon(int chip);
// The buttons' glyphs, likewise drawn for the pixels they are shown at.
QIcon OkGlyph();
QIcon HelpGlyph();
} // namespace ChipPictures

} // namespace kelvory
