#include "tape/Metering.h"

#include <algorithm>
#include <cmath>

double VuPosition(double vuReading)
{
  const double L = vuReading;
  const double scaleCorrection =
    0.00219863507548932 * L * L * L + 0.11896408168669 * L * L + 1.22897127191594 * L - 4.91690666307524;
  return (scaleCorrection + L + 20) / 23;
}

TapeMeters::TapeMeters()
{
  SetSampleRate(44100);
}

void TapeMeters::SetSampleRate(int sampleRate)
{
  for (int channel = 0; channel < 2; ++channel)
  {
    mVu[channel].SetSampleRate(sampleRate);
    // The lamp lights at once and fades with a 0.6 s time constant.
    mClip[channel].riseCoefficient = 0;
    mClip[channel].fallCoefficient = TimeConstantCoefficient(0.6, sampleRate);
  }
}

void TapeMeters::MeasureVu(const double* const* channels, int sampleCount, int channelCount)
{
  channelCount = std::min(channelCount, 2);
  for (int channel = 0; channel < channelCount; ++channel)
  {
    VuFollower& vu = mVu[channel];
    const double* samples = channels[channel];
    double loudest = 0;
    for (int i = 0; i < sampleCount; ++i)
      loudest = std::max(loudest, std::fabs(vu.Step(std::fabs(std::clamp(samples[i], -1.0, 1.0)))));
    // Silence reads the needle's rest position (the scale has no minus infinity).
    if (loudest == 0)
    {
      mVuValues[channel] = 0;
      continue;
    }
    const double reading = EnvelopeLevelDb(loudest) + kZeroVuBelowFullScaleDb;
    mVuValues[channel] = std::clamp(VuPosition(reading), 0.0, 1.0);
  }
}

void TapeMeters::MeasureClip(const double* const* channels, int sampleCount, int channelCount)
{
  channelCount = std::min(channelCount, 2);
  for (int channel = 0; channel < channelCount; ++channel)
  {
    EnvelopeFollower& lamp = mClip[channel];
    const double* samples = channels[channel];
    for (int i = 0; i < sampleCount; ++i)
    {
      const double magnitude = std::fabs(samples[i]);
      lamp.Step(magnitude >= 1.0 ? magnitude : 0.0);
    }
    mClipValues[channel] = lamp.value;
  }
}
