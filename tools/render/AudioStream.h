#pragma once

#include <cstdint>
#include <string>

// Where the render tool's audio comes from: a file, a pipe or a signal made
// in memory, read block by block so that any length fits in a fixed amount
// of memory.
class AudioSource
{
public:
  virtual ~AudioSource() = default;

  virtual double SampleRate() const = 0;
  virtual int Channels() const = 0;
  // The length the source announces in frames, or -1 when it cannot tell.
  // A damaged file may announce more than it holds.
  virtual std::int64_t AnnouncedFrames() const = 0;
  // Up to `frames` frames into one buffer per channel: the number read, 0 at
  // the end. A source that cannot go on ends there and says why itself.
  virtual int Read(float* const* channels, int frames) = 0;
};

// Where the rendered audio goes, block by block.
class AudioSink
{
public:
  virtual ~AudioSink() = default;

  // `frames` frames from one buffer per channel; false with `error` set when
  // they could not be written.
  virtual bool Write(const float* const* channels, int frames, std::string& error) = 0;
};
