#pragma once

#include <string>

namespace Dsp {

// How a parameter value maps to a 0..1 control value.
enum class ControlMapping
{
  Linear,
  Logarithmic,    // base 1.5
  Base2Exponent,  // minimum and maximum are exponents of 2
};

// How a parameter value is written as text.
enum class TextRule
{
  Hertz,     // whole number and " Hz"
  Fixed3,    // three decimals
  Decibels,  // 3 decimals below magnitude 1, 2 below 10, else 1, and " dB"
};

// Descriptor of one filter parameter: identity, range, default, control
// mapping and display text.
struct ParamInfo
{
  int id;
  const char* slug;
  const char* name;
  double minimum;
  double maximum;
  double defaultValue;
  ControlMapping mapping;
  TextRule text;

  double ToControlValue(double value) const;
  double FromControlValue(double control) const;
  std::string ToText(double value) const;
};

inline constexpr ParamInfo kSampleRateParam{
  0, "Fs", "Sample Rate", 11025, 192000, 44100, ControlMapping::Linear, TextRule::Hertz};
inline constexpr ParamInfo kCutoffFrequencyParam{
  1, "Fc", "Cutoff Frequency", 10, 22040, 2000, ControlMapping::Logarithmic, TextRule::Hertz};
inline constexpr ParamInfo kCenterFrequencyParam{
  1, "Fc", "Center Frequency", 10, 22040, 2000, ControlMapping::Logarithmic, TextRule::Hertz};
inline constexpr ParamInfo kQParam{
  2, "Q", "Resonance", -4, 4, 1, ControlMapping::Base2Exponent, TextRule::Fixed3};
inline constexpr ParamInfo kBandwidthParam{
  3, "BW", "Bandwidth (Octaves)", -4, 4, 1, ControlMapping::Base2Exponent, TextRule::Fixed3};
inline constexpr ParamInfo kGainParam{
  5, "Gain", "Gain", -24, 24, -6, ControlMapping::Linear, TextRule::Decibels};
inline constexpr ParamInfo kSlopeParam{
  6, "Slope", "Slope", -2, 2, 1, ControlMapping::Base2Exponent, TextRule::Fixed3};

}  // namespace Dsp
