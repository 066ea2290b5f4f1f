// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QKeyEvent;
class QWidget;

namespace kelvory {

// What the windows and dialogs share: their font, the F1 key and the
// "Information" box.
namespace DialogKit {

enum class FontSize { Points, Pixels };
enum class FontWeight { Inherited, Normal, Bold };

// The dialogs' "MS Sans Serif" at a size; an inherited weight is left unset,
// so the widget takes its parent's.
QFont FormFont(int size, FontSize unit, FontWeight weight = FontWeight::Inherited);

// The buttons' "Arial" at a pixel size: their captions and the lettering of
// the pictures drawn on them.
QFont ButtonFont(int pixelSize, FontWeight weight = FontWeight::Inherited);

// True, when the key is F1, the help key.
bool IsHelpKey(const QKeyEvent* event);

// True, when the key is F1: the help is then shown at the context (when there
// is a way to show it) and the key needs no further handling.
bool HandleHelpKey(const QKeyEvent* event, const std::function<void(int)>& showHelp, int context);

// F1 anywhere in the window, whatever has the focus there, shows the help at
// the context: a shortcut of the window, for a main window whose children
// would otherwise take the key first.
void AddHelpShortcut(QWidget* window, std::function<void(int)> showHelp, int context);

// A modal "Information" box with the text and an OK button.
void ShowInformation(QWidget* parent, const QString& text);

} // namespace DialogKit

} // namespace kelvory
