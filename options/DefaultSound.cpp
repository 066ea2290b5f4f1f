// SPDX-License-Identifier: MIT
#include "options/DefaultSound.h"

#include "options/WavImage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvory {

namespace {
SoundImage MakeChime() {
    constexpr double kFadeInMs = 3.0;
    const int count = static_cast<int>(DefaultSound::kSampleRate * DefaultSound::kLengthMs / 1000);
    std::vector<double> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / DefaultSound::kSampleRate;
        const double ms = t * 1000.0;
        // Two notes a fourth apart, each dying away; the second starts at 80 ms.
        const double first = std::sin(2 * std::numbers::pi * 784.0 * t) * std::exp(-t * 18.0);
        const double t2 = std::max(0.0, t - 0.080);
        const double second =
            t >= 0.080 ? std::sin(2 * std::numbers::pi * 1046.5 * t2) * std::exp(-t2 * 16.0) : 0.0;
        const double fadeIn = std::min(1.0, ms / kFadeInMs);
        const double fadeOut = std::min(1.0, (DefaultSound::kLengthMs - ms) / 10.0);
        samples[static_cast<std::size_t>(i)] = 0.35 * (first + second) * fadeIn * fadeOut;
    }
    return WavImage::FromSamples(WavImage::ToPcm16(samples), DefaultSound::kSampleRate);
}
} // namespace

const SoundImage& DefaultSound::Image() {
    static const SoundImage image = MakeChime();
    return image;
}

} // namespace kelvory
