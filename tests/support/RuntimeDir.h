// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace kelvory::test {

// The built program folder (artwork, sounds, help), ending in a slash.
inline QString RuntimeDir() {
    return qEnvironmentVariable("KELVORY_RUNTIME_DIR") + QLatin1Char('/');
}

// The same as the file system's bytes.
inline std::string RuntimeDirBytes() {
    return qgetenv("KELVORY_RUNTIME_DIR").toStdString() + '/';
}

} // namespace kelvory::test
