#include "dsp/RbjDesigns.h"

#include <cmath>

namespace Dsp::RBJ::Design {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfLn2 = 0.34657359027997264;

struct Angle
{
  double w0;
  double cs;
  double sn;
};

Angle AngleOf(double sampleRate, double frequency)
{
  const double w0 = kTwoPi * frequency / sampleRate;
  return {w0, std::cos(w0), std::sin(w0)};
}

double ShelfAmplitude(double gainDb)
{
  return std::pow(10, gainDb / 40);
}

// alpha = sin(w0)/2 * sqrt(|(A + 1/A)(1/S - 1) + 2|)
double ShelfAlpha(double sn, double A, double slope)
{
  return sn / 2 * std::sqrt(std::fabs((A + 1 / A) * (1 / slope - 1) + 2));
}

}  // namespace

void LowPass::Setup(double sampleRate, double cutoffFrequency, double q)
{
  const auto [w0, cs, sn] = AngleOf(sampleRate, cutoffFrequency);
  const double alpha = sn / (2 * q);
  coefficients = NormalisedCoefficients(1 + alpha, -2 * cs, 1 - alpha, (1 - cs) / 2, 1 - cs, (1 - cs) / 2);
}

void HighPass::Setup(double sampleRate, double cutoffFrequency, double q)
{
  const auto [w0, cs, sn] = AngleOf(sampleRate, cutoffFrequency);
  const double alpha = sn / (2 * q);
  coefficients = NormalisedCoefficients(1 + alpha, -2 * cs, 1 - alpha, (1 + cs) / 2, -(1 + cs), (1 + cs) / 2);
}

void LowShelf::Setup(double sampleRate, double cutoffFrequency, double gainDb, double slope)
{
  const auto [w0, cs, sn] = AngleOf(sampleRate, cutoffFrequency);
  const double A = ShelfAmplitude(gainDb);
  const double q = 2 * std::sqrt(A) * ShelfAlpha(sn, A, slope);
  coefficients = NormalisedCoefficients(
    (A + 1) + (A - 1) * cs + q,
    -2 * ((A - 1) + (A + 1) * cs),
    (A + 1) + (A - 1) * cs - q,
    A * ((A + 1) - (A - 1) * cs + q),
    2 * A * ((A - 1) - (A + 1) * cs),
    A * ((A + 1) - (A - 1) * cs - q));
}

void HighShelf::Setup(double sampleRate, double cutoffFrequency, double gainDb, double slope)
{
  const auto [w0, cs, sn] = AngleOf(sampleRate, cutoffFrequency);
  const double A = ShelfAmplitude(gainDb);
  const double q = 2 * std::sqrt(A) * ShelfAlpha(sn, A, slope);
  coefficients = NormalisedCoefficients(
    (A + 1) - (A - 1) * cs + q,
    2 * ((A - 1) - (A + 1) * cs),
    (A + 1) - (A - 1) * cs - q,
    A * ((A + 1) + (A - 1) * cs + q),
    -2 * A * ((A - 1) + (A + 1) * cs),
    A * ((A + 1) + (A - 1) * cs - q));
}

void BandShelf::Setup(double sampleRate, double centerFrequency, double gainDb, double bandwidthOctaves)
{
  const auto [w0, cs, sn] = AngleOf(sampleRate, centerFrequency);
  const double A = ShelfAmplitude(gainDb);
  const double alpha = sn * std::sinh(kHalfLn2 * bandwidthOctaves * w0 / sn);
  coefficients = NormalisedCoefficients(1 + alpha / A, -2 * cs, 1 - alpha / A, 1 + alpha * A, -2 * cs, 1 - alpha * A);
}

}  // namespace Dsp::RBJ::Design
