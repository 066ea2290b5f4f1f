// SPDX-License-Identifier: MIT
#pragma once

#include "SoundImages.h"

namespace kelvory {

// The sound played in place of a win or lose file that cannot be played: a
// short, soft two-tone chime made here in memory, so that it is always there.
class DefaultSound {
  public:
    static constexpr int kSampleRate = 22050;
    static constexpr double kLengthMs = 220.0;

    // The chime as a whole WAV file; made once, on first use.
    static const SoundImage& Image();
};

} // namespace kelvory
