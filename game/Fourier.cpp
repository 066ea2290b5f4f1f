// SPDX-License-Identifier: MIT
#include "game/Fourier.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace kelvory {

namespace {

// The plain product: std::complex's operator* also checks for infinities and
// NaNs, several times slower here where none can occur.
std::complex<double> Times(std::complex<double> a, std::complex<double> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

void Transform(std::vector<std::complex<double>>& values, double sign) {
    const std::size_t n = values.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(values[i], values[j]);
        }
    }
    // Each twiddle factor straight from sin and cos, not by a recurrence whose
    // rounding errors would swamp the smallest probabilities. The table of the
    // longest transform so far serves every shorter one.
    static thread_local std::vector<std::complex<double>> table;
    if (table.size() < n / 2) {
        table.resize(n / 2);
        for (std::size_t k = 0; k < n / 2; ++k) {
            table[k] = std::polar(1.0, -2.0 * std::numbers::pi * double(k) / double(n));
        }
    }
    const std::size_t tableStride = table.size() * 2 / n;
    const auto Twiddle = [&](std::size_t index) {
        const std::complex<double> w = table[index];
        return sign < 0 ? w : std::conj(w);
    };
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const std::size_t half = length / 2;
        const std::size_t stride = n / length;
        for (std::size_t start = 0; start < n; start += length) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::complex<double> odd =
                    Times(values[start + k + half], Twiddle(k * stride * tableStride));
                values[start + k + half] = values[start + k] - odd;
                values[start + k] += odd;
            }
        }
    }
}

} // namespace

void Fourier::Forward(std::vector<std::complex<double>>& values) {
    Transform(values, -1.0);
}

void Fourier::Inverse(std::vector<std::complex<double>>& values) {
    Transform(values, 1.0);
    const double scale = 1.0 / double(values.size());
    for (std::complex<double>& value : values) {
        value *= scale;
    }
}

} // namespace kelvory
