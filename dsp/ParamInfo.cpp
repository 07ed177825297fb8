#include "dsp/ParamInfo.h"

#include <cmath>
#include <cstdio>

namespace Dsp {

namespace {

constexpr double kLogBase = 1.5;

double LogBase15(double x)
{
  return std::log(x) / std::log(kLogBase);
}

std::string Fixed(double value, int decimals, const char* suffix = "")
{
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, suffix);
  return text;
}

}  // namespace

double ParamInfo::ToControlValue(double value) const
{
  switch (mapping)
  {
  case ControlMapping::Linear:
    return (value - minimum) / (maximum - minimum);
  case ControlMapping::Logarithmic:
    return (LogBase15(value) - LogBase15(minimum)) / (LogBase15(maximum) - LogBase15(minimum));
  case ControlMapping::Base2Exponent:
    return (std::log2(value) - minimum) / (maximum - minimum);
  }
  return value;
}

double ParamInfo::FromControlValue(double control) const
{
  switch (mapping)
  {
  case ControlMapping::Linear:
    return minimum + control * (maximum - minimum);
  case ControlMapping::Logarithmic:
  {
    const double logMin = LogBase15(minimum);
    return std::pow(kLogBase, logMin + control * (LogBase15(maximum) - logMin));
  }
  case ControlMapping::Base2Exponent:
    return std::exp2(minimum + control * (maximum - minimum));
  }
  return control;
}

std::string ParamInfo::ToText(double value) const
{
  switch (text)
  {
  case TextRule::Hertz:
    return Fixed(value, 0, " Hz");
  case TextRule::Fixed3:
    return Fixed(value, 3);
  case TextRule::Decibels:
  {
    // Precision follows the magnitude so that -20 dB reads like +20 dB.
    const double magnitude = std::fabs(value);
    const int decimals = magnitude < 1 ? 3 : magnitude < 10 ? 2 : 1;
    return Fixed(value, decimals, " dB");
  }
  }
  return {};
}

}  // namespace Dsp
