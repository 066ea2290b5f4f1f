// SPDX-License-Identifier: MIT
#include "app/ProgramDir.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

#ifndef KELVORY_DATA_FROM_BIN
#define KELVORY_DATA_FROM_BIN "../share/kelvory"
#endif

namespace kelvory {

namespace {

// The executable's path from /proc, whatever bytes it holds. A program file
// replaced while running (a package upgrade) reads as "<path> (deleted)".
std::string ExecutablePath() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return {};
    }
    path.resize(static_cast<std::size_t>(length));
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return path;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

std::string ProgramDir::Find() {
    return ForExecutable(ExecutablePath(), KELVORY_DATA_FROM_BIN);
}

std::string ProgramDir::ForExecutable(const std::string& executablePath,
                                      const std::string& dataFromBin) {
    namespace fs = std::filesystem;
    const fs::path executable(executablePath);
    fs::path folder = executable.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (!dataFromBin.empty()) {
        const fs::path data = (folder / dataFromBin).lexically_normal();
        std::error_code error;
        if (fs::is_directory(data, error)) {
            return WithSlash(data.native());
        }
    }
    return WithSlash(folder.native());
}

} // namespace kelvory
