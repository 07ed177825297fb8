#pragma once

#include "core/Units.h"

#include <cmath>

// A one-pole follower with separate coefficients for a rising and a falling
// input; each step keeps the coefficient's share of the old value.
struct EnvelopeFollower
{
  double value = 0;
  double riseCoefficient = 0;
  double fallCoefficient = 0;

  void Step(double input)
  {
    const double c = input > value ? riseCoefficient : fallCoefficient;
    value = (1 - c) * input + c * value;
  }
};

// Per-sample coefficient of an exponential fall to 1 % in 200 ms: the VU
// meters' and the input detector's ballistics.
inline double VuCoefficient(int sampleRate)
{
  return std::pow(0.01, 1 / (0.2 * sampleRate));
}

// The VU ballistics, shared by the meters and the input detector: two
// followers in a row, both with VuCoefficient, the second following the
// first's magnitude.
struct VuFollower
{
  EnvelopeFollower first;
  EnvelopeFollower second;

  void SetSampleRate(int sampleRate)
  {
    const double coefficient = VuCoefficient(sampleRate);
    first.riseCoefficient = coefficient;
    first.fallCoefficient = coefficient;
    second.riseCoefficient = coefficient;
    second.fallCoefficient = coefficient;
  }

  void Clear()
  {
    first.value = 0;
    second.value = 0;
  }

  // Steps both with a rectified input; returns the second's value.
  double Step(double magnitude)
  {
    first.Step(magnitude);
    second.Step(std::fabs(first.value));
    return second.value;
  }
};

// Per-sample coefficient of an exponential decay with the given time constant.
inline double TimeConstantCoefficient(double seconds, int sampleRate)
{
  return std::exp(-1 / (seconds * sampleRate));
}

// A follower of the rectified signal reads 2/pi of a sine's peak; the offset
// makes a full-scale sine read about 0 dB.
inline double EnvelopeLevelDb(double envelope)
{
  return AmpToDb(std::fabs(envelope)) + 3.9;
}

// 0 VU sits this far below full scale.
constexpr double kZeroVuBelowFullScaleDb = 18;
