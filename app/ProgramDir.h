// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kelvory {

// The folder the program reads its artwork, sounds and help from. Installed,
// the executable lies in <prefix>/bin/ and its data in <prefix>/share/kelvory/;
// in a build tree the data lies beside the executable. The folder is found from
// the executable's own location, so a moved prefix still works. Paths are the
// file system's bytes, never converted.
namespace ProgramDir {
// The folder for the running program, ending in "/".
std::string Find();

// The folder for an executable at executablePath: the data folder
// dataFromBin (relative to the executable's folder) when it exists,
// otherwise the executable's folder. Ends in "/".
std::string ForExecutable(const std::string& executablePath, const std::string& dataFromBin);
} // namespace ProgramDir

} // namespace kelvory
