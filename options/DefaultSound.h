// SPDX-License-Identifier: MIT
#pragma once

#include "options/SoundImages.h"

namespace kelvory {

// The sound played in place of a win or lose file that cannot be played: a
// short, soft two-tone chime made here in memory, so that it is always there.
namespace DefaultSound {
inline constexpr int kSampleRate = 22050;
inline constexpr double kLengthMs = 220.0;

// The chime as a whole WAV file; made once, on first use.
const SoundImage& Image();
} // namespace DefaultSound

} // namespace kelvory
