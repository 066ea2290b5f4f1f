// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/HelpContext.h"

#include <QSize>
#include <QString>

#include <functional>

class QAbstractButton;
class QWidget;

namespace kelvory {

// Shows the help at a context; the main window's ShowHelp.
using ShowHelpFunction = std::function<void(HelpContext)>;

// What the windows and dialogs share: the F1 key, the Help button and the
// "Information" box.
namespace DialogKit {

// F1 anywhere in the window, whatever has the focus there, shows the help at
// the window's context.
void AddHelpKey(QWidget* window, ShowHelpFunction showHelp, HelpContext context);

// A Help button opens the help at its window's context.
void ConnectHelpButton(QAbstractButton* button, ShowHelpFunction showHelp, HelpContext context);

// The largest client size a window can take on its screen: the screen's free
// area less the window manager's frame and title bar, which are not known
// before the window first shows, so Qt's own allowance for them is taken.
QSize RoomOnScreen(const QWidget* window);

// A modal "Information" box with the text and an OK button.
void ShowInformation(QWidget* parent, const QString& text);

} // namespace DialogKit

} // namespace kelvory
