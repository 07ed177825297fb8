#include "Renderer.h"

#include "tape/Metering.h"

#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace Steinberg;
using namespace Steinberg::Vst;
using VstHost::PluginInstance;

namespace
{
constexpr ParamID kInputLevel = 0;

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

class ProgressBar
{
public:
  explicit ProgressBar(bool shown) : mShown(shown) {}
  ~ProgressBar()
  {
    if (mShown && mLastPercent >= 0)
      std::fputc('\n', stderr);
  }
  void Show(size_t done, size_t total)
  {
    const int percent = total ? static_cast<int>(100 * done / total) : 100;
    if (!mShown || percent == mLastPercent)
      return;
    mLastPercent = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "========================================",
                 kWidth - filled, "", percent);
    std::fflush(stderr);
  }

private:
  bool mShown;
  int mLastPercent = -1;
};
}

bool RenderThrough(PluginInstance& plug, const AudioData& input, const RenderSettings& settings, AudioData& output,
                   MeterSummary& meters, std::string& error)
{
  const int channels = static_cast<int>(input.channels.size());
  const int blockSize = std::max(settings.blockSize, 1);
  if (!plug.Prepare(input.sampleRate, blockSize, kSample32, channels, channels))
  {
    error = "the plug-in refused to process " + std::to_string(channels) + " channels at " +
            std::to_string(static_cast<int>(input.sampleRate)) + " Hz";
    return false;
  }
  for (const ParameterSetting& setting : settings.parameters)
    plug.QueueParameter(setting.id, setting.normalized);

  output.sampleRate = input.sampleRate;
  output.format = input.format;
  output.channels.assign(channels, std::vector<float>(input.Frames()));
  meters = MeterSummary{};
  meters.channels = channels;
  TapeMeters tapeMeters;
  tapeMeters.SetSampleRate(static_cast<int>(input.sampleRate));

  ProcessContext transport{};
  transport.state = ProcessContext::kPlaying;
  transport.sampleRate = input.sampleRate;
  transport.tempo = 120.0;
  transport.timeSigNumerator = 4;
  transport.timeSigDenominator = 4;

  ProgressBar progress(settings.showProgress);
  std::vector<float*> in(channels), out(channels);
  std::vector<std::vector<double>> gained(channels, std::vector<double>(blockSize));
  std::vector<const double*> gainedPointers(channels);
  const size_t frames = input.Frames();
  for (size_t start = 0; start < frames; start += blockSize)
  {
    const int n = static_cast<int>(std::min<size_t>(blockSize, frames - start));
    for (int c = 0; c < channels; ++c)
    {
      in[c] = const_cast<float*>(input.channels[c].data()) + start;
      out[c] = output.channels[c].data() + start;
    }
    transport.projectTimeSamples = static_cast<TSamples>(start);
    plug.SetTransport(transport);
    if (plug.Process(in.data(), channels, out.data(), channels, n) != kResultOk)
    {
      error = "the plug-in failed to process a block";
      return false;
    }

    // The meters read the signal after the input gain the block was played with.
    const double inputDb = plug.Controller()->normalizedParamToPlain(kInputLevel, plug.Normalized(kInputLevel));
    const double gain = std::pow(10.0, inputDb / 20.0);
    for (int c = 0; c < channels; ++c)
    {
      for (int i = 0; i < n; ++i)
        gained[c][i] = gain * static_cast<double>(in[c][i]);
      gainedPointers[c] = gained[c].data();
    }
    tapeMeters.MeasureVu(gainedPointers.data(), n, channels);
    for (int c = 0; c < channels; ++c)
    {
      meters.peakVu[c] = std::max(meters.peakVu[c], VuReadingAt(tapeMeters.VuValue(c)));
      for (int i = 0; i < n; ++i)
      {
        meters.overs[c] += std::abs(gained[c][i]) >= 1.0 ? 1 : 0;
        meters.outputPeakDb = std::max(meters.outputPeakDb, 20.0 * std::log10(std::abs(static_cast<double>(out[c][i])) + 1e-10));
      }
    }
    progress.Show(start + n, frames);
  }
  plug.Deactivate();
  return true;
}
