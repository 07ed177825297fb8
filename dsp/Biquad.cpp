#include "dsp/Biquad.h"

#include <numbers>

namespace Dsp {

namespace {

// Roots of a*z^2 + b*z + c.
std::array<std::complex<double>, 2> QuadraticRoots(double a, double b, double c)
{
  const std::complex<double> root = std::sqrt(std::complex<double>(b * b - 4 * a * c));
  return {(-b + root) / (2 * a), (-b - root) / (2 * a)};
}

}  // namespace

BiquadCoefficients NormalisedCoefficients(double a0, double a1, double a2, double b0, double b1, double b2)
{
  return {a0, a1 / a0, a2 / a0, b1 / a0, b2 / a0, b0 / a0};
}

PoleZeroPair BiquadPolesAndZeros(const BiquadCoefficients& coefficients)
{
  const BiquadCoefficients& c = coefficients;
  return {QuadraticRoots(1, c.a1, c.a2), QuadraticRoots(c.b0, c.b1, c.b2)};
}

std::complex<double> BiquadResponse(const BiquadCoefficients& coefficients, double normalisedFrequency)
{
  const BiquadCoefficients& c = coefficients;
  const std::complex<double> zInv = std::polar(1.0, -2 * std::numbers::pi * normalisedFrequency);
  const std::complex<double> zInv2 = zInv * zInv;
  return (c.b0 + c.b1 * zInv + c.b2 * zInv2) / (1.0 + c.a1 * zInv + c.a2 * zInv2);
}

}  // namespace Dsp
