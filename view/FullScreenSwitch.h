// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace kelvory {

// Full screen for a main window: a checkable menu item with the F11
// shortcut switches it on and off, Escape leaves it, and the item's check
// mark follows the window's state whoever changed it. Leaving full screen
// returns the window to the state it had before (maximised or normal), also
// where the window manager drops the maximised state underneath.
class FullScreenSwitch : public QObject {
    Q_OBJECT
  public:
    FullScreenSwitch(QWidget* window, QAction* item);

    void Set(bool fullScreen);
    bool IsFullScreen() const;
    // Whether the window is maximised or, in full screen, returns to the
    // maximised state; a minimised window is neither.
    bool ReturnsMaximised() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StateChanged();

    QWidget* window_;
    QAction* item_;
    bool maximisedUnderneath_ = false;
    bool fullScreenAsked_ = false; // by Set, until Set leaves it
};

} // namespace kelvory
