#pragma once

#include "AudioStream.h"

#include <sndfile.h>

#include <string>
#include <vector>

// An audio file read through libsndfile, one block at a time: mono or
// stereo, 8 kHz to 384 kHz, any encoding libsndfile decodes. "-" reads
// standard input (formats that need no seeking, such as WAV and AIFF).
// Failures are told in plain words naming the file. Main thread only.
class SoundFileReader : public AudioSource
{
public:
  SoundFileReader() = default;
  ~SoundFileReader() override;
  SoundFileReader(const SoundFileReader&) = delete;
  SoundFileReader& operator=(const SoundFileReader&) = delete;

  bool Open(const std::string& path, std::string& error);

  double SampleRate() const override { return mInfo.samplerate; }
  int Channels() const override { return mInfo.channels; }
  std::int64_t AnnouncedFrames() const override { return mAnnounced; }
  int Read(float* const* channels, int frames) override;

  // The encoding of the samples, as libsndfile names it (SF_FORMAT_PCM_16, ...).
  int Subtype() const { return mInfo.format & SF_FORMAT_SUBMASK; }
  // How messages name the file: 'path', or standard input.
  const std::string& Name() const { return mName; }
  // Once read to the end: a warning when fewer frames came than the file
  // announced or the decoder met damage, "" when all went well.
  std::string ShortfallWarning(std::int64_t framesRead) const;

private:
  bool Refuse(const std::string& reason, std::string& error) const;

  int mDescriptor = -1;
  SNDFILE* mFile = nullptr;
  SF_INFO mInfo{};
  std::string mName;
  std::int64_t mAnnounced = -1;
  bool mDamaged = false;
  std::vector<float> mInterleaved;  // the chunk read last
  int mChunkFrames = 0;
  int mChunkPosition = 0;
};

// The rates the tool plays files at.
constexpr int kLowestSampleRate = 8000;
constexpr int kHighestSampleRate = 384000;
