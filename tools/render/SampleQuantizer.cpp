#include "SampleQuantizer.h"

#include <cmath>

double SampleQuantizer::Uniform::Next()
{
  // xorshift64*; its two halves are two uniform values in [0, 1), and their
  // sum less one is the triangular dither.
  state ^= state >> 12;
  state ^= state << 25;
  state ^= state >> 27;
  const std::uint64_t bits = state * 0x2545F4914F6CDD1DULL;
  return (static_cast<double>(bits >> 32) + static_cast<double>(bits & 0xFFFFFFFFu)) * 0x1.0p-32 - 1.0;
}

SampleQuantizer::SampleQuantizer(int bits, bool dither, int channels)
  : mScale(std::ldexp(1.0, bits - 1)), mLowest(-mScale), mHighest(mScale - 1.0), mShift(32 - bits), mDither(dither)
{
  for (int c = 0; c < channels; ++c)
    mRandom.push_back({0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(c + 1)});
}

void SampleQuantizer::Quantize(const float* const* channels, int frames, std::int32_t* interleaved)
{
  const size_t channelCount = mRandom.size();
  for (int i = 0; i < frames; ++i)
    for (size_t c = 0; c < channelCount; ++c)
    {
      double value = static_cast<double>(channels[c][i]) * mScale;
      if (mDither)
        value += mRandom[c].Next();
      // Rounded half away from zero by a truncating conversion, which is
      // one instruction; anything outside the range (NaN too) is clipped first.
      std::int32_t rounded = 0;
      if (value > mLowest - 0.5 && value < mHighest + 0.5)
        rounded = static_cast<std::int32_t>(value + (value < 0.0 ? -0.5 : 0.5));
      else
      {
        ++mClipped;
        rounded = std::isnan(value) ? 0 : static_cast<std::int32_t>(value < 0.0 ? mLowest : mHighest);
      }
      // Shifting a negative number left is well defined in C++20.
      interleaved[static_cast<size_t>(i) * channelCount + c] = rounded << mShift;
    }
}
