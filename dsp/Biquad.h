#pragma once

#include <array>
#include <complex>

namespace Dsp {

// A biquad's coefficients, stored as a0 and the other five divided by a0, in
// the order the processing loop was written against.
struct BiquadCoefficients
{
  double a0 = 1;
  double a1 = 0;  // a1 / a0
  double a2 = 0;  // a2 / a0
  double b1 = 0;  // b1 / a0
  double b2 = 0;  // b2 / a0
  double b0 = 1;  // b0 / a0
};

BiquadCoefficients NormalisedCoefficients(double a0, double a1, double a2, double b0, double b1, double b2);

// The two poles and two zeros of a biquad in the z plane.
struct PoleZeroPair
{
  std::array<std::complex<double>, 2> poles;
  std::array<std::complex<double>, 2> zeros;
};

PoleZeroPair BiquadPolesAndZeros(const BiquadCoefficients& coefficients);

// H(e^jw) with w = 2*pi*normalisedFrequency, normalisedFrequency = f / fs.
std::complex<double> BiquadResponse(const BiquadCoefficients& coefficients, double normalisedFrequency);

}  // namespace Dsp
