#pragma once

#include "tape/EnvelopeFollower.h"

#include <array>

// The VU needle's position 0..1 for a reading in VU: -20..+3 VU with the
// meter scale's cubic correction. Not limited.
double VuPosition(double vuReading);

// The two VU meters and the two clip lamps, measured on the signal after the
// input gain.
class TapeMeters
{
public:
  // Coefficients for 44100 Hz, all values 0.
  TapeMeters();

  // New ballistics for the rate; values carry on.
  void SetSampleRate(int sampleRate);

  // Both measure the first channelCount channels (1 or 2); the other meter
  // keeps its value.
  void MeasureVu(const double* const* channels, int sampleCount, int channelCount);
  void MeasureClip(const double* const* channels, int sampleCount, int channelCount);

  // Needle position 0..1 of channel 0 or 1.
  double VuValue(int channel) const { return mVuValues[channel]; }
  // Lamp brightness: 1 or more at an over, then fading; channel 0 or 1.
  double ClipValue(int channel) const { return mClipValues[channel]; }

private:
  std::array<VuFollower, 2> mVu;
  std::array<EnvelopeFollower, 2> mClip;
  std::array<double, 2> mVuValues{};
  std::array<double, 2> mClipValues{};
};
