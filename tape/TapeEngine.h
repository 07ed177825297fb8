#pragma once

#include "tape/DeckModel.h"
#include "tape/HissGenerator.h"
#include "tape/Metering.h"
#include "tape/TapeFilters.h"

// The tape's signal path, run in place on one block at a time: input gain,
// meters, pre-emphasis, bias shelf, erf saturation, de-emphasis, the deck,
// hiss, output gain. Everything is ready to run after construction (44100 Hz,
// unity gains, bias 0 dB, deck 0, hiss on at -76 dB); nothing here allocates
// after construction.
class TapeEngine
{
public:
  TapeEngine();

  // Processing set-up: the rate (truncated to whole hertz; a rate outside
  // 1..INT_MAX keeps the previous one), the meters' ballistics and every
  // filter redesigned for it. Filter histories and meter values carry on;
  // the channel count goes back to 1 until the next block sets it.
  void Reset(double sampleRate);
  int SampleRate() const { return mSampleRate; }

  // Channels the per-sample steps touch: 1 (mono input) or 2.
  void SetChannelCount(int channelCount);
  int ChannelCount() const { return mChannelCount; }

  // Linear gains.
  void SetInputGain(double gain) { mInputGain = gain; }
  double InputGain() const { return mInputGain; }
  void SetOutputGain(double gain) { mOutputGain = gain; }
  double OutputGain() const { return mOutputGain; }

  // Bias shelf gain in dB (0, 3 or 6); redesigns the tone filters.
  void SetBias(double biasDb);
  double Bias() const { return mBiasDb; }

  void SetHissOn(bool on) { mHissOn = on; }
  bool HissOn() const { return mHissOn; }
  // Peak level of the hiss before shaping, linear.
  void SetHissGain(double gain) { mHiss.SetGain(gain); }
  double HissGain() const { return mHiss.Gain(); }

  // Restarts the deck filters from silence with the row's settings.
  void SelectDeck(int deck) { mDeck.SelectDeck(deck); }
  int SelectedDeck() const { return mDeck.SelectedDeck(); }

  // Processes channels[0] and channels[1] in place. Both buffers must hold
  // sampleCount samples even for a mono input: the filters always run two
  // channels (the caller puts a copy of the left channel in the right one).
  void RunTapeChain(double* const* channels, int sampleCount);

  // Meter values for channel 0 (left) or 1 (right).
  double VuValue(int channel) const { return mMeters.VuValue(channel); }
  double ClipValue(int channel) const { return mMeters.ClipValue(channel); }

private:
  // Each filter's recursion is one long chain of dependent operations; run in
  // short slices, the processor overlaps the chains of consecutive filters
  // and channels. Every stage still sees its samples in order, so the result
  // is the same as for the whole block (the meters, which keep a maximum over
  // the block, run over the whole block first).
  static constexpr int kSliceLength = 8;

  void RunSlice(double* const* channels, int sampleCount, HissRandom& random);
  void DesignToneFilters();
  void ApplyGain(double* const* channels, int sampleCount, double gain) const;
  void SaturateWithErf(double* const* channels, int sampleCount) const;

  int mChannelCount = 2;
  int mSampleRate = 44100;
  double mInputGain = 1;
  double mOutputGain = 1;
  double mBiasDb = 0;
  bool mHissOn = true;
  TapeMeters mMeters;
  StereoHighShelf mPreEmphasis;
  StereoHighShelf mDeEmphasis;
  StereoHighShelf mBiasShelf;
  DeckModel mDeck;
  HissGenerator mHiss;
};
