#include "dsp/DirectFormII.h"

namespace Dsp {

namespace {

template <typename Sample>
void ProcessSamples(DirectFormII& state, int sampleCount, Sample* samples, const BiquadCoefficients& coefficients)
{
  const double a1 = coefficients.a1;
  const double a2 = coefficients.a2;
  const double b0 = coefficients.b0;
  const double b1 = coefficients.b1;
  const double b2 = coefficients.b2;
  double z1 = state.z1;
  double z2 = state.z2;
  double offset = state.offset;
  for (int i = 0; i < sampleCount; ++i)
  {
    offset = -offset;
    const double w = static_cast<double>(samples[i]) - a1 * z1 - a2 * z2 + offset;
    const double y = b0 * w + b1 * z1 + b2 * z2;
    z2 = z1;
    z1 = w;
    samples[i] = static_cast<Sample>(y);
  }
  state.z1 = z1;
  state.z2 = z2;
  state.offset = offset;
}

}  // namespace

void DirectFormII::Process(int sampleCount, double* samples, const BiquadCoefficients& coefficients)
{
  ProcessSamples(*this, sampleCount, samples, coefficients);
}

void DirectFormII::Process(int sampleCount, float* samples, const BiquadCoefficients& coefficients)
{
  ProcessSamples(*this, sampleCount, samples, coefficients);
}

}  // namespace Dsp
