// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace kelvory {

class ProfileWriteError;

// The error box for a failed write: "Unable to write to " and the file's path.
namespace WriteErrorBox {
void Show(QWidget* parent, const ProfileWriteError& error);
} // namespace WriteErrorBox

} // namespace kelvory
