// SPDX-License-Identifier: MIT
#include "game/NetDistribution.h"

#include "game/Fourier.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <map>
#include <numbers>

namespace kelvory {

namespace {

// Probabilities within this of a quantile's level count as reaching it: the
// sums that make up the cumulative probability are rounded.
constexpr double kLevelTolerance = 1e-12;

// log E[exp(theta * pay)] for one spin, without overflow.
double LogMoment(const ParSheet::Stake& odds, double theta) {
    double top = -std::numeric_limits<double>::infinity();
    for (const ParSheet::Stake::Pay& pay : odds.pays) {
        top = std::max(top, theta * pay.amount + std::log(double(pay.count)));
    }
    double sum = 0;
    for (const ParSheet::Stake::Pay& pay : odds.pays) {
        sum += std::exp(theta * pay.amount + std::log(double(pay.count)) - top);
    }
    return top + std::log(sum) - std::log(double(odds.windows));
}

std::size_t PowerOfTwoAtLeast(std::int64_t size) {
    std::size_t length = 1;
    while (std::int64_t(length) < size) {
        length <<= 1;
    }
    return length;
}

} // namespace

NetDistribution NetDistribution::After(const ParSheet& sheet, std::int64_t oneCreditSpins,
                                       std::int64_t twoCreditSpins) {
    Spectra spectra;
    return Of({{&sheet.ForStake(1), oneCreditSpins}, {&sheet.ForStake(2), twoCreditSpins}},
              spectra);
}

NetDistribution NetDistribution::After(const ParSheet::Stake& odds, std::int64_t spins) {
    Spectra spectra;
    return Of({{&odds, spins}}, spectra);
}

std::vector<std::vector<std::int64_t>>
NetDistribution::QuantilesAfterEach(const ParSheet& sheet, const std::vector<Mix>& mixes,
                                    const std::vector<double>& levels) {
    Spectra spectra;
    std::vector<std::vector<std::int64_t>> quantiles;
    quantiles.reserve(mixes.size());
    for (const Mix& mix : mixes) {
        Sum sum = SumOf(
            {{&sheet.ForStake(1), mix.oneCreditSpins}, {&sheet.ForStake(2), mix.twoCreditSpins}},
            spectra);
        const auto length = double(sum.spectrum.size());
        const auto counting = std::count_if(sum.spectrum.begin(), sum.spectrum.end(),
                                            [](std::complex<double> z) { return z != 0.0; });
        // A sum over the frequencies that count for each of some 60 cumulative
        // probabilities, or one inverse transform.
        if (double(counting) * 60.0 * double(levels.size()) < 3.0 * length * std::log2(length)) {
            quantiles.push_back(SparseQuantiles(sum, levels));
            continue;
        }
        const NetDistribution distribution = FromSum(std::move(sum));
        std::vector<std::int64_t>& row = quantiles.emplace_back();
        for (const double level : levels) {
            row.push_back(distribution.Quantile(level));
        }
    }
    return quantiles;
}

NetDistribution NetDistribution::Of(const std::vector<Part>& parts, Spectra& spectra) {
    return FromSum(SumOf(parts, spectra));
}

NetDistribution::Sum NetDistribution::SumOf(const std::vector<Part>& parts, Spectra& spectra) {
    std::vector<Part> played;
    Sum sum;
    std::int64_t least = 0;
    std::int64_t most = 0;
    for (const Part& part : parts) {
        if (part.spins > 0 && !part.odds->pays.empty()) {
            played.push_back(part);
            sum.staked += part.spins * part.odds->stake;
            least += part.spins * part.odds->pays.front().amount;
            most += part.spins * part.odds->pays.back().amount;
        }
    }
    if (played.empty()) {
        sum.spectrum.assign(1, 1.0);
        return sum;
    }

    // Where the sum of the pays lies but for kDroppedMass / 4 on each side, by
    // the Chernoff bound P(sum >= a) <= exp(K(theta) - theta * a) for theta > 0
    // (and its mirror for theta < 0), K being the log moment of the sum. The
    // transform's length then only has to cover that window: what lies beyond
    // it folds back in, adding too little to matter.
    const double logLimit = std::log(kDroppedMass / 4);
    double low = double(least);
    double high = double(most);
    for (double exponent = -7; exponent <= 1; exponent += 0.025) {
        const double theta = std::pow(10.0, exponent);
        double upper = 0;
        double lower = 0;
        for (const Part& part : played) {
            upper += double(part.spins) * LogMoment(*part.odds, theta);
            lower += double(part.spins) * LogMoment(*part.odds, -theta);
        }
        high = std::min(high, (upper - logLimit) / theta);
        low = std::max(low, (lower - logLimit) / -theta);
    }
    sum.first = std::max(least, std::int64_t(std::floor(low)));
    sum.last = std::max(sum.first, std::min(most, std::int64_t(std::ceil(high))));
    const std::size_t length = PowerOfTwoAtLeast(sum.last - sum.first + 1);

    // Terms below this in the product add less than 1e-16 to any cumulative
    // probability; dropping them spares the powers of most frequencies.
    const double logNegligible = std::log(1e-18);
    sum.spectrum.assign(length, 1.0);
    std::vector<double> logMagnitudes(length, 0.0);
    for (const Part& part : played) {
        OneSpin& one = spectra[{part.odds, length}];
        if (one.spectrum.empty()) {
            one.spectrum.resize(length);
            for (const ParSheet::Stake::Pay& pay : part.odds->pays) {
                one.spectrum[std::size_t(pay.amount % std::int64_t(length))] +=
                    double(pay.count) / double(part.odds->windows);
            }
            Fourier::Forward(one.spectrum);
            one.logMagnitudes.resize(length);
            for (std::size_t k = 0; k < length; ++k) {
                one.logMagnitudes[k] = 0.5 * std::log(std::norm(one.spectrum[k]));
            }
        }
        for (std::size_t k = 0; k < length; ++k) {
            logMagnitudes[k] += double(part.spins) * one.logMagnitudes[k];
        }
    }
    for (std::size_t k = 0; k < length; ++k) {
        if (!(logMagnitudes[k] > logNegligible)) {
            sum.spectrum[k] = 0.0;
            continue;
        }
        double phase = 0;
        for (const Part& part : played) {
            phase += double(part.spins) * std::arg(spectra[{part.odds, length}].spectrum[k]);
        }
        sum.spectrum[k] = std::polar(std::exp(logMagnitudes[k]), phase);
    }
    return sum;
}

NetDistribution NetDistribution::FromSum(Sum sum) {
    NetDistribution result;
    Spectrum& values = sum.spectrum;
    if (values.size() == 1) {
        result.lowest_ = sum.first - sum.staked;
        return result;
    }
    Fourier::Inverse(values);
    const auto slot = [&values](std::int64_t value) {
        return std::size_t(value % std::int64_t(values.size()));
    };

    // Rounding leaves tiny values, some below zero, where nothing can happen.
    std::vector<double> probabilities(std::size_t(sum.last - sum.first + 1));
    for (std::int64_t pay = sum.first; pay <= sum.last; ++pay) {
        probabilities[std::size_t(pay - sum.first)] = std::max(0.0, values[slot(pay)].real());
    }
    std::size_t begin = 0;
    for (double dropped = probabilities[0];
         begin + 1 < probabilities.size() && dropped < kDroppedMass / 4;
         dropped += probabilities[++begin]) {
    }
    std::size_t end = probabilities.size();
    for (double dropped = probabilities[end - 1]; end - 1 > begin && dropped < kDroppedMass / 4;
         dropped += probabilities[--end - 1]) {
    }
    double total = 0;
    for (std::size_t i = begin; i < end; ++i) {
        total += probabilities[i];
    }
    result.probabilities_.assign(probabilities.begin() + std::ptrdiff_t(begin),
                                 probabilities.begin() + std::ptrdiff_t(end));
    for (double& probability : result.probabilities_) {
        probability /= total;
    }
    result.lowest_ = sum.first + std::int64_t(begin) - sum.staked;
    return result;
}

std::vector<std::int64_t> NetDistribution::SparseQuantiles(const Sum& sum,
                                                           const std::vector<double>& levels) {
    // P(first <= pay sum <= first + count - 1) is the real part of the sum over
    // the frequencies w of F(w) e^(i w first) (1 - e^(i w count)) / (1 - e^(i w))
    // / length, with count / length for w = 0.
    struct Term {
        std::complex<double> factor;
        double frequency;
    };
    const auto length = double(sum.spectrum.size());
    std::vector<Term> terms;
    for (std::size_t k = 1; k < sum.spectrum.size(); ++k) {
        if (sum.spectrum[k] != 0.0) {
            const double w = 2.0 * std::numbers::pi * double(k) / length;
            terms.push_back({sum.spectrum[k] * std::polar(1.0, w * double(sum.first)) /
                                 ((1.0 - std::polar(1.0, w)) * length),
                             w});
        }
    }
    const double zero = sum.spectrum[0].real() / length;
    const auto cumulative = [&](std::int64_t pay) {
        const auto count = double(pay - sum.first + 1);
        double total = zero * count;
        for (const Term& term : terms) {
            total += (term.factor * (1.0 - std::polar(1.0, term.frequency * count))).real();
        }
        return total;
    };
    std::vector<std::int64_t> quantiles;
    for (const double level : levels) {
        std::int64_t low = sum.first;
        std::int64_t high = sum.last;
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            if (cumulative(middle) >= level - kLevelTolerance) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        quantiles.push_back(low - sum.staked);
    }
    return quantiles;
}

double NetDistribution::Probability(std::int64_t net) const {
    if (net < Lowest() || net > Highest()) {
        return 0;
    }
    return probabilities_[std::size_t(net - lowest_)];
}

std::int64_t NetDistribution::Quantile(double q) const {
    double cumulative = 0;
    for (std::size_t i = 0; i < probabilities_.size(); ++i) {
        cumulative += probabilities_[i];
        if (cumulative >= q - kLevelTolerance) {
            return lowest_ + std::int64_t(i);
        }
    }
    return Highest();
}

double NetDistribution::ChanceAbove(std::int64_t net) const {
    double chance = 0;
    for (std::int64_t n = std::max(net + 1, Lowest()); n <= Highest(); ++n) {
        chance += probabilities_[std::size_t(n - lowest_)];
    }
    return chance;
}

double NetDistribution::Mean() const {
    double mean = 0;
    for (std::size_t i = 0; i < probabilities_.size(); ++i) {
        mean += probabilities_[i] * double(lowest_ + std::int64_t(i));
    }
    return mean;
}

} // namespace kelvory
