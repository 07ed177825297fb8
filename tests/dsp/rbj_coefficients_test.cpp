#include "DesignedFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

using namespace Dsp::RBJ::Design;

void ExpectCoefficients(const Dsp::BiquadCoefficients& actual, const Dsp::BiquadCoefficients& expected)
{
  const auto near = [](double a, double e) { return std::fabs(a - e) <= 1e-13 * std::fmax(1, std::fabs(e)); };
  EXPECT_TRUE(near(actual.a0, expected.a0)) << actual.a0 << " vs " << expected.a0;
  EXPECT_TRUE(near(actual.a1, expected.a1)) << actual.a1 << " vs " << expected.a1;
  EXPECT_TRUE(near(actual.a2, expected.a2)) << actual.a2 << " vs " << expected.a2;
  EXPECT_TRUE(near(actual.b1, expected.b1)) << actual.b1 << " vs " << expected.b1;
  EXPECT_TRUE(near(actual.b2, expected.b2)) << actual.b2 << " vs " << expected.b2;
  EXPECT_TRUE(near(actual.b0, expected.b0)) << actual.b0 << " vs " << expected.b0;
}

template <class Design, class... Args>
Dsp::BiquadCoefficients DesignedCoefficients(Args... args)
{
  Design design;
  design.Setup(args...);
  return design.coefficients;
}

struct CoefficientCase
{
  const char* name;
  std::function<Dsp::BiquadCoefficients()> design;
  Dsp::BiquadCoefficients expected;  // a0, a1/a0, a2/a0, b1/a0, b2/a0, b0/a0
};

// Expected values worked out separately from the cookbook formulas (python3).
TEST(RbjCoefficients, MatchTheCookbookFormulas)
{
  const CoefficientCase cases[] = {
    {"low pass 44100 Hz, 1000 Hz, Q 1/sqrt(2)",
     [] { return DesignedCoefficients<LowPass>(44100.0, 1000.0, 0.7071067811865476); },
     {1.1004051451177967, -1.799096409484668, 0.817512403384758, 0.009207996950044928, 0.004603998475022464,
      0.004603998475022464}},
    {"high pass 48000 Hz, 200 Hz, Q 2",
     [] { return DesignedCoefficients<HighPass>(48000.0, 200.0, 2.0); },
     {1.0065442370769684, -1.986315728911407, 0.9869966230277708, -1.9866561759695887, 0.9933280879847943,
      0.9933280879847943}},
    {"low shelf 44100 Hz, 95 Hz, +1.5 dB, slope 5.66",
     [] { return DesignedCoefficients<LowShelf>(44100.0, 95.0, 1.5, 5.66); },
     {2.1886879544380275, -1.992223259124477, 0.9923906644562599, -1.9922074809855141, 0.9920554314940412,
      1.0003510111011813}},
    {"high shelf 48000 Hz, 8000 Hz, -4 dB, slope 0.5",
     [] { return DesignedCoefficients<HighShelf>(48000.0, 8000.0, -4.0, 0.5); },
     {3.4510979513610556, -0.6391217509215694, 0.09945538730010876, -0.3183171889638922, 0.03166140642303265,
      0.7469894189193992}},
    {"band shelf 44100 Hz, 3000 Hz, +5 dB, 1.5 octaves",
     [] { return DesignedCoefficients<BandShelf>(44100.0, 3000.0, 5.0, 1.5); },
     {1.174723535617256, -1.5493604811213568, 0.7025282454642438, -1.5493604811213568, 0.5867701746525779,
      1.115758070811666}},
  };
  for (const CoefficientCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    ExpectCoefficients(c.design(), c.expected);
  }
}

TEST(RbjCoefficients, ApplyParamsReadsTheParametersByPosition)
{
  auto filter = std::make_unique<DspTest::StereoFilter<BandShelf>>();
  filter->ApplyParams(DspTest::ParamsOf({44100, 3000, 5, 1.5, 99, 99, 99, 99}));
  ExpectCoefficients(filter->Coefficients(), DesignedCoefficients<BandShelf>(44100.0, 3000.0, 5.0, 1.5));
  EXPECT_EQ(filter->Params()[7], 99);
}

// With slope 5.66 and +12 dB the shelf radicand (A + 1/A)(1/S - 1) + 2 is
// about -0.055; its absolute value keeps the design real and stable.
TEST(RbjCoefficients, SteepShelvesUseTheRadicandsMagnitude)
{
  const CoefficientCase cases[] = {
    {"low shelf 44100 Hz, 95 Hz, +12 dB, slope 5.66",
     [] { return DesignedCoefficients<LowShelf>(44100.0, 95.0, 12.0, 5.66); },
     {3.994932619210601, -1.9976558534151023, 0.9977475691129895, -1.9975191478791405, 0.9966950420915138,
      1.0011892325574379}},
    {"high shelf 44100 Hz, 5000 Hz, +12 dB, slope 5.66",
     [] { return DesignedCoefficients<HighShelf>(44100.0, 5000.0, 12.0, 5.66); },
     {2.4593168607448113, -1.0340909528611248, 0.8233022682266325, -5.2931379943472, 2.8648954921824137,
      3.217453817530293}},
  };
  for (const CoefficientCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    const Dsp::BiquadCoefficients coefficients = c.design();
    ExpectCoefficients(coefficients, c.expected);
    const Dsp::PoleZeroPair roots = Dsp::BiquadPolesAndZeros(coefficients);
    EXPECT_LT(std::abs(roots.poles[0]), 1);
    EXPECT_LT(std::abs(roots.poles[1]), 1);
  }
}

TEST(RbjCoefficients, SteepShelfImpulseResponseDecays)
{
  auto filter = DspTest::Designed<LowShelf>({44100, 95, 12, 5.66});
  std::vector<double> left(44100);
  std::vector<double> right(44100);
  left[0] = right[0] = 1;
  double* channels[2] = {left.data(), right.data()};
  filter->ProcessBlock(static_cast<int>(left.size()), channels);
  for (double y : left)
    ASSERT_TRUE(std::isfinite(y));
  for (std::size_t i = left.size() - 100; i < left.size(); ++i)
    EXPECT_LT(std::fabs(left[i]), 1e-6);
}

// A = 1 makes every shelf's numerator equal its denominator.
TEST(RbjCoefficients, ZeroGainShelvesAreIdentities)
{
  const CoefficientCase cases[] = {
    {"low shelf, slope 1", [] { return DesignedCoefficients<LowShelf>(44100.0, 300.0, 0.0, 1.0); }, {}},
    {"low shelf, slope 5.66", [] { return DesignedCoefficients<LowShelf>(44100.0, 95.0, 0.0, 5.66); }, {}},
    {"high shelf, slope 0.5", [] { return DesignedCoefficients<HighShelf>(48000.0, 8000.0, 0.0, 0.5); }, {}},
    {"high shelf, slope 3", [] { return DesignedCoefficients<HighShelf>(96000.0, 12000.0, 0.0, 3.0); }, {}},
    {"band shelf, 1 octave", [] { return DesignedCoefficients<BandShelf>(44100.0, 1000.0, 0.0, 1.0); }, {}},
    {"band shelf, 3 octaves", [] { return DesignedCoefficients<BandShelf>(48000.0, 60.0, 0.0, 3.0); }, {}},
  };
  for (const CoefficientCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    const Dsp::BiquadCoefficients coefficients = c.design();
    EXPECT_DOUBLE_EQ(coefficients.b0, 1);
    EXPECT_DOUBLE_EQ(coefficients.b1, coefficients.a1);
    EXPECT_DOUBLE_EQ(coefficients.b2, coefficients.a2);
    EXPECT_NEAR(std::abs(Dsp::BiquadResponse(coefficients, 0.1)), 1, 1e-12);
  }
}

}  // namespace
