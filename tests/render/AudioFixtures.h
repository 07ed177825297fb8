#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

// How a test file is spoilt after it is written correctly.
enum class Damage
{
  None,
  CutInData,    // (16-bit) the second half of its frames is missing; the header still announces all
  CutInHeader,  // it ends 30 bytes in
  RateZero,     // its WAV header gives 0 Hz
  Rate4GHz,     // its WAV header gives 4 000 000 000 Hz
  NoChannels,   // its WAV header gives 0 channels
  LyingLength,  // its FLAC header announces 2^30 frames
};

// A sine in every channel, written by libsndfile, then damaged as asked:
// the one writer of the tests' audio files.
struct TestAudio
{
  int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  int sampleRate = 48000;
  int channels = 2;
  std::int64_t frames = 48000;
  double frequency = 441.0;
  double amplitude = 0.25;
  Damage damage = Damage::None;

  // The sample of `channel` at `frame` before it is encoded.
  double Sample(int channel, std::int64_t frame) const;
};

void WriteAudio(const std::string& path, const TestAudio& audio);

// A file read back: its format and its samples, interleaved.
struct ReadAudio
{
  explicit ReadAudio(const std::string& path);

  bool opened = false;
  SF_INFO info{};
  std::vector<float> samples;
  std::vector<short> shorts;  // the same samples as 16-bit numbers
};

// A 16-bit WAV announcing `frames` frames, made as it goes into `descriptor`
// (a pipe): the header, then a sine, `sent` frames of it (all of them when
// -1). Returns when they are written or the reader has gone.
void StreamWav16(int descriptor, int sampleRate, int channels, std::int64_t frames, std::int64_t sent = -1);
