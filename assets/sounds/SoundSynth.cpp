// SPDX-License-Identifier: MIT
#include "assets/sounds/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvory {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t SampleAt(double ms) {
    return static_cast<std::size_t>(ms * SoundSynth::kSampleRate / 1000.0);
}

// A small deterministic noise source, so every build makes the same files.
class Noise {
  public:
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_ = 12345u;
};
} // namespace

std::vector<double> SoundSynth::Silence(double ms) {
    return std::vector<double>(SampleAt(ms));
}

void SoundSynth::AddPartials(std::vector<double>& out, double startMs,
                             const std::vector<Partial>& partials) {
    for (std::size_t i = SampleAt(startMs); i < out.size(); ++i) {
        const double t = static_cast<double>(i - SampleAt(startMs)) / kSampleRate;
        double sum = 0.0;
        for (const Partial& p : partials) {
            sum +=
                p.Amplitude * std::sin(kTwoPi * p.Frequency * t) * std::exp(-p.DecayPerSecond * t);
        }
        out[i] += sum;
    }
}

void SoundSynth::Finish(std::vector<double>& out, double inMs, double outMs, double peak) {
    const std::size_t in = std::max<std::size_t>(1, SampleAt(inMs));
    const std::size_t fadeOut = std::max<std::size_t>(1, SampleAt(outMs));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double gain = 1.0;
        if (i < in) {
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / in);
        }
        const std::size_t fromEnd = out.size() - 1 - i;
        if (fromEnd < fadeOut) {
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(fromEnd) / fadeOut);
        }
        out[i] *= gain;
    }
    double loudest = 0.0;
    for (const double s : out) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0) {
        for (double& s : out) {
            s *= peak / loudest;
        }
    }
}

std::vector<double> SoundSynth::StopSound() {
    // A wooden "tock": a low body that dies fast, a short filtered noise
    // transient on top.
    std::vector<double> out = Silence(70);
    AddPartials(out, 0, {{170.0, 1.0, 70.0}, {340.0, 0.45, 110.0}, {1250.0, 0.25, 260.0}});
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < SampleAt(8) && i < out.size(); ++i) {
        low += 0.35 * (noise.Next() - low);
        out[i] += 0.6 * low * std::exp(-static_cast<double>(i) / SampleAt(2));
    }
    Finish(out, 0.4, 12, 0.55);
    return out;
}

std::vector<double> SoundSynth::SpinSound() {
    // Low-passed noise under a raised-cosine swell with a faint low hum: a
    // soft whirr that joins smoothly when it repeats.
    std::vector<double> out = Silence(55);
    Noise noise;
    double low = 0.0;
    double lower = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        low += 0.08 * (noise.Next() - low);
        lower += 0.3 * (low - lower);
        const double t = static_cast<double>(i) / kSampleRate;
        const double hum = 0.15 * std::sin(kTwoPi * (110.0 + 400.0 * t) * t);
        const double swell = std::sin(std::numbers::pi * static_cast<double>(i) / out.size());
        out[i] = (lower * 3.0 + hum) * swell;
    }
    Finish(out, 3, 8, 0.22);
    return out;
}

std::vector<double> SoundSynth::CoinSound() {
    // Metal partials (inharmonic, slowly decaying) struck twice: the coin
    // drops, then settles.
    std::vector<double> out = Silence(240);
    const std::vector<Partial> metal{
        {2093.0, 1.0, 22.0}, {3301.0, 0.55, 30.0}, {4710.0, 0.35, 45.0}, {6120.0, 0.18, 60.0}};
    AddPartials(out, 0, metal);
    std::vector<Partial> settle = metal;
    for (Partial& p : settle) {
        p.Amplitude *= 0.45;
        p.DecayPerSecond *= 1.4;
    }
    AddPartials(out, 55, settle);
    Finish(out, 0.5, 30, 0.5);
    return out;
}

std::vector<double> SoundSynth::CreditSound() {
    // A bright, very short tick: full strength within half a millisecond and
    // most of its energy in the first ten, so that it still sounds whole when
    // the next credit cuts it off after five.
    std::vector<double> out = Silence(45);
    AddPartials(out, 0, {{2637.0, 1.0, 90.0}, {3951.0, 0.5, 140.0}, {5274.0, 0.2, 200.0}});
    Finish(out, 0.3, 10, 0.42);
    return out;
}

std::vector<double> SoundSynth::WinSound() {
    // A rising major arpeggio of bell tones, the top note held a little.
    std::vector<double> out = Silence(760);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int n = 0; n < 4; ++n) {
        const double f = notes[n];
        const double decay = n == 3 ? 5.0 : 9.0;
        AddPartials(out, n * 110.0,
                    {{f, 1.0, decay}, {2 * f, 0.35, decay * 1.8}, {3 * f, 0.12, decay * 2.5}});
    }
    Finish(out, 1, 60, 0.5);
    return out;
}

std::vector<double> SoundSynth::LoseSound() {
    // A soft low tone gliding down a fourth, with a rounded (few-harmonic)
    // timbre.
    std::vector<double> out = Silence(420);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = 196.0 * std::pow(0.75, std::min(1.0, t / 0.35));
        phase += kTwoPi * f / kSampleRate;
        out[i] = (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase)) *
                 std::exp(-2.5 * t);
    }
    Finish(out, 6, 80, 0.45);
    return out;
}

} // namespace kelvory
