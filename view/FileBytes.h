// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>
#include <string>

namespace kelvory {

// Reads program files (artwork, help, icon) by the file system's own bytes
// of their path. Qt's file classes take a QString path, and a folder name
// that is not valid UTF-8 does not survive the way into a QString and back.
namespace FileBytes {
// The whole content of a regular file; nothing when it cannot be read.
std::optional<QByteArray> Read(const std::string& path);
} // namespace FileBytes

} // namespace kelvory
