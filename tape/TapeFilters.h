#pragma once

#include "dsp/FilterDesign.h"
#include "dsp/RbjDesigns.h"

#include <algorithm>

using StereoHighPass = Dsp::FilterDesign<Dsp::RBJ::Design::HighPass, 2, Dsp::DirectFormII>;
using StereoLowPass = Dsp::FilterDesign<Dsp::RBJ::Design::LowPass, 2, Dsp::DirectFormII>;
using StereoLowShelf = Dsp::FilterDesign<Dsp::RBJ::Design::LowShelf, 2, Dsp::DirectFormII>;
using StereoHighShelf = Dsp::FilterDesign<Dsp::RBJ::Design::HighShelf, 2, Dsp::DirectFormII>;
using StereoBandShelf = Dsp::FilterDesign<Dsp::RBJ::Design::BandShelf, 2, Dsp::DirectFormII>;

// Highest corner any tape filter is designed at, as a share of the sample
// rate. A biquad designed at or past half the rate is unstable or not finite
// (the 10 kHz bias shelf at a 16 kHz stream, for one); at 44.1 kHz and above
// every corner the tape uses lies below this limit.
constexpr double kHighestCornerShare = 0.49;

inline double StableCornerFrequency(double frequency, double sampleRate)
{
  return std::min(frequency, kHighestCornerShare * sampleRate);
}

// {sample rate, corner, Q}: low and high pass.
inline Dsp::FilterParams PassParams(double sampleRate, double frequency, double q)
{
  Dsp::FilterParams params;
  params[0] = sampleRate;
  params[1] = StableCornerFrequency(frequency, sampleRate);
  params[2] = q;
  return params;
}

// {sample rate, corner, gain dB, slope or bandwidth}: the shelves and the band shelf.
inline Dsp::FilterParams ShelfParams(double sampleRate, double frequency, double gainDb, double shape)
{
  Dsp::FilterParams params;
  params[0] = sampleRate;
  params[1] = StableCornerFrequency(frequency, sampleRate);
  params[2] = gainDb;
  params[3] = shape;
  return params;
}
