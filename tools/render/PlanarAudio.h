#pragma once

#include "AudioStream.h"

#include <vector>

// Audio held in memory, one vector per channel: the built-in demonstration
// as a source, and a sink that keeps what it is given.
class PlanarSource : public AudioSource
{
public:
  PlanarSource(double sampleRate, const std::vector<std::vector<float>>& channels);

  double SampleRate() const override { return mSampleRate; }
  int Channels() const override { return static_cast<int>(mChannels.size()); }
  std::int64_t AnnouncedFrames() const override;
  int Read(float* const* channels, int frames) override;

private:
  double mSampleRate;
  const std::vector<std::vector<float>>& mChannels;
  size_t mPosition = 0;
};

class PlanarSink : public AudioSink
{
public:
  explicit PlanarSink(int channels) : mChannels(static_cast<size_t>(channels)) {}

  bool Write(const float* const* channels, int frames, std::string& error) override;
  const std::vector<std::vector<float>>& Channels() const { return mChannels; }

private:
  std::vector<std::vector<float>> mChannels;
};
