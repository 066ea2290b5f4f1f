// SPDX-License-Identifier: MIT
#pragma once

#include "options/SoundPlayer.h"

#include <map>
#include <memory>
#include <string>

struct Mix_Chunk;

namespace kelvory {

// Plays sounds through SDL2_mixer on a single channel, so that each request
// ends the sound in progress. In-memory images are decoded on their first
// play and kept, found again by their bytes. Without a usable sound device
// the player falls back to SDL's silent "dummy" driver, and if even that fails
// it plays nothing; no error is shown in either case.
class SdlSoundPlayer : public SoundPlayer {
  public:
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBufferFrames = 512;

    // Frees a decoded sound; one that is playing stops.
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    // A decoded sound and its owner.
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void PlayImage(const SoundImage& image) override;
    double PlayFile(const std::string& path) override;
    void Stop() override;
    void SetVolume(int percent) override;

    // The loudness the mixer plays at, in percent.
    int Volume() const;

    // True while a sound is being played out.
    bool IsPlaying() const;
    // True when an audio device (real or the dummy driver) is open.
    bool IsOpen() const { return open_; }
    // The SDL driver in use ("pulseaudio", "disk", "dummy", ...), or "".
    std::string DriverName() const;

  private:
    bool OpenAudio();
    Mix_Chunk* Decode(const SoundImage& image);
    double LengthMs(const Mix_Chunk* chunk) const;
    void Start(Mix_Chunk* chunk);

    bool open_ = false;
    int volumePercent_ = 100; // kept while no device is open
    // Every image played so far with its sound; null when it could not be
    // decoded, so that it is not tried again.
    std::map<SoundImage, Chunk> images_;
    Chunk fileChunk_;
    Chunk defaultChunk_;
};

} // namespace kelvory
