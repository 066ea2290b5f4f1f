// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Watches for modal windows while a test runs: each one found is handed to
// the inspector (if any), its caption and text are recorded, and it is closed,
// so that a test can go on through code that opens message boxes and dialogs.
class ModalWatcher : public QObject {
  public:
    using Inspector = std::function<void(QWidget*)>;

    explicit ModalWatcher(Inspector inspect = {}) : inspect_(std::move(inspect)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
        timer_.start(20);
    }

    QStringList captions;
    QStringList texts;

  private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == seen_) {
            return;
        }
        seen_ = modal;
        captions << modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
        } else {
            texts << QString();
        }
        if (inspect_) {
            inspect_(modal);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    Inspector inspect_;
    QTimer timer_;
    QPointer<QWidget> seen_;
};
