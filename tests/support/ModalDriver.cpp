// SPDX-License-Identifier: MIT
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace kelvory::test {

namespace {
constexpr int kPollMs = 10;
constexpr int kGraceMs = 5000; // a dialog the test drives itself, left open by a failure
} // namespace

ModalDriver::ModalDriver(Others others) : others_(others) {
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
    timer_.start(kPollMs);
}

QStringList ModalDriver::Captions() const {
    QStringList captions;
    for (const Window& window : windows) {
        captions << window.caption;
    }
    return captions;
}

QStringList ModalDriver::Texts() const {
    QStringList texts;
    for (const Window& window : windows) {
        texts << window.text;
    }
    return texts;
}

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || answered_.contains(modal)) {
        return;
    }
    if (!noted_.contains(modal)) {
        noted_ << modal;
        modal->installEventFilter(this);
        ticks_ = 0;
        auto* box = qobject_cast<QMessageBox*>(modal);
        windows.append({modal->windowTitle(), box != nullptr ? box->text() : QString(),
                        box != nullptr ? box->icon() : QMessageBox::NoIcon});
    }
    if (Answer(modal)) {
        answered_ << modal;
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    switch (others_) {
    case Others::Leave:
        break;
    case Others::AcceptBoxes:
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->accept();
        } else if (dialog != nullptr && ++ticks_ > kGraceMs / kPollMs) {
            dialog->reject();
        }
        break;
    case Others::Close:
        if (dialog != nullptr) {
            dialog->reject();
        } else {
            modal->close();
        }
        break;
    }
}

// A window hidden is done with; shown again, it counts anew.
bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        const auto isWatched = [watched](const QPointer<QWidget>& window) {
            return window.isNull() || window == watched;
        };
        noted_.removeIf(isWatched);
        answered_.removeIf(isWatched);
        watched->removeEventFilter(this);
    }
    return false;
}

bool ModalDriver::Answer(QWidget* modal) {
    for (auto it = answers_.begin(); it != answers_.end(); ++it) {
        if ((*it)(modal)) {
            answers_.erase(it);
            return true;
        }
    }
    return false;
}

} // namespace kelvory::test
