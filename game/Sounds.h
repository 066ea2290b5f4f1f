// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// The six sound events. Implementations apply the sound switches. The win and
// lose sounds return when the sound has ended (the window keeps running).
class Sounds {
  public:
    virtual ~Sounds() = default;
    virtual void PlayStopSound() = 0;
    virtual void PlaySpinSound() = 0;
    virtual void PlayCoinSound() = 0;
    virtual void PlayCreditSound() = 0;
    virtual void PlayWinSound() = 0;
    virtual void PlayLoseSound() = 0;
};

} // namespace kelvory
