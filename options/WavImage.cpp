// SPDX-License-Identifier: MIT
#include "options/WavImage.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kelvory {

namespace {
void PutText(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}
} // namespace

std::vector<std::uint8_t> WavImage::FromSamples(const std::vector<std::int16_t>& samples,
                                                int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutText(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, kChannels, 2);
    PutLittleEndian(out, rate, 4);
    PutLittleEndian(out, rate * kChannels * kBytesPerSample, 4);
    PutLittleEndian(out, kChannels * kBytesPerSample, 2);
    PutLittleEndian(out, 8 * kBytesPerSample, 2);
    PutText(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t s : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

std::vector<std::int16_t> WavImage::ToPcm16(const std::vector<double>& samples) {
    std::vector<std::int16_t> out;
    out.reserve(samples.size());
    for (const double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        out.push_back(static_cast<std::int16_t>(std::lround(clamped * 32767.0)));
    }
    return out;
}

} // namespace kelvory
