// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace kelvory {

// Full screen for a main window: a checkable menu item with the F11
// shortcut switches it on and off, Escape leaves it, and the item's check
// mark follows the window's state whoever changed it. Full screen keeps the
// window's maximised state underneath, so leaving it returns there.
class FullScreenSwitch : public QObject {
    Q_OBJECT
  public:
    FullScreenSwitch(QWidget* window, QAction* item);

    void Set(bool fullScreen);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QAction* item_;
};

} // namespace kelvory
