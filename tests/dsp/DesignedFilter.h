#pragma once

#include "dsp/FilterDesign.h"
#include "dsp/RbjDesigns.h"

#include <initializer_list>
#include <memory>

namespace DspTest {

template <class Design>
using StereoFilter = Dsp::FilterDesign<Design, 2, Dsp::DirectFormII>;

inline Dsp::FilterParams ParamsOf(std::initializer_list<double> values)
{
  Dsp::FilterParams params;
  int position = 0;
  for (double value : values)
    params[position++] = value;
  return params;
}

// A stereo filter of the given design, designed from the parameters.
template <class Design>
std::unique_ptr<Dsp::Filter> Designed(const Dsp::FilterParams& params)
{
  auto filter = std::make_unique<StereoFilter<Design>>();
  filter->ApplyParams(params);
  return filter;
}

template <class Design>
std::unique_ptr<Dsp::Filter> Designed(std::initializer_list<double> values)
{
  return Designed<Design>(ParamsOf(values));
}

using FilterFactory = std::unique_ptr<Dsp::Filter> (*)(const Dsp::FilterParams&);

}  // namespace DspTest
