#pragma once

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

// The hiss's random source has one state per thread, starting afresh on a
// new thread: tests that depend on the sequence run on one of their own.
template <class Work>
void RunOnFreshThread(Work&& work)
{
  std::thread thread(std::forward<Work>(work));
  thread.join();
}

}  // namespace TapeTest
