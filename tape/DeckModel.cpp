#include "tape/DeckModel.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

DeckModel::DeckModel()
{
  SelectDeck(0);
}

void DeckModel::SelectDeck(int deck)
{
  mSelectedDeck = std::clamp(deck, 0, kDeckCount - 1);
  mHighPass.ClearState();
  mLowShelf.ClearState();
  mBandShelf.ClearState();
  mHighShelf.ClearState();
  mLowPass.ClearState();
  DesignFilters();
}

void DeckModel::SetSampleRate(double sampleRate)
{
  mDesignSampleRate = sampleRate;
  DesignFilters();
}

// A shelf with 0 dB gain is designed all the same (one row's unused high
// shelf even has a slope of 0, which gives non-finite coefficients); it never
// runs, so its history stays clear.
void DeckModel::DesignFilters()
{
  const DeckSetting& row = DeckTable[mSelectedDeck];
  const double fs = mDesignSampleRate;
  mHighPass.ApplyParams(PassParams(fs, row.highPassHz, row.highPassQ));
  mLowShelf.ApplyParams(ShelfParams(fs, row.lowShelfHz, row.lowShelfDb, row.lowShelfSlope));
  mBandShelf.ApplyParams(ShelfParams(fs, row.bandShelfHz, row.bandShelfDb, row.bandShelfOctaves));
  mHighShelf.ApplyParams(ShelfParams(fs, row.highShelfHz, row.highShelfDb, row.highShelfSlope));
  mLowPass.ApplyParams(PassParams(fs, row.lowPassHz, row.lowPassQ));
  mTrimGain = DbToAmp(row.trimDb);
}

void DeckModel::RunDeckChain(double* const* channels, int sampleCount)
{
  const DeckSetting& row = DeckTable[mSelectedDeck];
  mHighPass.ProcessBlock(sampleCount, channels);
  if (row.lowShelfDb != 0)
    mLowShelf.ProcessBlock(sampleCount, channels);
  if (row.bandShelfDb != 0)
    mBandShelf.ProcessBlock(sampleCount, channels);
  if (row.highShelfDb != 0)
    mHighShelf.ProcessBlock(sampleCount, channels);
  mLowPass.ProcessBlock(sampleCount, channels);

  for (int channel = 0; channel < 2; ++channel)
  {
    double* samples = channels[channel];
    for (int i = 0; i < sampleCount; ++i)
      samples[i] = std::tanh(samples[i]) * mTrimGain;
  }
}
