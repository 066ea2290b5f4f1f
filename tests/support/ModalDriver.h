// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

namespace kelvory::test {

// Drives the modal windows that open while a test runs, from the event loop,
// so that a test goes on through code that opens them and never hangs on one.
// Each modal window is noted once per opening, then handed to the first waiting answer for
// its type, if any, or else treated as `Others` says. Watches until destroyed.
class ModalDriver : public QObject {
  public:
    enum class Others {
        Leave,       // left to the test
        AcceptBoxes, // message boxes accepted; other dialogs rejected after 5 s
        Close,       // every modal window closed at once
    };
    struct Window {
        QString caption;
        QString text; // a message box's text, else empty
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    explicit ModalDriver(Others others = Others::AcceptBoxes);

    // The next modal window of type T gets `answer`, which is to close it. The
    // answer runs from the event loop, so it may open further modal windows.
    template <typename T> void AnswerNext(std::function<void(T*)> answer) {
        answers_.push_back([answer](QWidget* modal) {
            T* match = qobject_cast<T*>(modal);
            if (match == nullptr) {
                return false;
            }
            QMetaObject::invokeMethod(
                match, [answer, match] { answer(match); }, Qt::QueuedConnection);
            return true;
        });
    }
    // Answers still waiting for their window.
    int Waiting() const { return static_cast<int>(answers_.size()); }

    QList<Window> windows; // every modal window seen, in order
    QStringList Captions() const;
    QStringList Texts() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Poll();
    bool Answer(QWidget* modal);

    Others others_;
    QTimer timer_;
    QList<QPointer<QWidget>> noted_;
    QList<QPointer<QWidget>> answered_;
    int ticks_ = 0; // polls since the active modal window came up
    std::vector<std::function<bool(QWidget*)>> answers_;
};

} // namespace kelvory::test
