// SPDX-License-Identifier: MIT
#pragma once

#include "SoundPlayer.h"

#include <map>
#include <string>

struct Mix_Chunk;

namespace kelvory {

// Plays sounds through SDL2_mixer on a single channel, so that each request
// ends the sound in progress. In-memory images are decoded on their first
// play and kept. Without a usable sound device the player falls back to SDL's
// silent "dummy" driver, and if even that fails it plays nothing; no error is
// shown in either case.
class SdlSoundPlayer : public SoundPlayer {
  public:
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBufferFrames = 512;

    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void PlayImage(const SoundImage& image) override;
    double PlayFile(const std::string& path) override;
    void Stop() override;

    // True while a sound is being played out.
    bool IsPlaying() const;
    // True when an audio device (real or the dummy driver) is open.
    bool IsOpen() const { return open_; }
    // The SDL driver in use ("pulseaudio", "disk", "dummy", ...), or "".
    std::string DriverName() const;

  private:
    struct CachedChunk {
        std::size_t size = 0;
        Mix_Chunk* chunk = nullptr;
        bool decoded = false;
    };

    bool OpenAudio();
    Mix_Chunk* Decode(const SoundImage& image);
    double LengthMs(const Mix_Chunk* chunk) const;
    void Start(Mix_Chunk* chunk);

    bool open_ = false;
    std::map<const std::uint8_t*, CachedChunk> images_;
    Mix_Chunk* fileChunk_ = nullptr;
    Mix_Chunk* defaultChunk_ = nullptr;
};

} // namespace kelvory
