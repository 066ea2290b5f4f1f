// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace kelvory {

// Keeps a main window at its design client size while it is in the normal
// state, yet leaves its maximum size open so that window managers offer to
// maximise it: a resize of the normal window snaps back. Centres the window
// on the screen when it is first shown normal, where the platform lets it.
class WindowSizeKeeper : public QObject {
    Q_OBJECT
  public:
    // The client area is the central widget; its design size is kept.
    WindowSizeKeeper(QWidget* window, QWidget* client, QSize designClient);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SnapBack();
    void Centre();

    QWidget* window_;
    QWidget* client_;
    QSize design_;
    bool centred_ = false;
    bool snapQueued_ = false;
};

} // namespace kelvory
