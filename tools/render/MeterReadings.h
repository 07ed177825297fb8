#pragma once

#include "tape/Metering.h"

#include <array>
#include <vector>

// What the editor's meters would have shown while the file played.
struct MeterSummary
{
  int channels = 2;
  std::array<double, 2> peakVu{-20.0, -20.0};  // highest needle reading, in VU
  std::array<long long, 2> overs{};             // samples that lit a clip lamp
  double outputPeak = 0.0;                      // largest output sample, linear

  double OutputPeakDb() const;
};

// Follows the tape's VU meters and clip lamps over the blocks of a render,
// measured as the plug-in measures them: on the input after its input gain.
class MeterReadings
{
public:
  void Start(int channels, double sampleRate);
  void MeasureInput(const float* const* inputs, int frames, double inputLevelDb);
  void MeasureOutput(const float* const* outputs, int frames);
  const MeterSummary& Summary() const { return mSummary; }

private:
  MeterSummary mSummary;
  TapeMeters mMeters;
  std::vector<std::vector<double>> mGained;
};
