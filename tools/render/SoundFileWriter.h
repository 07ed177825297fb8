#pragma once

#include "AudioStream.h"
#include "OutputFile.h"
#include "SampleQuantizer.h"

#include <sndfile.h>

#include <optional>
#include <string>
#include <vector>

// Audio written block by block through libsndfile into an OutputFile. The
// bytes go through our own write callback, so a failed write is seen with
// the system's reason even where libsndfile would carry on without telling.
// Integer samples are rounded (and dithered) by a SampleQuantizer; float,
// companded and compressed ones are converted by libsndfile. Main thread
// only.
class SoundFileWriter : public AudioSink
{
public:
  SoundFileWriter() = default;
  ~SoundFileWriter() override;
  SoundFileWriter(const SoundFileWriter&) = delete;
  SoundFileWriter& operator=(const SoundFileWriter&) = delete;

  // `format` is libsndfile's container | subtype.
  bool Open(OutputFile& file, int format, double sampleRate, int channels, bool dither, std::string& error);
  bool Write(const float* const* channels, int frames, std::string& error) override;
  // Completes the file's header; the OutputFile is committed afterwards.
  bool Close(std::string& error);

  long long ClippedSamples() const { return mQuantizer ? mQuantizer->ClippedSamples() : 0; }

private:
  static sf_count_t Length(void* writer);
  static sf_count_t Seek(sf_count_t offset, int whence, void* writer);
  static sf_count_t ReadBytes(void* bytes, sf_count_t count, void* writer);
  static sf_count_t WriteBytes(const void* bytes, sf_count_t count, void* writer);
  static sf_count_t Tell(void* writer);
  bool Failed(const char* otherwise, std::string& error) const;
  bool WritePending(std::string& error);

  OutputFile* mFile = nullptr;
  SNDFILE* mSound = nullptr;
  int mChannels = 0;
  int mWriteError = 0;  // errno of the first failed write or seek
  std::optional<SampleQuantizer> mQuantizer;
  // The frames gathered for the next write, interleaved.
  std::vector<std::int32_t> mIntegers;
  std::vector<float> mFloats;
  int mPendingFrames = 0;
  std::vector<const float*> mFrom;  // where the quantizer reads a block
};
