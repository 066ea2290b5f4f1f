// SPDX-License-Identifier: MIT
#include "store/FileReplacer.h"

#include "store/InPlaceRewrite.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

std::atomic<bool> unnamedTemporaries{true};

constexpr std::size_t kSuffixLength = 6;
constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".<name>." : the start of every temporary file name of the target.
std::string TemporaryPrefix(const std::string& target) {
    return "." + FileNameOf(target) + ".";
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix)) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

std::string RandomTemporaryPath(const std::string& folder, const std::string& prefix) {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string path = folder + "/" + prefix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        path.push_back(kChars[pick(random)]);
    }
    return path;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool LockExclusive(int fd) {
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// A temporary file that exists on disk only once it is linked.
struct Temporary {
    int fd = -1;
    std::string path; // empty while unnamed
};

// Creates a locked, named temporary file. A cleaner may delete a fresh name
// before we hold its lock; we then take another name.
bool CreateNamed(const std::string& folder, const std::string& prefix, Temporary& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string path = RandomTemporaryPath(folder, prefix);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        struct stat info {};
        if (LockExclusive(fd) && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
            temporary = {fd, path};
            return true;
        }
        ::close(fd);
    }
    errno = EEXIST;
    return false;
}

// Gives an unnamed temporary file a hidden name in the folder.
bool LinkUnnamed(const std::string& folder, const std::string& prefix, Temporary& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(temporary.fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string path = RandomTemporaryPath(folder, prefix);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(temporary.fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) {
            temporary.path = path;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

void Discard(Temporary& temporary) {
    if (!temporary.path.empty()) {
        ::unlink(temporary.path.c_str());
    }
    ::close(temporary.fd);
    temporary = {};
}

bool IsFolderRefusal(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Reserves the disk space for the new content, so that a full disk fails
// before the first byte changes (where the file system can tell).
bool ReplaceVia(const std::string& target, std::string_view text, mode_t mode, bool tryUnnamed) {
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    Temporary temporary;
    bool unnamed = false;
    if (tryUnnamed) {
        temporary.fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        unnamed = temporary.fd >= 0 && LockExclusive(temporary.fd);
        if (temporary.fd >= 0 && !unnamed) {
            Discard(temporary);
        }
    }
    if (!unnamed && !CreateNamed(folder, prefix, temporary)) {
        return IsFolderRefusal(errno) && InPlaceRewrite::Rewrite(target, text);
    }
    bool ok = FileReplacer::WriteAt(temporary.fd, text, 0) && ::fchmod(temporary.fd, mode) == 0 &&
              ::fsync(temporary.fd) == 0;
    if (ok && unnamed && !LinkUnnamed(folder, prefix, temporary)) {
        // No way to name it (no /proc, say): start over with a named file.
        Discard(temporary);
        return ReplaceVia(target, text, mode, false);
    }
    ok = ok && ::rename(temporary.path.c_str(), target.c_str()) == 0;
    if (!ok) {
        Discard(temporary);
        return false;
    }
    SyncFolder(folder);
    // Closing releases the lock; the name is already gone.
    ::close(temporary.fd);
    return true;
}

} // namespace

bool FileReplacer::WriteAt(int fd, std::string_view text, std::size_t offset) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool FileReplacer::Replace(const std::string& target, std::string_view text, mode_t mode) {
    return ReplaceVia(target, text, mode, unnamedTemporaries);
}

int FileReplacer::RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, prefix)) {
            continue;
        }
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // A writer that holds the lock is still at work. Once we hold it, the
        // name must still be the file we locked (a writer may have renamed it).
        struct stat locked {};
        struct stat named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &locked) == 0 &&
            S_ISREG(locked.st_mode) && ::lstat(path.c_str(), &named) == 0 &&
            named.st_dev == locked.st_dev && named.st_ino == locked.st_ino &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

void FileReplacer::SetUnnamedTemporaries(bool allowed) {
    unnamedTemporaries = allowed;
}

} // namespace kelvory
