// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace kelvory {

// Watches for modal message boxes while a test runs a modal flow, notes each
// box's caption, icon and text, and closes it with its default button. It also
// closes any other modal dialog after a grace period, so no test can hang.
class ModalCatcher : public QObject {
    Q_OBJECT
  public:
    struct Box {
        QString caption;
        QString text;
        int icon = 0;
    };

    ModalCatcher();
    QList<Box> boxes;

  private:
    void Poll();
    QTimer timer_;
    int otherTicks_ = 0;
};

} // namespace kelvory
