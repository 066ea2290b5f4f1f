// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvory {

// The whole bytes of one WAV file, held in memory for the whole run.
using SoundImage = std::vector<std::uint8_t>;

// The four sounds that fire in quick succession, read once at start-up from
// KELVRY0.WAV .. KELVRY3.WAV so that playing them costs no file access.
class SoundImages {
  public:
    static constexpr const char* kFileNames[4] = {"KELVRY0.WAV", "KELVRY1.WAV", "KELVRY2.WAV",
                                                  "KELVRY3.WAV"};

    SoundImage StopSoundImage;
    SoundImage SpinSoundImage;
    SoundImage CoinSoundImage;
    SoundImage CreditSoundImage;

    // Reads the four files from programDir (which ends in a slash). A file that
    // cannot be read leaves its image empty (silent) and the others are still
    // read. Returns the error text of the first failure ("File not found" for
    // a missing file), or an empty text when all four were read.
    std::string Load(const std::string& programDir);

    // The longest file read: a longer one is treated as missing.
    static constexpr std::size_t kMaxFileBytes = 64 * 1024 * 1024;

    // Reads one whole regular file into image without ever blocking on the
    // path (a pipe or a device there is refused); returns the error text or
    // "". A file longer than kMaxFileBytes gives "File not found".
    static std::string ReadFile(const std::string& path, SoundImage& image);
};

} // namespace kelvory
