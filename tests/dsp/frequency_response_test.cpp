#include "DesignedFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using namespace Dsp::RBJ::Design;
using DspTest::Designed;
using DspTest::FilterFactory;
using DspTest::ParamsOf;
using Complex = std::complex<double>;

constexpr double kPi = std::numbers::pi;
constexpr double kInvSqrt2 = 0.7071067811865476;

double Db(double amplitude)
{
  return 20 * std::log10(amplitude);
}

// Runs two seconds of a unit sine through the filter and measures the output
// amplitude over the second one with a single DFT bin. Whole-hertz frequencies
// fit a whole number of cycles into one second, so the bin does not leak.
double MeasuredGainDb(Dsp::Filter& filter, double sampleRate, double frequency)
{
  const int length = static_cast<int>(sampleRate);
  std::vector<double> left(2 * length);
  for (int i = 0; i < 2 * length; ++i)
    left[i] = std::sin(2 * kPi * frequency * i / sampleRate);
  std::vector<double> right = left;
  double* channels[2] = {left.data(), right.data()};
  filter.ProcessBlock(2 * length, channels);

  Complex bin = 0;
  for (int i = length; i < 2 * length; ++i)
    bin += left[i] * std::polar(1.0, -2 * kPi * frequency * i / sampleRate);
  return Db(2 * std::abs(bin) / length);
}

struct LandmarkCase
{
  const char* name;
  FilterFactory make;
  Dsp::FilterParams params;
  double frequency;
  double expectedDb;
};

// Expected gains: the cookbook's analog prototypes at the bilinear-warped
// frequency, worked out separately (python3).
TEST(FrequencyResponse, MeasuredSineGainMatchesKnownValues)
{
  const LandmarkCase cases[] = {
    {"low pass at its cutoff", &Designed<LowPass>, ParamsOf({44100, 1000, kInvSqrt2}), 1000, -3.0103},
    {"low pass in its pass band", &Designed<LowPass>, ParamsOf({44100, 1000, kInvSqrt2}), 100, -0.0004},
    {"low pass in its stop band", &Designed<LowPass>, ParamsOf({44100, 1000, kInvSqrt2}), 5000, -28.6925},
    {"resonant low pass at its cutoff (gain Q)", &Designed<LowPass>, ParamsOf({44100, 1000, 2}), 1000, 6.0206},
    {"high pass at its cutoff", &Designed<HighPass>, ParamsOf({48000, 200, kInvSqrt2}), 200, -3.0103},
    {"high pass a decade below", &Designed<HighPass>, ParamsOf({48000, 200, kInvSqrt2}), 20, -40.0014},
    {"high pass a decade above", &Designed<HighPass>, ParamsOf({48000, 200, kInvSqrt2}), 2000, -0.0004},
    {"low shelf at its corner (half the gain)", &Designed<LowShelf>, ParamsOf({44100, 200, 12, 1}), 200, 6},
    {"low shelf far below", &Designed<LowShelf>, ParamsOf({44100, 200, 12, 1}), 10, 11.9999},
    {"low shelf far above", &Designed<LowShelf>, ParamsOf({44100, 200, 12, 1}), 15000, 0},
    {"high shelf at its corner (half the gain)", &Designed<HighShelf>, ParamsOf({44100, 5000, -9, 1}), 5000, -4.5},
    {"high shelf far below", &Designed<HighShelf>, ParamsOf({44100, 5000, -9, 1}), 20, 0},
    {"high shelf far above", &Designed<HighShelf>, ParamsOf({44100, 5000, -9, 1}), 20000, -8.9999},
    {"band shelf boost at its centre", &Designed<BandShelf>, ParamsOf({44100, 1000, 6, 1}), 1000, 6},
    {"band shelf boost far below", &Designed<BandShelf>, ParamsOf({44100, 1000, 6, 1}), 50, 0.0082},
    {"band shelf boost far above", &Designed<BandShelf>, ParamsOf({44100, 1000, 6, 1}), 10000, 0.0225},
    {"band shelf cut at its centre", &Designed<BandShelf>, ParamsOf({48000, 3000, -8, 2}), 3000, -8},
  };
  for (const LandmarkCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    const double sampleRate = c.params[0];
    auto filter = c.make(c.params);
    EXPECT_NEAR(MeasuredGainDb(*filter, sampleRate, c.frequency), c.expectedDb, 0.01);
    EXPECT_NEAR(Db(std::abs(filter->ResponseAt(c.frequency / sampleRate))), c.expectedDb, 0.01);
  }
}

// The cookbook designs are the bilinear transform of analog prototypes with
// the frequency warped at w0: H(e^jw) = H(s) at s = j tan(w/2) / tan(w0/2).
Complex WarpedS(double sampleRate, double corner, double frequency)
{
  return {0, std::tan(kPi * frequency / sampleRate) / std::tan(kPi * corner / sampleRate)};
}

double ShelfInverseQ(double A, double slope)
{
  return std::sqrt(std::fabs((A + 1 / A) * (1 / slope - 1) + 2));
}

double BandShelfInverseQ(double sampleRate, double centre, double octaves)
{
  const double w0 = 2 * kPi * centre / sampleRate;
  return 2 * std::sinh(std::log(2.0) / 2 * octaves * w0 / std::sin(w0));
}

Complex AnalogLowPass(const Dsp::FilterParams& p, double f)
{
  const Complex s = WarpedS(p[0], p[1], f);
  return 1.0 / (s * s + s / p[2] + 1.0);
}

Complex AnalogHighPass(const Dsp::FilterParams& p, double f)
{
  const Complex s = WarpedS(p[0], p[1], f);
  return s * s / (s * s + s / p[2] + 1.0);
}

Complex AnalogLowShelf(const Dsp::FilterParams& p, double f)
{
  const Complex s = WarpedS(p[0], p[1], f);
  const double A = std::pow(10, p[2] / 40);
  const double k = std::sqrt(A) * ShelfInverseQ(A, p[3]);
  return A * (s * s + k * s + A) / (A * s * s + k * s + 1.0);
}

Complex AnalogHighShelf(const Dsp::FilterParams& p, double f)
{
  const Complex s = WarpedS(p[0], p[1], f);
  const double A = std::pow(10, p[2] / 40);
  const double k = std::sqrt(A) * ShelfInverseQ(A, p[3]);
  return A * (A * s * s + k * s + 1.0) / (s * s + k * s + A);
}

Complex AnalogBandShelf(const Dsp::FilterParams& p, double f)
{
  const Complex s = WarpedS(p[0], p[1], f);
  const double A = std::pow(10, p[2] / 40);
  const double inverseQ = BandShelfInverseQ(p[0], p[1], p[3]);
  return (s * s + s * A * inverseQ + 1.0) / (s * s + s * inverseQ / A + 1.0);
}

struct PrototypeCase
{
  const char* name;
  FilterFactory make;
  Complex (*analog)(const Dsp::FilterParams&, double);
  Dsp::FilterParams params;
};

TEST(FrequencyResponse, ResponseAtMatchesTheWarpedAnalogPrototype)
{
  const PrototypeCase cases[] = {
    {"low pass", &Designed<LowPass>, &AnalogLowPass, ParamsOf({44100, 1000, kInvSqrt2})},
    {"resonant low pass", &Designed<LowPass>, &AnalogLowPass, ParamsOf({96000, 12000, 5})},
    {"high pass", &Designed<HighPass>, &AnalogHighPass, ParamsOf({48000, 200, 0.5})},
    {"low shelf", &Designed<LowShelf>, &AnalogLowShelf, ParamsOf({44100, 300, -7, 0.8})},
    {"steep low shelf", &Designed<LowShelf>, &AnalogLowShelf, ParamsOf({44100, 95, 12, 5.66})},
    {"high shelf", &Designed<HighShelf>, &AnalogHighShelf, ParamsOf({48000, 6000, 4, 1})},
    {"steep high shelf", &Designed<HighShelf>, &AnalogHighShelf, ParamsOf({44100, 5000, 1.5, 5.66})},
    {"narrow band shelf", &Designed<BandShelf>, &AnalogBandShelf, ParamsOf({44100, 2500, 9, 0.3})},
    {"wide band shelf", &Designed<BandShelf>, &AnalogBandShelf, ParamsOf({48000, 150, -12, 3})},
  };
  const double frequencies[] = {20, 95, 440, 1000, 2500, 6000, 12000, 20000};
  for (const PrototypeCase& c : cases)
  {
    auto filter = c.make(c.params);
    for (double f : frequencies)
    {
      SCOPED_TRACE(testing::Message() << c.name << " at " << f << " Hz");
      const Complex expected = c.analog(c.params, f);
      const Complex actual = filter->ResponseAt(f / c.params[0]);
      EXPECT_LT(std::abs(actual - expected), 1e-9 * std::fmax(1, std::abs(expected)))
        << actual << " vs " << expected;
    }
  }
}

// Maps an analog root (in units of the warped corner) into the z plane.
Complex Bilinear(Complex s, double sampleRate, double corner)
{
  const double t = std::tan(kPi * corner / sampleRate);
  return (1.0 + s * t) / (1.0 - s * t);
}

// The two roots of s^2 + b s + 1.
std::array<Complex, 2> UnitQuadraticRoots(double b)
{
  const Complex root = std::sqrt(Complex(b * b - 4));
  return {(-b + root) / 2.0, (-b - root) / 2.0};
}

void ExpectSameRootPair(const std::array<Complex, 2>& actual, Complex expected0, Complex expected1)
{
  const double tolerance = 1e-9;
  const bool inOrder = std::abs(actual[0] - expected0) < tolerance && std::abs(actual[1] - expected1) < tolerance;
  const bool swapped = std::abs(actual[0] - expected1) < tolerance && std::abs(actual[1] - expected0) < tolerance;
  EXPECT_TRUE(inOrder || swapped) << actual[0] << ", " << actual[1] << " vs " << expected0 << ", " << expected1;
}

TEST(FrequencyResponse, PolesAndZerosAreTheMappedPrototypeRoots)
{
  const double fs = 44100;
  {
    SCOPED_TRACE("low pass: prototype poles, double zero at Nyquist");
    auto filter = Designed<LowPass>({fs, 1000, kInvSqrt2});
    const auto [p0, p1] = UnitQuadraticRoots(1 / kInvSqrt2);
    const Dsp::PoleZeroPair roots = filter->PolesAndZeros();
    ExpectSameRootPair(roots.poles, Bilinear(p0, fs, 1000), Bilinear(p1, fs, 1000));
    ExpectSameRootPair(roots.zeros, -1, -1);
    EXPECT_NEAR(std::abs(roots.poles[0] - std::conj(roots.poles[1])), 0, 1e-15);
  }
  {
    SCOPED_TRACE("high pass: double zero at DC");
    auto filter = Designed<HighPass>({fs, 300, 3});
    const auto [p0, p1] = UnitQuadraticRoots(1.0 / 3);
    const Dsp::PoleZeroPair roots = filter->PolesAndZeros();
    ExpectSameRootPair(roots.poles, Bilinear(p0, fs, 300), Bilinear(p1, fs, 300));
    ExpectSameRootPair(roots.zeros, 1, 1);
  }
  {
    SCOPED_TRACE("band shelf");
    auto filter = Designed<BandShelf>({fs, 2000, 6, 1});
    const double A = std::pow(10, 6.0 / 40);
    const double inverseQ = BandShelfInverseQ(fs, 2000, 1);
    const auto [p0, p1] = UnitQuadraticRoots(inverseQ / A);
    const auto [z0, z1] = UnitQuadraticRoots(inverseQ * A);
    const Dsp::PoleZeroPair roots = filter->PolesAndZeros();
    ExpectSameRootPair(roots.poles, Bilinear(p0, fs, 2000), Bilinear(p1, fs, 2000));
    ExpectSameRootPair(roots.zeros, Bilinear(z0, fs, 2000), Bilinear(z1, fs, 2000));
  }
}

}  // namespace
