// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace kelvory {

// Our six game sounds, synthesised from sine partials and filtered noise.
// Each returns mono samples in -1..1 at kSampleRate, starting and ending with
// a short fade so that no sound clicks, even when it is cut off.
class SoundSynth {
  public:
    static constexpr int kSampleRate = 44100;

    static std::vector<double> StopSound();   // a reel comes to rest: a soft click
    static std::vector<double> SpinSound();   // the reels spinning: a short whirr
    static std::vector<double> CoinSound();   // a coin goes in: a metallic clink
    static std::vector<double> CreditSound(); // a credit is paid: a bright tick
    static std::vector<double> WinSound();    // a winning spin: a rising jingle
    static std::vector<double> LoseSound();   // a losing spin: a low falling tone

  private:
    struct Partial {
        double Frequency;
        double Amplitude;
        double DecayPerSecond;
    };
    static std::vector<double> Silence(double ms);
    // Adds decaying sine partials starting at startMs.
    static void AddPartials(std::vector<double>& out, double startMs,
                            const std::vector<Partial>& partials);
    // Fades in over inMs and out over outMs (raised cosine), then scales the
    // loudest sample to peak.
    static void Finish(std::vector<double>& out, double inMs, double outMs, double peak);
};

} // namespace kelvory
