#pragma once

#include <string>

// What the render loop plays its audio through: the plug-in, as a host plays
// it, or a stand-in with known behaviour in tests.
class BlockProcessor
{
public:
  virtual ~BlockProcessor() = default;

  // Readies processing of `channels` channels (1 or 2) at `sampleRate` in
  // blocks of at most `maxBlockFrames`; false with `error` set on refusal.
  virtual bool Start(double sampleRate, int maxBlockFrames, int channels, std::string& error) = 0;
  // How many frames the output lags the input, as reported once started.
  virtual int LatencyFrames() const = 0;
  // One block, `frames` frames per channel.
  virtual bool Process(float* const* inputs, float* const* outputs, int frames, std::string& error) = 0;
  // The input level in dB the last block was played with (the meters read
  // the signal after it).
  virtual double InputLevelDb() const = 0;
  virtual void Stop() = 0;
};
