#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <thread>
#include <utility>
#include <vector>

namespace TapeTest {

constexpr double kPi = std::numbers::pi;

inline double Db(double amplitude)
{
  return 20 * std::log10(amplitude);
}

// Two channel buffers of equal length and the pointer pair the engine takes.
struct StereoBuffer
{
  explicit StereoBuffer(int length) : left(length), right(length) {}

  double* const* Channels()
  {
    pointers[0] = left.data();
    pointers[1] = right.data();
    return pointers;
  }

  int Length() const { return static_cast<int>(left.size()); }

  std::vector<double> left;
  std::vector<double> right;
  double* pointers[2] = {};
};

// Adds a sine of the given peak amplitude, starting at phase 0 at sample 0.
inline void AddSine(std::vector<double>& samples, double amplitude, double frequency, double sampleRate)
{
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] += amplitude * std::sin(2 * kPi * frequency * static_cast<double>(i) / sampleRate);
}

// Peak amplitude of one frequency within samples [begin, end), from a single
// DFT bin. With a whole number of cycles in the range other whole-hertz
// components do not leak into it.
inline double ToneAmplitude(const std::vector<double>& samples, int begin, int end, double frequency, double sampleRate)
{
  std::complex<double> bin = 0;
  for (int i = begin; i < end; ++i)
    bin += samples[i] * std::polar(1.0, -2 * kPi * frequency * i / sampleRate);
  return 2 * std::abs(bin) / (end - begin);
}

inline double Rms(const std::vector<double>& samples, int begin, int end)
{
  double sum = 0;
  for (int i = begin; i < end; ++i)
    sum += samples[i] * samples[i];
  return std::sqrt(sum / (end - begin));
}

// A second of a loud burst that must die away: a sine on each channel, at a
// share of the rate, for the first quarter, then silence.
inline StereoBuffer BurstThenSilence(double sampleRate, double leftAmplitude, double leftShareOfRate,
                                     double rightAmplitude, double rightShareOfRate)
{
  const int second = static_cast<int>(sampleRate);
  StereoBuffer buffer(second);
  AddSine(buffer.left, leftAmplitude, leftShareOfRate * sampleRate, sampleRate);
  AddSine(buffer.right, rightAmplitude, rightShareOfRate * sampleRate, sampleRate);
  std::fill(buffer.left.begin() + second / 4, buffer.left.end(), 0.0);
  std::fill(buffer.right.begin() + second / 4, buffer.right.end(), 0.0);
  return buffer;
}

// What a processed burst left: whether every sample is finite, and the
// loudest sample of the last tenth.
struct BurstAftermath
{
  bool allFinite = true;
  double tailPeak = 0;
};

inline BurstAftermath AftermathOf(const StereoBuffer& buffer)
{
  const int length = buffer.Length();
  BurstAftermath after;
  for (int i = 0; i < length; ++i)
  {
    after.allFinite = after.allFinite && std::isfinite(buffer.left[i]) && std::isfinite(buffer.right[i]);
    if (i >= length - length / 10)
      after.tailPeak = std::max({after.tailPeak, std::fabs(buffer.left[i]), std::fabs(buffer.right[i])});
  }
  return after;
}

// The hiss's random source has one state per thread, starting afresh on a
// new thread: tests that depend on the sequence run on one of their own.
template <class Work>
void RunOnFreshThread(Work&& work)
{
  std::thread thread(std::forward<Work>(work));
  thread.join();
}

}  // namespace TapeTest
