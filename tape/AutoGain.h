#pragma once

#include "tape/EnvelopeFollower.h"

// The automatic input gain: learns the loudest passage of the raw input and
// sets the input level so that it reads the target on the VU meters.
class AutoGainState
{
public:
  // Blocks whose detector level is below this are not learned from.
  static constexpr double kLearnThresholdDb = -60;
  static constexpr double kLowestInputLevelDb = -18;
  static constexpr double kHighestInputLevelDb = 18;

  // Coefficients for 44100 Hz, nothing learned.
  AutoGainState();

  // Recomputes the coefficients only when the rate differs from the last one.
  void SetSampleRate(int sampleRate);
  // Channels the detector listens to: 1 (left only) or 2.
  void SetChannelCount(int channelCount);

  // Forgets what was learned and aims at a new target (0..3 VU); the gain
  // then rises from nothing towards unity until a passage is learned.
  void Restart(double targetVu);

  // The block's detector level in dB (a steady full-scale sine reads about 0).
  double MeasureInputLevel(const double* const* rawInput, int sampleCount);

  // Learns from the block, moves the gain one block on and returns the new
  // "Input level" in dB, limited to -18..18. The caller sets the parameter.
  double UpdateAutoGain(const double* const* rawInput, int sampleCount);

  double TargetVu() const { return mTargetVu; }
  double TargetGain() const { return mTargetGain; }
  double LoudestLevel() const { return mLoudestLevel; }
  double SmoothedGain() const { return mGainSmoother.value; }

private:
  double mTargetVu = 0;
  double mTargetGain = 0;
  double mLoudestLevel = kLearnThresholdDb;
  int mLastSampleRate = 0;
  int mChannelCount = 2;
  EnvelopeFollower mGainSmoother;
  VuFollower mDetector;
};
