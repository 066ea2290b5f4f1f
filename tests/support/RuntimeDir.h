// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace kelvory::test {

// The built program folder (artwork, sounds, help), ending in a slash.
inline QString RuntimeDir() {
    return qEnvironmentVariable("KELVORY_RUNTIME_DIR") + QLatin1Char('/');
}

} // namespace kelvory::test
