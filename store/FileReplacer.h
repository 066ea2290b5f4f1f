// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kelvory {

// Replaces a file's whole content so that a crash or a kill at any moment
// leaves either the old or the new content, and no stray files.
//
// The new content goes to an unnamed temporary file in the target's folder
// (O_TMPFILE), is flushed to disk, linked under a hidden name
// ".<name>.XXXXXX" and renamed over the target. Where the file system has no
// unnamed files, a named temporary file of the same form is used. A writer
// holds an exclusive lock on its temporary file until the rename, so that
// RemoveStaleTemporaries can tell the leftovers of a killed writer from the
// file of a running one.
//
// Where the folder takes no new file (read-only folder) but the file itself is
// writable, the file is rewritten in place instead, journaled so that the
// next start can finish or undo a rewrite a kill interrupted (InPlaceRewrite).
namespace FileReplacer {
// False when the content could not be stored; the file is unchanged then,
// unless the in-place rewrite failed halfway.
bool Replace(const std::string& target, std::string_view text, mode_t mode);

// Writes the whole text at an offset of the file (pwrite, again after an
// interruption); false on an error.
bool WriteAt(int fd, std::string_view text, std::size_t offset);

// Deletes the temporary files of the target that no running writer holds.
// Returns how many were deleted.
int RemoveStaleTemporaries(const std::string& target);

// Whether unnamed temporary files are tried first (the default). Tests
// switch them off to exercise named temporary files.
void SetUnnamedTemporaries(bool allowed);
} // namespace FileReplacer

} // namespace kelvory
