// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace kelvory {

// The program's fonts, by the family names the windows were designed with;
// fontconfig resolves them to the nearest installed face.
namespace Fonts {

enum class Size { Points, Pixels };
enum class Weight { Inherited, Normal, Bold };

// The dialogs' "MS Sans Serif" at a size; an inherited weight is left unset,
// so the widget takes its parent's.
QFont Dialog(int size, Size unit, Weight weight = Weight::Inherited);

// The buttons' "Arial" at a pixel size: their captions and the lettering of
// the pictures drawn on them.
QFont Button(int pixelSize, Weight weight = Weight::Inherited);

// The window canvas's text: the pay table, its headings and the meters.
QFont Canvas(int points, bool bold);

} // namespace Fonts

} // namespace kelvory
