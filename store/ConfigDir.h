// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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

// The folder of the running program file, ending in "/", as the file
// system's bytes; empty when it cannot be found.
std::string ExecutableDir();

// Creates the folder and its parents where missing.
void MakeFolder(const std::string& folder);

// A path from a Qt file API as the file system's bytes.
std::string NativePath(const QString& path);
// A path for messages and Qt file APIs; bytes that are not valid UTF-8
// become replacement characters, so never build a path from it.
QString FromNativePath(const std::string& path);
} // namespace ConfigDir

} // namespace kelvory
