// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/EventPump.h"
#include "game/GameState.h"
#include "game/Sounds.h"
#include "options/SoundImages.h"
#include "options/SoundPlayer.h"

#include <string>

namespace kelvory {

// The six sound events of the game. Each plays only while the master switch
// and its own switch are on, read at the moment of the call. The four quick
// sounds play from memory and return at once; the win and lose sounds play
// their files and return when the sound has ended, pumping the window's events
// meanwhile so that it keeps repainting.
class SoundEvents : public Sounds {
  public:
    SoundEvents(GameState& state, const SoundImages& images, SoundPlayer& player, Clock& clock,
                EventPump& pump);

    void PlayStopSound() override;
    void PlaySpinSound() override;
    void PlayCoinSound() override;
    void PlayCreditSound() override;
    void PlayWinSound() override;
    void PlayLoseSound() override;

    // Plays a file whatever the switches say, and returns when it has ended.
    void PlayFileAndWait(const std::string& path);

    // The loudness of every sound, in percent; a value out of 0 to 100 is
    // taken as the nearer end.
    void SetVolume(int percent);
    // The coin sound whatever the switches say, for the player to hear a new
    // volume.
    void PreviewCoinSound();

    // While on (the window is closing), the win and lose sounds and files are
    // not played, and one that is playing stops and its wait ends once the
    // pump returns.
    void SetCutShort(bool on);

  private:
    void PlayIfOn(bool GameState::*own, const SoundImage& image);

    GameState& state_;
    const SoundImages& images_;
    SoundPlayer& player_;
    Clock& clock_;
    EventPump& pump_;
    bool cutShort_ = false;
};

} // namespace kelvory
