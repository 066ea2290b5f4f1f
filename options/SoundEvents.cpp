// SPDX-License-Identifier: MIT
#include "options/SoundEvents.h"

#include <algorithm>

namespace kelvory {

SoundEvents::SoundEvents(GameState& state, const SoundImages& images, SoundPlayer& player,
                         Clock& clock, EventPump& pump)
    : state_(state), images_(images), player_(player), clock_(clock), pump_(pump) {}

void SoundEvents::PlayIfOn(bool GameState::*own, const SoundImage& image) {
    if (state_.Sound && state_.*own) {
        player_.PlayImage(image);
    }
}

void SoundEvents::PlayStopSound() {
    PlayIfOn(&GameState::sndStop, images_.StopSoundImage);
}
void SoundEvents::PlaySpinSound() {
    PlayIfOn(&GameState::sndSpin, images_.SpinSoundImage);
}
void SoundEvents::PlayCoinSound() {
    PlayIfOn(&GameState::sndCoins, images_.CoinSoundImage);
}
void SoundEvents::PlayCreditSound() {
    PlayIfOn(&GameState::sndCredits, images_.CreditSoundImage);
}

void SoundEvents::PlayWinSound() {
    if (state_.Sound && state_.sndWin) {
        PlayFileAndWait(state_.WinSound);
    }
}

void SoundEvents::PlayLoseSound() {
    if (state_.Sound && state_.sndLose) {
        PlayFileAndWait(state_.LoseSound);
    }
}

void SoundEvents::PlayFileAndWait(const std::string& path) {
    if (cutShort_) {
        return;
    }
    // Copy the path: a handler running during the wait may change the field.
    const std::string file = path;
    const double start = clock_.NowMs();
    const double deadline = start + player_.PlayFile(file);
    while (!cutShort_ && clock_.NowMs() < deadline) {
        pump_.WaitUntil(deadline);
    }
}

void SoundEvents::SetVolume(int percent) {
    player_.SetVolume(std::clamp(percent, 0, 100));
}

void SoundEvents::PreviewCoinSound() {
    player_.PlayImage(images_.CoinSoundImage);
}

void SoundEvents::SetCutShort(bool on) {
    if (on && !cutShort_) {
        player_.Stop();
    }
    cutShort_ = on;
}

} // namespace kelvory
