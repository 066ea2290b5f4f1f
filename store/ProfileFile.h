// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
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
// file before the write or the file after it (in a read-only folder, once the
// next start has finished or undone an interrupted in-place rewrite). A write
// that cannot be done
// throws ProfileWriteError and changes nothing.
namespace ProfileFile {
// The whole text of the file; empty when it is missing or unreadable. The
// readers of the sections take this text, so that a start or a dialog reads
// the file once.
std::string ReadText(const std::string& path);

// The text as the start reads it, after clearing what a killed save left and
// finishing or undoing an in-place rewrite a kill interrupted.
std::string ReadAtStartUp(const std::string& path);

std::string Read(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& defaultValue);

// Writes the keys of every section, sections and keys in the given order,
// as one change of the file.
void Write(const std::string& path, const std::vector<ProfileSection>& sections);
void Write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value);

// Deletes what killed writers left beside the file (see FileReplacer).
void RemoveStaleTemporaries(const std::string& path);

// How many times this process has read the file (or tried to), reads before
// writes included.
std::size_t ReadCount();
} // namespace ProfileFile

} // namespace kelvory
