// SPDX-License-Identifier: MIT
#include "store/ConfigDir.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

std::string HomeDir() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

} // namespace

std::string ConfigDir::Folder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string folder = configHome != nullptr ? configHome : "";
    if (folder.empty() || folder.front() != '/') {
        folder = HomeDir();
        if (!folder.ends_with('/')) {
            folder += '/';
        }
        folder += ".config";
    }
    if (!folder.ends_with('/')) {
        folder += '/';
    }
    MakeFolder(folder);
    return folder;
}

void ConfigDir::MakeFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0777);
    }
    ::mkdir(folder.c_str(), 0777);
}

} // namespace kelvory
