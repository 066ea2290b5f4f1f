// SPDX-License-Identifier: MIT
#include "options/SdlSoundPlayer.h"

#include "options/DefaultSound.h"
#include "options/SoundImages.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace kelvory {

namespace {
constexpr int kChannel = 0;

bool OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    // Exactly this format: SDL converts for the device, and what comes out of
    // the disk driver in tests is always 16-bit stereo at 44100 Hz.
    if (Mix_OpenAudioDevice(SdlSoundPlayer::kFrequency, AUDIO_S16SYS, SdlSoundPlayer::kChannels,
                            SdlSoundPlayer::kBufferFrames, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// Closes the source itself: the mixer does not free it when the data is not
// a sound it knows.
SdlSoundPlayer::Chunk DecodeAndClose(SDL_RWops* source) {
    if (source == nullptr) {
        return nullptr;
    }
    SdlSoundPlayer::Chunk chunk(Mix_LoadWAV_RW(source, 0));
    SDL_RWclose(source);
    return chunk;
}

SdlSoundPlayer::Chunk DecodeBytes(const void* data, std::size_t size) {
    if (size == 0 || size > static_cast<std::size_t>(INT32_MAX)) {
        return nullptr;
    }
    return DecodeAndClose(SDL_RWFromConstMem(data, static_cast<int>(size)));
}

// Read here, with the checks of every sound file, and handed to SDL as bytes:
// SDL's own loader would block on a pipe and read an endless device for ever.
SdlSoundPlayer::Chunk DecodeFile(const std::string& path) {
    SoundImage bytes;
    if (!SoundImages::ReadFile(path, bytes).empty()) {
        return nullptr;
    }
    return DecodeBytes(bytes.data(), bytes.size());
}
} // namespace

void SdlSoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

SdlSoundPlayer::SdlSoundPlayer() {
    open_ = OpenAudio();
    if (open_) {
        Mix_AllocateChannels(1);
        const SoundImage& chime = DefaultSound::Image();
        defaultChunk_ = DecodeBytes(chime.data(), chime.size());
    }
}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (open_) {
        Mix_HaltChannel(-1);
        // The sounds go before the device closes.
        images_.clear();
        fileChunk_.reset();
        defaultChunk_.reset();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // The program uses SDL for nothing else: release its global state too.
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

bool SdlSoundPlayer::OpenAudio() {
    if (OpenDevice()) {
        return true;
    }
    // No usable device: go on silently with the dummy driver.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    return OpenDevice();
}

std::string SdlSoundPlayer::DriverName() const {
    const char* name = open_ ? SDL_GetCurrentAudioDriver() : nullptr;
    return name != nullptr ? name : "";
}

Mix_Chunk* SdlSoundPlayer::Decode(const SoundImage& image) {
    auto cached = images_.find(image);
    if (cached == images_.end()) {
        cached = images_.emplace(image, DecodeBytes(image.data(), image.size())).first;
    }
    return cached->second.get();
}

void SdlSoundPlayer::Start(Mix_Chunk* chunk) {
    // A request on a busy channel replaces the sound playing there.
    Mix_PlayChannel(kChannel, chunk, 0);
}

void SdlSoundPlayer::PlayImage(const SoundImage& image) {
    if (!open_ || image.empty()) {
        return;
    }
    if (Mix_Chunk* chunk = Decode(image)) {
        Start(chunk);
    }
}

double SdlSoundPlayer::LengthMs(const Mix_Chunk* chunk) const {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (chunk == nullptr || Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0) {
        return 0.0;
    }
    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    if (frameBytes <= 0) {
        return 0.0;
    }
    return static_cast<double>(chunk->alen) / frameBytes * 1000.0 / frequency;
}

double SdlSoundPlayer::PlayFile(const std::string& path) {
    if (!open_) {
        return 0.0;
    }
    // The whole path, however long; the file is read each time it is played.
    // Replacing the previous file's sound halts it if it is still playing.
    fileChunk_ = DecodeFile(path);
    Mix_Chunk* chunk = fileChunk_ ? fileChunk_.get() : defaultChunk_.get();
    if (chunk == nullptr) {
        return 0.0;
    }
    Start(chunk);
    return LengthMs(chunk);
}

bool SdlSoundPlayer::IsPlaying() const {
    return open_ && Mix_Playing(kChannel) != 0;
}

void SdlSoundPlayer::SetVolume(int percent) {
    volumePercent_ = std::clamp(percent, 0, 100);
    if (open_) {
        // Rounded both ways, so that every percent reads back as itself.
        Mix_Volume(kChannel, (volumePercent_ * MIX_MAX_VOLUME + 50) / 100);
    }
}

int SdlSoundPlayer::Volume() const {
    if (!open_) {
        return volumePercent_;
    }
    return (Mix_Volume(kChannel, -1) * 100 + MIX_MAX_VOLUME / 2) / MIX_MAX_VOLUME;
}

void SdlSoundPlayer::Stop() {
    if (open_) {
        Mix_HaltChannel(kChannel);
    }
}

} // namespace kelvory
