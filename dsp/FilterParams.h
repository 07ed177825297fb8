#pragma once

#include <array>

namespace Dsp {

// The parameter values of a filter, by position (see the designs for what each
// position means). Positions a design does not read keep whatever was stored.
struct FilterParams
{
  static constexpr int kMaxParams = 8;

  std::array<double, kMaxParams> values{};

  double& operator[](int position) { return values[position]; }
  double operator[](int position) const { return values[position]; }
};

}  // namespace Dsp
