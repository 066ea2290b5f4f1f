// SPDX-License-Identifier: MIT
#include "store/ProfileFile.h"

#include "store/FileReplacer.h"
#include "store/InPlaceRewrite.h"
#include "store/ProfileText.h"
#include "store/ProfileWriteError.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

std::atomic<std::size_t> readCount{0};

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& text) {
    ++readCount;
    // Non-blocking, so that a pipe in place of the file cannot hang us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    text.clear();
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

// The file a write has to replace: the target of a symbolic link, so that the
// link itself stays in place.
std::string ResolveTarget(const std::string& path) {
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

} // namespace

std::string ProfileFile::ReadText(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        text.clear();
    }
    return text;
}

std::string ProfileFile::ReadAtStartUp(const std::string& path) {
    // Start-up is when no earlier copy can still be writing.
    RemoveStaleTemporaries(path);
    return InPlaceRewrite::Recover(ResolveTarget(path), ReadText(path));
}

std::string ProfileFile::Read(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        return defaultValue;
    }
    return ProfileText::Read(text, section, key, defaultValue);
}

void ProfileFile::Write(const std::string& path, const std::vector<ProfileSection>& sections) {
    const std::string target = ResolveTarget(path);
    std::string text;
    mode_t mode = 0644;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        // The file must be writable for us, not merely its folder: the rename
        // alone would replace a read-only file.
        const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            throw ProfileWriteError(path);
        }
        ::close(fd);
        if (!ReadWholeFile(target, text)) {
            throw ProfileWriteError(path);
        }
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        throw ProfileWriteError(path);
    }
    for (const ProfileSection& section : sections) {
        text = ProfileText::WriteSection(text, section.Name, section.Values);
    }
    if (!FileReplacer::Replace(target, text, mode)) {
        throw ProfileWriteError(path);
    }
}

void ProfileFile::Write(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    Write(path, {ProfileSection{section, {{key, value}}}});
}

void ProfileFile::RemoveStaleTemporaries(const std::string& path) {
    FileReplacer::RemoveStaleTemporaries(ResolveTarget(path));
}

std::size_t ProfileFile::ReadCount() {
    return readCount;
}

} // namespace kelvory
