// SPDX-License-Identifier: MIT
#pragma once

#include "options/SoundImages.h"

#include <string>

namespace kelvory {

// The audio output behind the sound events. One sound at a time: every request
// ends the sound in progress.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts an in-memory WAV image and returns at once. An image may be
    // decoded once and kept, found again by its bytes. An empty or unplayable
    // image plays nothing.
    virtual void PlayImage(const SoundImage& image) = 0;
    // Starts the WAV file at path, or the built-in default sound when the file
    // cannot be played, and returns at once with the sound's length in
    // milliseconds (0 when nothing plays).
    virtual double PlayFile(const std::string& path) = 0;
    // Ends the sound in progress, if any.
    virtual void Stop() = 0;
    // The loudness of every sound from now on, the one playing included, in
    // percent of full (0 to 100).
    virtual void SetVolume(int percent) = 0;
};

} // namespace kelvory
