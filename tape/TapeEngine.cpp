#include "tape/TapeEngine.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

TapeEngine::TapeEngine()
{
  mHiss.SetGain(DbToAmp(-76));
  DesignToneFilters();
}

void TapeEngine::Reset(double sampleRate)
{
  mChannelCount = 1;
  if (sampleRate >= 1 && sampleRate <= std::numeric_limits<int>::max())
    mSampleRate = static_cast<int>(sampleRate);
  mMeters.SetSampleRate(mSampleRate);
  DesignToneFilters();
  mDeck.SetSampleRate(mSampleRate);
}

void TapeEngine::SetChannelCount(int channelCount)
{
  mChannelCount = std::clamp(channelCount, 1, 2);
}

void TapeEngine::SetBias(double biasDb)
{
  mBiasDb = biasDb;
  DesignToneFilters();
}

// The emphasis shelves are exact inverses of each other: at low levels they
// cancel, while the erf between them saturates the treble earlier. Histories
// carry on.
void TapeEngine::DesignToneFilters()
{
  const double fs = mSampleRate;
  mPreEmphasis.ApplyParams(ShelfParams(fs, 2500, 9, 0.3));
  mDeEmphasis.ApplyParams(ShelfParams(fs, 2500, -9, 0.3));
  mBiasShelf.ApplyParams(ShelfParams(fs, 10000, mBiasDb, 0.7));
  mHiss.DesignShelf(fs);
}

void TapeEngine::RunTapeChain(double* const* channels, int sampleCount)
{
  if (sampleCount < 1)
    return;
  ApplyGain(channels, sampleCount, mInputGain);
  mMeters.MeasureVu(channels, sampleCount, mChannelCount);
  mMeters.MeasureClip(channels, sampleCount, mChannelCount);
  // One generator for every slice: thread storage is reached once a block.
  HissRandom random = HissRandom::ForThisThread();
  for (int offset = 0; offset < sampleCount; offset += kSliceLength)
  {
    double* slice[2] = {channels[0] + offset, channels[1] + offset};
    RunSlice(slice, std::min(kSliceLength, sampleCount - offset), random);
  }
  random.StoreForThisThread();
}

void TapeEngine::RunSlice(double* const* channels, int sampleCount, HissRandom& random)
{
  mPreEmphasis.ProcessBlock(sampleCount, channels);
  mBiasShelf.ProcessBlock(sampleCount, channels);
  SaturateWithErf(channels, sampleCount);
  mDeEmphasis.ProcessBlock(sampleCount, channels);
  mDeck.RunDeckChain(channels, sampleCount);
  if (mHissOn)
    mHiss.AddHiss(channels, sampleCount, mChannelCount, random);
  ApplyGain(channels, sampleCount, mOutputGain);
}

void TapeEngine::ApplyGain(double* const* channels, int sampleCount, double gain) const
{
  for (int channel = 0; channel < mChannelCount; ++channel)
  {
    double* samples = channels[channel];
    for (int i = 0; i < sampleCount; ++i)
      samples[i] *= gain;
  }
}

void TapeEngine::SaturateWithErf(double* const* channels, int sampleCount) const
{
  for (int channel = 0; channel < mChannelCount; ++channel)
  {
    double* samples = channels[channel];
    for (int i = 0; i < sampleCount; ++i)
      samples[i] = std::erf(samples[i]);
  }
}
