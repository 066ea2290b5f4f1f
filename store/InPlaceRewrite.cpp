// SPDX-License-Identifier: MIT
#include "store/InPlaceRewrite.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

// A comment line to a reader of the file, should one ever see it.
constexpr std::string_view kMagic = ";kelvory in-place rewrite ";

struct Header {
    std::size_t oldSize = 0;
    std::size_t newSize = 0;
    std::uint64_t sum = 0;
};

std::uint64_t Checksum(std::string_view text) {
    // FNV-1a, 64 bits: enough to tell a complete copy from a torn one.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

std::string HeaderLine(const Header& header) {
    char line[96];
    std::snprintf(line, sizeof line, "%zu %zu %016llx\n", header.oldSize, header.newSize,
                  static_cast<unsigned long long>(header.sum));
    return std::string(kMagic) + line;
}

// Reads a header line at the start of text; false when it is none.
bool ParseHeader(std::string_view text, Header& header, std::size_t& length) {
    if (!text.starts_with(kMagic)) {
        return false;
    }
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return false;
    }
    const char* p = text.data() + kMagic.size();
    const char* last = text.data() + end;
    auto field = [&](auto& value, int base) {
        const auto [next, error] = std::from_chars(p, last, value, base);
        if (error != std::errc() || next == p) {
            return false;
        }
        p = next < last && *next == ' ' ? next + 1 : next;
        return true;
    };
    if (!field(header.oldSize, 10) || !field(header.newSize, 10) || !field(header.sum, 16) ||
        p != last) {
        return false;
    }
    length = end + 1;
    return true;
}

bool WriteAt(int fd, std::string_view text, std::size_t offset) {
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

bool ReadAll(int fd, std::string& text) {
    text.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// The copy to the front and the cut; the journal behind stays until the cut.
bool Finish(int fd, std::string_view text, InPlaceRewrite::Stop stop) {
    using Stop = InPlaceRewrite::Stop;
    if (stop == Stop::HalfFront) {
        return WriteAt(fd, text.substr(0, text.size() / 2), 0) && false;
    }
    if (!WriteAt(fd, text, 0) || ::fsync(fd) != 0) {
        return false;
    }
    if (stop == Stop::AfterFront) {
        return false;
    }
    return ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
}

} // namespace

bool InPlaceRewrite::Rewrite(const std::string& target, std::string_view text, Stop stop) {
    const int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        const Header header{static_cast<std::size_t>(info.st_size), text.size(), Checksum(text)};
        // Behind both contents, so that the copy to the front never reaches it.
        const std::size_t journal = std::max(header.oldSize, header.newSize);
        const std::string line = HeaderLine(header);
        ok = WriteAt(fd, line, journal) && stop != Stop::AfterHeader;
        if (ok && stop == Stop::HalfCopy) {
            ok = WriteAt(fd, text.substr(0, text.size() / 2), journal + line.size()) && false;
        }
        ok = ok && WriteAt(fd, text, journal + line.size()) && ::fsync(fd) == 0 &&
             stop != Stop::AfterCopy && Finish(fd, text, stop);
    }
    ok = ::close(fd) == 0 && ok;
    if (!ok && stop == Stop::Never) {
        // A failed write (a full disk, say) leaves no journal behind: the old
        // content comes back, or a complete copy is finished.
        Recover(target);
    }
    return ok;
}

void InPlaceRewrite::Recover(const std::string& target) {
    const int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    std::string file;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, file)) {
        // The journal starts a line; the last one found is the rewrite's own.
        for (std::size_t at = file.rfind(kMagic); at != std::string::npos;
             at = at == 0 ? std::string::npos : file.rfind(kMagic, at - 1)) {
            Header header;
            std::size_t length = 0;
            if (!ParseHeader(std::string_view(file).substr(at), header, length) ||
                at != std::max(header.oldSize, header.newSize)) {
                continue;
            }
            const std::string_view copy = std::string_view(file).substr(at + length);
            if (copy.size() >= header.newSize &&
                Checksum(copy.substr(0, header.newSize)) == header.sum) {
                Finish(fd, copy.substr(0, header.newSize), Stop::Never);
            } else if (::ftruncate(fd, static_cast<off_t>(header.oldSize)) == 0) {
                ::fsync(fd);
            }
            break;
        }
    }
    ::close(fd);
}

} // namespace kelvory
