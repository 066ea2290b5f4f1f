#pragma once

#include <string>

namespace kelvory {

// The profile file on disk: one value read or written per call. A read never
// fails: a missing or unreadable file gives the default. A write creates the
// file and the section when needed and replaces the file atomically (a
// temporary file in the same folder, flushed to disk, renamed over it), so a
// crash or a kill leaves either the old or the new file. A write that cannot
// be done throws ProfileWriteError.
class ProfileFile {
  public:
    static std::string Read(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue);
    static void Write(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value);
};

} // namespace kelvory
