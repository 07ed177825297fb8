#include "PlanarAudio.h"

#include <algorithm>

PlanarSource::PlanarSource(double sampleRate, const std::vector<std::vector<float>>& channels)
  : mSampleRate(sampleRate), mChannels(channels)
{
}

std::int64_t PlanarSource::AnnouncedFrames() const
{
  return mChannels.empty() ? 0 : static_cast<std::int64_t>(mChannels[0].size());
}

int PlanarSource::Read(float* const* channels, int frames)
{
  const size_t available = static_cast<size_t>(AnnouncedFrames()) - mPosition;
  const size_t count = std::min(available, static_cast<size_t>(std::max(frames, 0)));
  for (size_t c = 0; c < mChannels.size(); ++c)
    std::copy_n(mChannels[c].begin() + static_cast<std::ptrdiff_t>(mPosition), count, channels[c]);
  mPosition += count;
  return static_cast<int>(count);
}

bool PlanarSink::Write(const float* const* channels, int frames, std::string&)
{
  for (size_t c = 0; c < mChannels.size(); ++c)
    mChannels[c].insert(mChannels[c].end(), channels[c], channels[c] + frames);
  return true;
}
