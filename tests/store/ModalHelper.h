// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs an action on the next modal window of type T that opens (other than
// `except`), from the event loop, so that a test never hangs on a modal box.
// The watch ends with the context object.
template <typename T = QWidget>
void OnNextModal(QObject* context, std::function<void(T*)> action, QWidget* except = nullptr) {
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, except] {
        QWidget* modal = QApplication::activeModalWidget();
        T* match = qobject_cast<T*>(modal);
        if (match != nullptr && modal != except && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(match);
        }
    });
    timer->start();
}
