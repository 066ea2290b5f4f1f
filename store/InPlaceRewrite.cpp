// SPDX-License-Identifier: MIT
#include "store/InPlaceRewrite.h"

#include "store/FileReplacer.h"

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

// The copy to the front and the cut; the journal behind stays until the cut.
bool Finish(int fd, std::string_view text, InPlaceRewrite::Stop stop) {
    using Stop = InPlaceRewrite::Stop;
    if (stop == Stop::HalfFront) {
        return FileReplacer::WriteAt(fd, text.substr(0, text.size() / 2), 0) && false;
    }
    if (!FileReplacer::WriteAt(fd, text, 0) || ::fsync(fd) != 0) {
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
    const std::size_t oldSize = ok ? static_cast<std::size_t>(info.st_size) : 0;
    bool journalDone = false;
    if (ok) {
        const Header header{oldSize, text.size(), Checksum(text)};
        // Behind both contents, so that the copy to the front never reaches it.
        const std::size_t journal = std::max(header.oldSize, header.newSize);
        const std::string line = HeaderLine(header);
        ok = FileReplacer::WriteAt(fd, line, journal) && stop != Stop::AfterHeader;
        if (ok && stop == Stop::HalfCopy) {
            ok =
                FileReplacer::WriteAt(fd, text.substr(0, text.size() / 2), journal + line.size()) &&
                false;
        }
        journalDone =
            ok && FileReplacer::WriteAt(fd, text, journal + line.size()) && ::fsync(fd) == 0;
        ok = journalDone && stop != Stop::AfterCopy && Finish(fd, text, stop);
    }
    if (!ok && stop == Stop::Never) {
        // A failed write (a full disk, say) leaves no journal behind: before
        // the copy to the front the old content comes back, after it the copy
        // is tried once more.
        if (!journalDone) {
            ::ftruncate(fd, static_cast<off_t>(oldSize));
        } else {
            Finish(fd, text, Stop::Never);
        }
    }
    ok = ::close(fd) == 0 && ok;
    return ok;
}

std::string InPlaceRewrite::Recover(const std::string& target, std::string file) {
    // The journal starts a line; the last one found is the rewrite's own.
    for (std::size_t at = file.rfind(kMagic); at != std::string::npos;
         at = at == 0 ? std::string::npos : file.rfind(kMagic, at - 1)) {
        Header header;
        std::size_t length = 0;
        if (!ParseHeader(std::string_view(file).substr(at), header, length) ||
            at != std::max(header.oldSize, header.newSize)) {
            continue;
        }
        const int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            return file; // read-only: nothing a rewrite here could have left
        }
        const std::string_view copy = std::string_view(file).substr(at + length);
        if (copy.size() >= header.newSize &&
            Checksum(copy.substr(0, header.newSize)) == header.sum) {
            std::string text(copy.substr(0, header.newSize));
            Finish(fd, text, Stop::Never);
            file = std::move(text);
        } else {
            if (::ftruncate(fd, static_cast<off_t>(header.oldSize)) == 0) {
                ::fsync(fd);
            }
            file.resize(header.oldSize);
        }
        ::close(fd);
        break;
    }
    return file;
}

} // namespace kelvory
