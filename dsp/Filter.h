#pragma once

#include "dsp/Biquad.h"
#include "dsp/FilterParams.h"
#include "dsp/ParamInfo.h"

#include <complex>

namespace Dsp {

// A multi-channel filter whose coefficients come from a design and a set of
// parameters. Processing works in place on blocks of samples.
class Filter
{
public:
  virtual ~Filter() = default;

  // 0 low pass, 1 high pass, 4 low shelf, 5 high shelf, 6 band shelf.
  virtual int KindCode() const = 0;
  virtual const char* DisplayName() const = 0;
  virtual int ParamCount() const = 0;
  // Throws std::logic_error for a position outside 0..ParamCount()-1.
  virtual ParamInfo ParamDescriptor(int position) const = 0;
  virtual PoleZeroPair PolesAndZeros() const = 0;
  virtual std::complex<double> ResponseAt(double normalisedFrequency) const = 0;
  virtual int ChannelCount() const = 0;
  virtual void ClearState() = 0;
  // channels holds ChannelCount() pointers to sampleCount samples each.
  virtual void ProcessBlock(int sampleCount, double* const* channels) = 0;
  virtual void ProcessBlockFloat(int sampleCount, float* const* channels) = 0;
  virtual void DesignFromParams(const FilterParams& params) = 0;
};

}  // namespace Dsp
