// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace kelvory {

// While the program ends, closes every dialog, message box and other window
// but the main one as soon as it opens, as its close box would; a message
// box's text goes to the standard error output instead.
class ModalCloser : public QObject {
    Q_OBJECT
  public:
    explicit ModalCloser(QWidget* mainWindow);

    // Closes the windows that are open now.
    void CloseAll();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static void Close(QWidget* window);

    QWidget* mainWindow_;
};

} // namespace kelvory
