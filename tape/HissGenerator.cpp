#include "tape/HissGenerator.h"

#include <algorithm>

HissGenerator::HissGenerator()
{
  for (std::vector<double>& noise : mNoise)
    noise.assign(kNoiseBufferLength, 0.0);
  DesignShelf(44100);
}

void HissGenerator::DesignShelf(double sampleRate)
{
  mShelf.ApplyParams(ShelfParams(sampleRate, 300, 15, 0.3));
}

void HissGenerator::AddHiss(double* const* channels, int sampleCount, int channelCount, HissRandom& random)
{
  channelCount = std::min(channelCount, 2);
  for (int offset = 0; offset < sampleCount; offset += kNoiseBufferLength)
    AddSlice(channels, offset, std::min(kNoiseBufferLength, sampleCount - offset), channelCount, random);
}

void HissGenerator::AddHiss(double* const* channels, int sampleCount, int channelCount)
{
  HissRandom random = HissRandom::ForThisThread();
  AddHiss(channels, sampleCount, channelCount, random);
  random.StoreForThisThread();
}

void HissGenerator::AddSlice(double* const* channels, int offset, int sampleCount, int channelCount,
                             HissRandom& random)
{
  for (int i = 0; i < sampleCount; ++i)
    for (int channel = 0; channel < channelCount; ++channel)
      mNoise[channel][i] = HissUnitSample(random.Next()) * mGain;

  // The shelf always filters two channels. An unused buffer must stay silent:
  // its +15 dB shelf, run again over the same samples every block, would
  // otherwise grow the content until it overflows.
  for (int channel = channelCount; channel < 2; ++channel)
    std::fill_n(mNoise[channel].begin(), sampleCount, 0.0);

  double* noise[2] = {mNoise[0].data(), mNoise[1].data()};
  mShelf.ProcessBlock(sampleCount, noise);

  for (int channel = 0; channel < channelCount; ++channel)
  {
    double* samples = channels[channel] + offset;
    for (int i = 0; i < sampleCount; ++i)
      samples[i] += mNoise[channel][i];
  }
}
