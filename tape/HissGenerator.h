#pragma once

#include "tape/HissRandom.h"
#include "tape/TapeFilters.h"

#include <array>
#include <vector>

// Tape hiss: uniform white noise at a peak level, shaped by a low shelf that
// lifts everything below 300 Hz, added to the signal.
class HissGenerator
{
public:
  static constexpr int kNoiseBufferLength = 8192;

  // Allocates silent noise buffers and designs the shelf at 44100 Hz.
  HissGenerator();

  // Peak level of the noise before shaping, linear.
  void SetGain(double linearGain) { mGain = linearGain; }
  double Gain() const { return mGain; }

  // Redesigns the shelf for a new stream rate; its history carries on.
  void DesignShelf(double sampleRate);

  // Adds hiss to the first channelCount channels (1 or 2), drawing from
  // `random` interleaved, left then right. Long blocks go in buffer-sized
  // slices. A caller that adds hiss in many short pieces holds one generator
  // for all of them, so thread storage is reached once for the lot.
  void AddHiss(double* const* channels, int sampleCount, int channelCount, HissRandom& random);
  // The same, drawing from the calling thread's generator.
  void AddHiss(double* const* channels, int sampleCount, int channelCount);

private:
  void AddSlice(double* const* channels, int offset, int sampleCount, int channelCount, HissRandom& random);

  std::array<std::vector<double>, 2> mNoise;
  StereoLowShelf mShelf;
  double mGain = 0;
};
