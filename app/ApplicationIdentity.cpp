// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"

#include <QGuiApplication>

namespace kelvory {

void ApplicationIdentity::Apply() {
    QGuiApplication::setApplicationName(QString::fromLatin1(kWindowClass));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

} // namespace kelvory
