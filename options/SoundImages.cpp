// SPDX-License-Identifier: MIT
#include "options/SoundImages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace kelvory {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string ErrorText(int error) {
    if (error == ENOENT) {
        return "File not found";
    }
    return std::strerror(error);
}
} // namespace

std::string SoundImages::ReadFile(const std::string& path, SoundImage& image) {
    image.clear();
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return ErrorText(errno != 0 ? errno : ENOENT);
    }
    // Only a regular file has a size to read: a folder opens, but its
    // reported size is meaningless.
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0) {
        return ErrorText(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return ErrorText(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    SoundImage bytes(size);
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (read != bytes.size()) {
        if (std::ferror(file.get()) != 0) {
            return ErrorText(errno != 0 ? errno : EIO);
        }
        return "Read beyond end of file";
    }
    image = std::move(bytes);
    return {};
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
