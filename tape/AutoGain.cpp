#include "tape/AutoGain.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

AutoGainState::AutoGainState()
{
  SetSampleRate(44100);
}

void AutoGainState::SetSampleRate(int sampleRate)
{
  if (sampleRate == mLastSampleRate)
    return;
  mLastSampleRate = sampleRate;
  // The gain rises slowly (1 s) and falls fast (10 ms), so an over is caught
  // at once and a quiet start does not pump.
  mGainSmoother.riseCoefficient = TimeConstantCoefficient(1, sampleRate);
  mGainSmoother.fallCoefficient = TimeConstantCoefficient(0.01, sampleRate);
  mDetector.SetSampleRate(sampleRate);
}

void AutoGainState::SetChannelCount(int channelCount)
{
  mChannelCount = std::clamp(channelCount, 1, 2);
}

void AutoGainState::Restart(double targetVu)
{
  mTargetVu = targetVu;
  mLoudestLevel = -100;
  mTargetGain = 1;
  mGainSmoother.value = 0;
  mDetector.Clear();
}

double AutoGainState::MeasureInputLevel(const double* const* rawInput, int sampleCount)
{
  double loudest = 0;
  for (int i = 0; i < sampleCount; ++i)
  {
    double peak = 0;
    for (int channel = 0; channel < mChannelCount; ++channel)
      peak = std::max(peak, std::fabs(rawInput[channel][i]));
    loudest = std::max(loudest, mDetector.Step(peak));
  }
  return EnvelopeLevelDb(loudest);
}

double AutoGainState::UpdateAutoGain(const double* const* rawInput, int sampleCount)
{
  const double level = MeasureInputLevel(rawInput, sampleCount);
  if (level > mLoudestLevel && level >= kLearnThresholdDb)
  {
    mLoudestLevel = level;
    const double gainDb = std::min(kHighestInputLevelDb, (mTargetVu - kZeroVuBelowFullScaleDb) - level);
    mTargetGain = DbToAmp(gainDb);
  }

  const double target = std::fabs(mTargetGain);
  for (int i = 0; i < sampleCount; ++i)
    mGainSmoother.Step(target);

  // A smoother still at zero is minus infinity dB, which the limit catches.
  return std::clamp(AmpToDb(std::fabs(mGainSmoother.value)), kLowestInputLevelDb, kHighestInputLevelDb);
}
