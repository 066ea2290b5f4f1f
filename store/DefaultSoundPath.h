// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kelvory {

// Finds the default win and lose sounds again after the program has moved. The
// settings file keeps full paths, so a default saved by an earlier install or
// build folder points nowhere once that folder is gone.
namespace DefaultSoundPath {
// The path to use for a saved sound path: the current default when the
// saved file does not exist and carries the default's file name (compared
// without regard to case, after the last "/" or "\"); otherwise the saved
// path unchanged, so a file the player chose is kept even while missing.
std::string Resolve(const std::string& saved, const std::string& currentDefault);
} // namespace DefaultSoundPath

} // namespace kelvory
