// SPDX-License-Identifier: MIT
#pragma once

#include "game/ParSheet.h"

#include <complex>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace kelvory {

// The exact probability of every net result (pays less stakes) after a number
// of spins at one credit and a number at two: the convolution of the one-spin
// pay distributions of the odds sheet, worked out in the Fourier domain. Only
// tail mass below kDroppedMass is left out; no approximation is made.
class NetDistribution {
  public:
    static constexpr double kDroppedMass = 1e-15;

    // No spins: a net result of 0 for certain.
    NetDistribution() = default;
    static NetDistribution After(const ParSheet& sheet, std::int64_t oneCreditSpins,
                                 std::int64_t twoCreditSpins);
    // How many spins were played at each stake.
    struct Mix {
        std::int64_t oneCreditSpins = 0;
        std::int64_t twoCreditSpins = 0;
    };
    // The quantiles at `levels` of the net result after each mix, as Quantile
    // gives them; faster than one by one: the transforms of the one-spin pays
    // are shared, and after many spins the few frequencies that still count
    // give the cumulative probabilities directly.
    static std::vector<std::vector<std::int64_t>>
    QuantilesAfterEach(const ParSheet& sheet, const std::vector<Mix>& mixes,
                       const std::vector<double>& levels);
    // Spins all at the stake of `odds`.
    static NetDistribution After(const ParSheet::Stake& odds, std::int64_t spins);

    // The smallest and largest net results kept.
    std::int64_t Lowest() const { return lowest_; }
    std::int64_t Highest() const { return lowest_ + std::int64_t(probabilities_.size()) - 1; }
    double Probability(std::int64_t net) const;
    // The smallest net result n with P(net <= n) >= q.
    std::int64_t Quantile(double q) const;
    // P(net > n).
    double ChanceAbove(std::int64_t net) const;
    double Mean() const;

  private:
    struct Part {
        const ParSheet::Stake* odds;
        std::int64_t spins;
    };
    using Spectrum = std::vector<std::complex<double>>;
    // The transform of one spin's pays, by the stake's odds and the length.
    struct OneSpin {
        Spectrum spectrum;
        std::vector<double> logMagnitudes;
    };
    using Spectra = std::map<std::pair<const ParSheet::Stake*, std::size_t>, OneSpin>;
    // The sum of the pays: where it lies but for kDroppedMass, the transform's
    // length, the stakes and the transform of the sum itself.
    struct Sum {
        std::int64_t first = 0;
        std::int64_t last = 0;
        std::int64_t staked = 0;
        Spectrum spectrum;
    };
    static Sum SumOf(const std::vector<Part>& parts, Spectra& spectra);
    static NetDistribution Of(const std::vector<Part>& parts, Spectra& spectra);
    static NetDistribution FromSum(Sum sum);
    static std::vector<std::int64_t> SparseQuantiles(const Sum& sum,
                                                     const std::vector<double>& levels);

    std::int64_t lowest_ = 0;
    std::vector<double> probabilities_{1.0};
};

} // namespace kelvory
