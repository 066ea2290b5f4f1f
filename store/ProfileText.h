// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvory {

// The INI text of the profile file, read and edited one value at a time.
// A write changes only the line of its key (or adds one line, or a section
// header and one line); every other byte of the text stays as it was, so
// unknown sections, keys, comments, blank lines and line ends are kept.
// Section and key names are compared without regard to ASCII case; blanks
// around names and values do not count.
namespace ProfileText {
// At most this many bytes of a stored value are seen by a read.
inline constexpr std::size_t kMaxValueLength = 1023;

// The stored value of the key, at most maxLength bytes of it, or
// defaultValue when the section or the key is missing.
std::string Read(std::string_view text, std::string_view section, std::string_view key,
                 std::string_view defaultValue, std::size_t maxLength = kMaxValueLength);

// The text with the key set to the value, creating the section and the
// key when missing. Line breaks inside the value become blanks, as a value
// is one line.
std::string Write(std::string_view text, std::string_view section, std::string_view key,
                  std::string_view value);

// The text with every key of the section set, in order: the same text as
// one Write per key, made in one pass over the text.
std::string WriteSection(std::string_view text, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values);

// The first maxChars characters of a UTF-8 text, never splitting a
// character.
std::string Prefix(std::string_view text, std::size_t maxChars);
} // namespace ProfileText

} // namespace kelvory
