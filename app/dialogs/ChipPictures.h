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
QImage Chip(int chip);
QIcon OkGlyph();
QIcon HelpGlyph();
} // namespace ChipPictures

} // namespace kelvory
