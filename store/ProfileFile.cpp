#include "ProfileFile.h"

#include "ProfileText.h"
#include "ProfileWriteError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& text) {
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

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
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

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes the text to a new file beside the target and renames it over the
// target. False on any failure; no temporary file is left behind then.
bool ReplaceFile(const std::string& target, const std::string& text, mode_t mode) {
    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + FileNameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace

std::string ProfileFile::Read(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        return defaultValue;
    }
    return ProfileText::Read(text, section, key, defaultValue);
}

void ProfileFile::Write(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
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
    if (!ReplaceFile(target, ProfileText::Write(text, section, key, value), mode)) {
        throw ProfileWriteError(path);
    }
}

} // namespace kelvory
