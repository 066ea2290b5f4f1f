// SPDX-License-Identifier: MIT
// How quickly a sound request comes out, and what a request costs the GUI
// thread, with SDL's disk driver standing in for the sound card (its output
// file is read as it grows).
#include "options/SdlSoundPlayer.h"
#include "options/SoundImages.h"

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace kelvory;
using Clock = std::chrono::steady_clock;

namespace {
struct DiskOutput {
    std::string path;
    int fd = -1;

    DiskOutput() {
        char name[] = "/tmp/kelvory-bench-XXXXXX";
        const int made = mkstemp(name);
        if (made >= 0) {
            close(made);
        }
        path = name;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    }
    ~DiskOutput() {
        if (fd >= 0) {
            close(fd);
        }
        unlink(path.c_str());
    }
    void Open() { fd = open(path.c_str(), O_RDONLY); }
    // Reads what was written since the last call; true if it holds sound.
    bool ReadAudible() {
        std::vector<std::int16_t> buffer(8192);
        bool audible = false;
        for (;;) {
            const ssize_t n = read(fd, buffer.data(), buffer.size() * 2);
            if (n <= 0) {
                return audible;
            }
            for (ssize_t i = 0; i < n / 2; ++i) {
                audible = audible || std::abs(buffer[static_cast<std::size_t>(i)]) > 64;
            }
        }
    }
};

SoundImage CreditImage() {
    SoundImage image;
    SoundImages::ReadFile(std::string(KELVORY_RUNTIME_DIR) + "/KELVRY3.WAV", image);
    return image;
}
} // namespace

// From PlayImage to the first audible sample written by the audio thread.
static void BM_RequestToFirstSample(benchmark::State& state) {
    DiskOutput output;
    SdlSoundPlayer player;
    output.Open();
    const SoundImage credit = CreditImage();
    if (!player.IsOpen() || output.fd < 0 || credit.empty()) {
        state.SkipWithError("no disk audio output or no sound file");
        return;
    }
    for (auto _ : state) {
        // Let the previous tick die away, then drop what was written so far.
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        output.ReadAudible();
        const auto start = Clock::now();
        player.PlayImage(credit);
        while (!output.ReadAudible()) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            if (Clock::now() - start > std::chrono::seconds(2)) {
                state.SkipWithError("sound never came out");
                return;
            }
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(BM_RequestToFirstSample)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

namespace {
// Set by the mixer's post-mix hook when the audio thread mixes the first
// audible sample after the request (nanoseconds of the steady clock).
std::atomic<long long> firstMixed{0};

void NoteAudible(void*, Uint8* stream, int length) {
    if (firstMixed.load() != 0) {
        return;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    for (int i = 0; i < length / 2; ++i) {
        if (std::abs(samples[i]) > 64) {
            firstMixed = Clock::now().time_since_epoch().count();
            return;
        }
    }
}
} // namespace

// From PlayImage to the audio thread mixing the first audible sample: the
// latency up to the device, without the disk driver's own file buffering.
static void BM_RequestToFirstMixedSample(benchmark::State& state) {
    DiskOutput output;
    SdlSoundPlayer player;
    const SoundImage credit = CreditImage();
    if (!player.IsOpen() || credit.empty()) {
        state.SkipWithError("no audio output or no sound file");
        return;
    }
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        firstMixed = -1; // ignore what is still being mixed
        Mix_SetPostMix(NoteAudible, nullptr);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        firstMixed = 0;
        const auto start = Clock::now();
        player.PlayImage(credit);
        while (firstMixed.load() <= 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            if (Clock::now() - start > std::chrono::seconds(2)) {
                state.SkipWithError("sound never came out");
                return;
            }
        }
        const auto mixed = Clock::time_point(Clock::duration(firstMixed.load()));
        state.SetIterationTime(std::chrono::duration<double>(mixed - start).count());
    }
    Mix_SetPostMix(nullptr, nullptr);
}
BENCHMARK(BM_RequestToFirstMixedSample)
    ->UseManualTime()
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

// The GUI thread's cost of one credit sound in the 5 ms count-up.
static void BM_PlayCallEvery5ms(benchmark::State& state) {
    DiskOutput output;
    SdlSoundPlayer player;
    const SoundImage credit = CreditImage();
    if (!player.IsOpen() || credit.empty()) {
        state.SkipWithError("no audio output or no sound file");
        return;
    }
    player.PlayImage(credit); // the first call decodes the image
    for (auto _ : state) {
        const auto start = Clock::now();
        player.PlayImage(credit);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
BENCHMARK(BM_PlayCallEvery5ms)->UseManualTime()->Iterations(400)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
