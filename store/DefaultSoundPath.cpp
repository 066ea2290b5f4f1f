// SPDX-License-Identifier: MIT
#include "store/DefaultSoundPath.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kelvory {

namespace {

// The part after the last "/" or "\": a settings file may come from a system
// that separates folders with backslashes.
std::string_view FileName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::ranges::equal(a, b, [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string DefaultSoundPath::Resolve(const std::string& saved, const std::string& currentDefault) {
    const std::string_view name = FileName(saved);
    if (saved == currentDefault || name.empty() ||
        !SameIgnoringCase(name, FileName(currentDefault))) {
        return saved;
    }
    // Only a file that is certainly gone is replaced; one that cannot be
    // checked (a folder without search permission) is kept.
    std::error_code error;
    const auto status = std::filesystem::status(saved, error);
    if (status.type() != std::filesystem::file_type::not_found) {
        return saved;
    }
    return currentDefault;
}

} // namespace kelvory
