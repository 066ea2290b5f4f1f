// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/EventPump.h"
#include "options/SoundPlayer.h"

#include <string>
#include <vector>

namespace kelvory::test {

// A virtual clock and pump, and a player that records what it was asked to
// play: the sound events run without audio and without real time.
class FakeSoundWorld : public Clock, public EventPump, public SoundPlayer {
  public:
    double NowMs() override { return now; }
    std::uint32_t MsSinceMidnightUtc() override { return 0; }
    void WaitUntil(double deadlineMs) override {
        ++pumpCalls;
        if (deadlineMs > now) {
            now = deadlineMs;
        }
    }
    void PlayImage(const SoundImage& image) override {
        images.push_back(&image);
        imageVolumes.push_back(volume);
    }
    double PlayFile(const std::string& path) override {
        files.push_back(path);
        return fileLengthMs;
    }
    void Stop() override { ++stops; }
    void SetVolume(int percent) override { volume = percent; }

    int Count(const SoundImage& image) const {
        int n = 0;
        for (const SoundImage* played : images) {
            n += played == &image ? 1 : 0;
        }
        return n;
    }

    double now = 0.0;
    int pumpCalls = 0;
    int stops = 0;
    double fileLengthMs = 300.0;
    int volume = 100;
    std::vector<const SoundImage*> images;
    std::vector<int> imageVolumes; // the volume each image played at
    std::vector<std::string> files;
};

} // namespace kelvory::test
