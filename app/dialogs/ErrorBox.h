// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace kelvory {

// The program's standard error box: caption "Kelvory", the error icon, one OK
// button, and the message followed by a period.
namespace ErrorBox {
void Show(QWidget* parent, const QString& message);
inline QString Text(const QString& message) {
    return message + QLatin1Char('.');
}
} // namespace ErrorBox

} // namespace kelvory
