// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace kelvory {

// A whole 16-bit PCM mono WAV file in memory (RIFF header and samples), as
// written by the sound generator and used for the built-in default sound.
namespace WavImage {
// Builds the file's bytes from the samples at the given sample rate.
std::vector<std::uint8_t> FromSamples(const std::vector<std::int16_t>& samples, int sampleRate);

// Converts samples in -1..1 to 16 bits, clamping overshoot.
std::vector<std::int16_t> ToPcm16(const std::vector<double>& samples);
} // namespace WavImage

} // namespace kelvory
