#pragma once

#include <QString>

#include <string>

namespace kelvory {

// Where the settings file lives: $XDG_CONFIG_HOME when it is set to an
// absolute path, otherwise ~/.config.
class ConfigDir {
  public:
    static constexpr char kFileName[] = "KELVRY.INI";

    // The folder, ending in "/". Creates it when missing (a failure shows up
    // later as a failed write).
    static QString WindowsDir();

    // A path as the profile file layer takes it (the file system's encoding).
    static std::string NativePath(const QString& path);
    static QString FromNativePath(const std::string& path);
};

} // namespace kelvory
