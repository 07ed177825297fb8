#pragma once

#include "dsp/Biquad.h"

namespace Dsp {

// One channel's Direct Form II history. A tiny offset, alternating in sign on
// every sample, keeps the recursion out of denormal numbers on silence.
struct DirectFormII
{
  static constexpr double kAntiDenormalOffset = 1e-8;

  double z1 = 0;
  double z2 = 0;
  double offset = kAntiDenormalOffset;

  // Forgets the history; the offset keeps its phase.
  void Clear()
  {
    z1 = 0;
    z2 = 0;
  }

  // Filters the samples in place.
  void Process(int sampleCount, double* samples, const BiquadCoefficients& coefficients);
  // Reads floats, computes in double and rounds the result back.
  void Process(int sampleCount, float* samples, const BiquadCoefficients& coefficients);
};

}  // namespace Dsp
