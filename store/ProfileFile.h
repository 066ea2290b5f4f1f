// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelvory {

// The keys one save writes into one section, in the order they are written.
struct ProfileSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Values;
};

// The profile file on disk. A read never fails: a missing or unreadable file
// gives the default. A write creates the file and its sections when needed,
// keeps every byte it does not write, and stores all its values with one
// replace of the file (FileReplacer), so a crash or a kill leaves either the
// file before the write or the file after it. A write that cannot be done
// throws ProfileWriteError and changes nothing.
namespace ProfileFile {
std::string Read(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& defaultValue);

// Writes the keys of every section, sections and keys in the given order,
// as one change of the file.
void Write(const std::string& path, const std::vector<ProfileSection>& sections);
void Write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value);

// Deletes what killed writers left beside the file (see FileReplacer).
void RemoveStaleTemporaries(const std::string& path);
} // namespace ProfileFile

} // namespace kelvory
