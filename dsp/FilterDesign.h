#pragma once

#include "dsp/DirectFormII.h"
#include "dsp/Filter.h"

#include <array>
#include <stdexcept>

namespace Dsp {

// The design half of a filter: its parameters and the coefficients the
// design made from them.
template <class Design>
class FilterDesignBase : public Filter
{
public:
  int KindCode() const override { return Design::kKindCode; }
  const char* DisplayName() const override { return Design::kDisplayName; }
  int ParamCount() const override { return static_cast<int>(Design::kParams.size()); }

  ParamInfo ParamDescriptor(int position) const override
  {
    if (position < 0 || position >= ParamCount())
      throw std::logic_error("invalid usage of ParamInfo");
    return Design::kParams[position];
  }

  PoleZeroPair PolesAndZeros() const override { return BiquadPolesAndZeros(Coefficients()); }

  std::complex<double> ResponseAt(double normalisedFrequency) const override
  {
    return BiquadResponse(Coefficients(), normalisedFrequency);
  }

  void DesignFromParams(const FilterParams& params) override { mDesign.SetupFromParams(params); }

  // Stores the parameters and redesigns; the processing history carries on.
  void ApplyParams(const FilterParams& params)
  {
    mParams = params;
    DesignFromParams(mParams);
  }

  const FilterParams& Params() const { return mParams; }
  const BiquadCoefficients& Coefficients() const { return mDesign.coefficients; }

private:
  FilterParams mParams;
  Design mDesign;
};

// A design with one processing state per channel.
template <class Design, int Channels, class State>
class FilterDesign : public FilterDesignBase<Design>
{
public:
  int ChannelCount() const override { return Channels; }

  void ClearState() override
  {
    for (State& state : mStates)
      state.Clear();
  }

  void ProcessBlock(int sampleCount, double* const* channels) override { Process(sampleCount, channels); }
  void ProcessBlockFloat(int sampleCount, float* const* channels) override { Process(sampleCount, channels); }

  const State& ChannelState(int channel) const { return mStates[channel]; }

private:
  template <typename Sample>
  void Process(int sampleCount, Sample* const* channels)
  {
    for (int channel = 0; channel < Channels; ++channel)
      mStates[channel].Process(sampleCount, channels[channel], this->Coefficients());
  }

  std::array<State, Channels> mStates{};
};

}  // namespace Dsp
