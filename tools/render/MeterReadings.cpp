#include "MeterReadings.h"

#include <algorithm>
#include <cmath>

namespace
{
// The reading, in VU, at which the needle stands at `position`.
double VuReadingAt(double position)
{
  double low = -20.0, high = 3.0;
  if (position <= VuPosition(low))
    return low;
  if (position >= VuPosition(high))
    return high;
  for (int i = 0; i < 40; ++i)
  {
    const double middle = 0.5 * (low + high);
    (VuPosition(middle) < position ? low : high) = middle;
  }
  return 0.5 * (low + high);
}
}

double MeterSummary::OutputPeakDb() const
{
  return 20.0 * std::log10(outputPeak + 1e-10);
}

void MeterReadings::Start(int channels, double sampleRate)
{
  mSummary = MeterSummary{};
  mSummary.channels = channels;
  mMeters = TapeMeters{};
  mMeters.SetSampleRate(static_cast<int>(sampleRate));
  mGained.assign(static_cast<size_t>(channels), {});
}

void MeterReadings::MeasureInput(const float* const* inputs, int frames, double inputLevelDb)
{
  const double gain = std::pow(10.0, inputLevelDb / 20.0);
  std::array<const double*, 2> gainedPointers{};
  for (int c = 0; c < mSummary.channels; ++c)
  {
    std::vector<double>& gained = mGained[static_cast<size_t>(c)];
    gained.resize(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
      gained[static_cast<size_t>(i)] = gain * static_cast<double>(inputs[c][i]);
    gainedPointers[static_cast<size_t>(c)] = gained.data();
    mSummary.overs[static_cast<size_t>(c)] +=
      std::count_if(gained.begin(), gained.end(), [](double sample) { return std::abs(sample) >= 1.0; });
  }
  mMeters.MeasureVu(gainedPointers.data(), frames, mSummary.channels);
  for (int c = 0; c < mSummary.channels; ++c)
  {
    double& peak = mSummary.peakVu[static_cast<size_t>(c)];
    peak = std::max(peak, VuReadingAt(mMeters.VuValue(c)));
  }
}

void MeterReadings::MeasureOutput(const float* const* outputs, int frames)
{
  for (int c = 0; c < mSummary.channels; ++c)
    for (int i = 0; i < frames; ++i)
      mSummary.outputPeak = std::max(mSummary.outputPeak, std::abs(static_cast<double>(outputs[c][i])));
}
