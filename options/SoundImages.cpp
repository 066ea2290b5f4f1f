// SPDX-License-Identifier: MIT
#include "options/SoundImages.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {
std::string ErrorText(int error) {
    if (error == ENOENT) {
        return "File not found";
    }
    return std::strerror(error);
}

// A pipe or a device may block or never end, and a folder's size is
// meaningless: only a regular file is read.
std::string NotRegularError(const struct stat& info) {
    if (S_ISREG(info.st_mode)) {
        return {};
    }
    return ErrorText(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
}

// Reads the open file to its end; only a regular file of at most
// kMaxFileBytes is read.
std::string ReadOpenFile(int fd, SoundImage& image) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return ErrorText(errno);
    }
    if (std::string error = NotRegularError(info); !error.empty()) {
        return error;
    }
    // No sound is that long: such a file counts as a missing one.
    if (info.st_size > static_cast<off_t>(SoundImages::kMaxFileBytes)) {
        return ErrorText(ENOENT);
    }
    SoundImage bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorText(errno);
        }
        // A file still growing is cut off at the limit, as one that was too long.
        if (bytes.size() + static_cast<std::size_t>(count) > SoundImages::kMaxFileBytes) {
            return ErrorText(ENOENT);
        }
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
    image = std::move(bytes);
    return {};
}
} // namespace

std::string SoundImages::ReadFile(const std::string& path, SoundImage& image) {
    image.clear();
    // Without blocking: opening a pipe for reading waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return ErrorText(errno);
    }
    std::string error = ReadOpenFile(fd, image);
    ::close(fd);
    return error;
}

std::string SoundImages::Load(const std::string& programDir) {
    SoundImage* const images[4] = {&StopSoundImage, &SpinSoundImage, &CoinSoundImage,
                                   &CreditSoundImage};
    std::string firstError;
    for (int i = 0; i < 4; ++i) {
        const std::string error = ReadFile(programDir + kFileNames[i], *images[i]);
        if (!error.empty() && firstError.empty()) {
            firstError = error;
        }
    }
    return firstError;
}

} // namespace kelvory
