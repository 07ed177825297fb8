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
