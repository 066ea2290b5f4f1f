// SPDX-License-Identifier: MIT
#include "view/Fonts.h"

#include <QStringList>

namespace kelvory {

QFont Fonts::Dialog(int size, Size unit, Weight weight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    if (unit == Size::Points) {
        font.setPointSize(size);
    } else {
        font.setPixelSize(size);
    }
    if (weight != Weight::Inherited) {
        font.setBold(weight == Weight::Bold);
    }
    return font;
}

QFont Fonts::Button(int pixelSize, Weight weight) {
    QFont font(QStringLiteral("Arial"));
    if (weight != Weight::Inherited) {
        font.setBold(weight == Weight::Bold);
    }
    font.setPixelSize(pixelSize);
    return font;
}

QFont Fonts::Canvas(int points, bool bold) {
    // The window's font face; fontconfig finds the nearest installed sans.
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    font.setPointSize(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace kelvory
