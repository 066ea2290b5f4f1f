// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace kelvory {

// Rewrites a file in place, for a folder that takes no new file, so that a
// kill at any moment leaves the old or the new content once Recover has run.
//
// The new content first goes past the end of both the old and the new
// content, behind a one-line header (old length, new length, checksum), and
// is flushed. Only then is it copied to the front, flushed, and the file cut
// to the new length. Recover, run at start before the file is read, finds an
// interrupted rewrite by its header: a complete copy behind it is finished, an
// incomplete one is cut off, which leaves the old content untouched.
namespace InPlaceRewrite {
// Where a test stops the rewrite, as a kill would: after the header, halfway
// through the new content behind it, after it, halfway through the copy to
// the front, after the copy.
enum class Stop { Never, AfterHeader, HalfCopy, AfterCopy, HalfFront, AfterFront };

// False when the file could not be rewritten; a failure before the copy to
// the front leaves the old content.
bool Rewrite(const std::string& target, std::string_view text, Stop stop = Stop::Never);

// Finishes or undoes a rewrite that a kill interrupted, given the file's
// text as read, and returns the text the file holds then. A file without an
// interrupted rewrite is not touched.
std::string Recover(const std::string& target, std::string file);
} // namespace InPlaceRewrite

} // namespace kelvory
