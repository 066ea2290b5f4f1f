// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kelvory {

// Where the settings file lives: $XDG_CONFIG_HOME when it is set to an
// absolute path, otherwise ~/.config. Paths are the file system's bytes, kept
// as they are: a folder name that is not valid UTF-8 still names the same
// folder.
namespace ConfigDir {
inline constexpr char kFileName[] = "KELVRY.INI";

// The folder, ending in "/". Creates it when missing (a failure shows up
// later as a failed write).
std::string Folder();

// Creates the folder and its parents where missing.
void MakeFolder(const std::string& folder);
} // namespace ConfigDir

} // namespace kelvory
