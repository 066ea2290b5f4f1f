// SPDX-License-Identifier: MIT
// Fuzz target for the profile file text: any input is read as a file; a
// write must read back and must leave every other value as it was.
#include "store/ProfileText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ProfileText = kelvory::ProfileText;

namespace {

struct Probe {
    const char* section;
    const char* key;
};

constexpr Probe kProbes[] = {
    {"Settings", "Credits"},
    {"Settings", "Speed"},
    {"settings", "WinSound"},
    {"Saved Game 1", "Name"},
    {"Saved Game 2", "Credits"},
    {"S", "k"},
    {"", ""},
    {"A", "x"},
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What a read gives back for a written value: one line, blanks trimmed, at
// most 1023 bytes (never half a UTF-8 character).
std::string Expected(std::string_view value) {
    std::string line;
    for (const char c : value) {
        line.push_back(c == '\n' || c == '\r' ? ' ' : c);
    }
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
    if (line.size() > ProfileText::kMaxValueLength) {
        std::size_t end = ProfileText::kMaxValueLength;
        while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
            --end;
        }
        line.resize(end);
    }
    return line;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string before[std::size(kProbes)];
    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
        before[i] = ProfileText::Read(text, kProbes[i].section, kProbes[i].key, "\x01missing");
        Check(before[i] == "\x01missing" || before[i].size() <= ProfileText::kMaxValueLength);
    }
    // The first byte picks the key to write, the next ones make its value.
    const Probe target = kProbes[size > 0 ? data[0] % 6 : 0];
    const std::string value = text.substr(size > 0 ? 1 : 0, 48);
    const std::string after = ProfileText::Write(text, target.section, target.key, value);
    Check(ProfileText::Read(after, target.section, target.key, "\x01missing") == Expected(value));
    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
        if (SameName(kProbes[i].section, target.section) && SameName(kProbes[i].key, target.key)) {
            continue;
        }
        Check(ProfileText::Read(after, kProbes[i].section, kProbes[i].key, "\x01missing") ==
              before[i]);
    }
    // A whole section in one pass gives the text of one write per key.
    const std::vector<std::pair<std::string, std::string>> values = {
        {target.key, value}, {"Borrowed", text.substr(size / 2, 20)}, {"k", "x"}};
    std::string sequential = text;
    for (const auto& [key, keyValue] : values) {
        sequential = ProfileText::Write(sequential, target.section, key, keyValue);
    }
    Check(ProfileText::WriteSection(text, target.section, values) == sequential);
    (void)ProfileText::Prefix(text, size % 7);
    return 0;
}
