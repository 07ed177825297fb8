#pragma once

#include <cstdint>
#include <vector>

// Rounds samples (full scale ±1.0) to the nearest whole numbers of `bits`
// bits (8 to 32; halves away from zero), clipped to the format's range and
// left-aligned in 32 bits, as libsndfile
// takes integer samples. A full-scale step is 2^(bits-1), so integer input
// read as floats by libsndfile comes back as the same numbers.
//
// With dither, each sample gets triangular (TPDF) noise of ±1 step before
// rounding: the sum of two independent uniform values of ±0.5 step. The
// error then no longer depends on the signal: it is noise of 1/4 step²
// (1/6 from the dither, 1/12 from the rounding) instead of distortion.
class SampleQuantizer
{
public:
  SampleQuantizer(int bits, bool dither, int channels);

  // `frames` frames from one buffer per channel into `interleaved`.
  void Quantize(const float* const* channels, int frames, std::int32_t* interleaved);
  // Samples that fell outside the format's range and were clipped.
  long long ClippedSamples() const { return mClipped; }

private:
  // A small fast generator of the triangular dither; one per channel, so the
  // channels' dithers are independent, and seeded alike in every render, so
  // renders repeat.
  struct Uniform
  {
    std::uint64_t state;
    // The sum of two uniform values in [-0.5, 0.5).
    double Next();
  };

  double mScale;
  double mLowest;
  double mHighest;
  int mShift;
  bool mDither;
  std::vector<Uniform> mRandom;
  long long mClipped = 0;
};
