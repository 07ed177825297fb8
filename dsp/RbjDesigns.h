#pragma once

#include "dsp/Biquad.h"
#include "dsp/FilterParams.h"
#include "dsp/ParamInfo.h"

#include <array>

// Second-order designs after the RBJ Audio EQ Cookbook. Each one turns its
// parameters (by position: sample rate, frequency, then the design's own) into
// biquad coefficients.
namespace Dsp::RBJ::Design {

struct LowPass
{
  static constexpr int kKindCode = 0;
  static constexpr const char* kDisplayName = "RBJ Low Pass";
  static constexpr std::array kParams{kSampleRateParam, kCutoffFrequencyParam, kQParam};

  BiquadCoefficients coefficients;

  void Setup(double sampleRate, double cutoffFrequency, double q);
  void SetupFromParams(const FilterParams& p) { Setup(p[0], p[1], p[2]); }
};

struct HighPass
{
  static constexpr int kKindCode = 1;
  static constexpr const char* kDisplayName = "RBJ High Pass";
  static constexpr std::array kParams{kSampleRateParam, kCutoffFrequencyParam, kQParam};

  BiquadCoefficients coefficients;

  void Setup(double sampleRate, double cutoffFrequency, double q);
  void SetupFromParams(const FilterParams& p) { Setup(p[0], p[1], p[2]); }
};

// Shelves take the radicand of the slope term as an absolute value, so slopes
// above 1 give a resonant shelf instead of a square root of a negative number.
struct LowShelf
{
  static constexpr int kKindCode = 4;
  static constexpr const char* kDisplayName = "RBJ Low Shelf";
  static constexpr std::array kParams{kSampleRateParam, kCutoffFrequencyParam, kGainParam, kSlopeParam};

  BiquadCoefficients coefficients;

  void Setup(double sampleRate, double cutoffFrequency, double gainDb, double slope);
  void SetupFromParams(const FilterParams& p) { Setup(p[0], p[1], p[2], p[3]); }
};

struct HighShelf
{
  static constexpr int kKindCode = 5;
  static constexpr const char* kDisplayName = "RBJ High Shelf";
  static constexpr std::array kParams{kSampleRateParam, kCutoffFrequencyParam, kGainParam, kSlopeParam};

  BiquadCoefficients coefficients;

  void Setup(double sampleRate, double cutoffFrequency, double gainDb, double slope);
  void SetupFromParams(const FilterParams& p) { Setup(p[0], p[1], p[2], p[3]); }
};

// A peaking equaliser: gain at the centre, bandwidth in octaves.
struct BandShelf
{
  static constexpr int kKindCode = 6;
  static constexpr const char* kDisplayName = "RBJ Band Shelf";
  static constexpr std::array kParams{kSampleRateParam, kCenterFrequencyParam, kGainParam, kBandwidthParam};

  BiquadCoefficients coefficients;

  void Setup(double sampleRate, double centerFrequency, double gainDb, double bandwidthOctaves);
  void SetupFromParams(const FilterParams& p) { Setup(p[0], p[1], p[2], p[3]); }
};

}  // namespace Dsp::RBJ::Design
