// SPDX-License-Identifier: MIT
// Writes the game's six sounds, KELVRY0.WAV .. KELVRY5.WAV, into the folder
// given as the only argument.
#include "assets/sounds/SoundSynth.h"
#include "options/WavImage.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}
} // namespace

int main(int argc, char** argv) {
    using kelvory::SoundSynth;
    namespace WavImage = kelvory::WavImage;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::vector<double> sounds[6] = {SoundSynth::StopSound(), SoundSynth::SpinSound(),
                                           SoundSynth::CoinSound(), SoundSynth::CreditSound(),
                                           SoundSynth::WinSound(),  SoundSynth::LoseSound()};
    for (int i = 0; i < 6; ++i) {
        const std::string path = std::string(argv[1]) + "/KELVRY" + std::to_string(i) + ".WAV";
        const auto bytes =
            WavImage::FromSamples(WavImage::ToPcm16(sounds[i]), SoundSynth::kSampleRate);
        if (!WriteFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
