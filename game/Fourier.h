// SPDX-License-Identifier: MIT
#pragma once

#include <complex>
#include <vector>

namespace kelvory {

// An in-place radix-2 fast Fourier transform of a power-of-two length.
namespace Fourier {
// X[k] = sum of x[m] * exp(-2 pi i k m / n).
void Forward(std::vector<std::complex<double>>& values);
// x[m] = sum of X[k] * exp(2 pi i k m / n) / n.
void Inverse(std::vector<std::complex<double>>& values);
} // namespace Fourier

} // namespace kelvory
