// SPDX-License-Identifier: MIT
#include "store/ConfigDir.h"

#include <QFile>

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

std::string ConfigDir::ExecutableDir() {
    char buffer[4096];
    const ssize_t size = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (size <= 0 || static_cast<std::size_t>(size) >= sizeof buffer) {
        return {};
    }
    const std::string path(buffer, static_cast<std::size_t>(size));
    return path.substr(0, path.rfind('/') + 1);
}

void ConfigDir::MakeFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0777);
    }
    ::mkdir(folder.c_str(), 0777);
}

std::string ConfigDir::NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString ConfigDir::FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace kelvory
