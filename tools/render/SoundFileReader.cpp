#include "SoundFileReader.h"

#include "HeaderPeek.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr size_t kPeekBytes = 64 * 1024;
constexpr int kChunkFrames = 8192;
constexpr int kMaxChannels = 2;

std::string Seconds(std::int64_t frames, double sampleRate)
{
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(frames) / sampleRate);
  return text;
}

HeaderFacts PeekFile(int descriptor, std::int64_t fileSize)
{
  std::vector<unsigned char> bytes(kPeekBytes);
  const ssize_t got = pread(descriptor, bytes.data(), bytes.size(), 0);
  return PeekHeader(bytes.data(), got > 0 ? static_cast<size_t>(got) : 0, fileSize);
}

// libsndfile's refusal of a file, in the words a user needs.
std::string OpenProblem(int code, const HeaderFacts& facts, bool pipe)
{
  if (const std::string problem = HeaderProblem(facts); !problem.empty())
    return problem;
  if (pipe)
    return "it is not an audio stream the tool can read from a pipe (WAV and AIFF can be; FLAC needs a file)";
  if (code == SF_ERR_UNSUPPORTED_ENCODING)
    return "its samples are in an encoding libsndfile cannot decode";
  if (!facts.container.empty())
    return "its " + facts.container + " header is damaged";
  return "it is not an audio file in a format the tool reads (WAV, AIFF, FLAC or another libsndfile knows)";
}
}

SoundFileReader::~SoundFileReader()
{
  if (mFile)
    sf_close(mFile);
  if (mDescriptor >= 0)
    close(mDescriptor);
}

bool SoundFileReader::Refuse(const std::string& reason, std::string& error) const
{
  error = "cannot read " + mName + ": " + reason;
  return false;
}

bool SoundFileReader::Open(const std::string& path, std::string& error)
{
  const bool standardInput = path == "-";
  mName = standardInput ? "standard input" : "'" + path + "'";
  if (path.empty())
    return Refuse("the file name is empty", error);

  mDescriptor = standardInput ? dup(STDIN_FILENO) : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (mDescriptor < 0)
    return Refuse(std::strerror(errno), error);
  struct stat status{};
  fstat(mDescriptor, &status);
  const bool regular = S_ISREG(status.st_mode);
  if (S_ISDIR(status.st_mode))
    return Refuse("it is a folder", error);
  if (regular && status.st_size == 0)
    return Refuse("the file is empty", error);
  const HeaderFacts facts = regular ? PeekFile(mDescriptor, status.st_size) : HeaderFacts{};

  mFile = sf_open_fd(mDescriptor, SFM_READ, &mInfo, SF_FALSE);
  if (!mFile)
    return Refuse(OpenProblem(sf_error(nullptr), facts, !regular), error);
  if (mInfo.channels < 1 || mInfo.channels > kMaxChannels)
    return Refuse("it has " + std::to_string(mInfo.channels) + " channels; the tape plays mono and stereo", error);
  if (mInfo.samplerate < kLowestSampleRate || mInfo.samplerate > kHighestSampleRate)
    return Refuse("its sample rate of " + std::to_string(mInfo.samplerate) +
                    " Hz is outside the 8 kHz to 384 kHz the tool plays",
                  error);

  // libsndfile gives a cut WAV or AIFF file the length it has; its header
  // tells what it should have held.
  mAnnounced = mInfo.frames >= 0 && mInfo.frames != SF_COUNT_MAX ? mInfo.frames : -1;
  if ((facts.container == "WAV" || facts.container == "AIFF") && facts.frames > mAnnounced)
    mAnnounced = facts.frames;
  return true;
}

int SoundFileReader::Read(float* const* channels, int frames)
{
  const size_t channelCount = static_cast<size_t>(mInfo.channels);
  int given = 0;
  while (given < frames)
  {
    if (mChunkPosition == mChunkFrames)
    {
      // A chunk at a time: small blocks from a pipe would each cost a
      // read of their own.
      mInterleaved.resize(static_cast<size_t>(kChunkFrames) * channelCount);
      const sf_count_t read = sf_readf_float(mFile, mInterleaved.data(), kChunkFrames);
      // A decoder that loses its way in a cut or damaged file ends the
      // input there, as the end of the file would.
      mDamaged = mDamaged || (read < kChunkFrames && sf_error(mFile) != SF_ERR_NO_ERROR);
      mChunkFrames = static_cast<int>(read);
      mChunkPosition = 0;
      if (read <= 0)
        break;
    }
    const int count = std::min(frames - given, mChunkFrames - mChunkPosition);
    for (int i = 0; i < count; ++i)
      for (size_t c = 0; c < channelCount; ++c)
        channels[c][given + i] = mInterleaved[static_cast<size_t>(mChunkPosition + i) * channelCount + c];
    given += count;
    mChunkPosition += count;
  }
  return given;
}

std::string SoundFileReader::ShortfallWarning(std::int64_t framesRead) const
{
  const std::string read = std::to_string(framesRead) + " frames (" + Seconds(framesRead, SampleRate()) + ")";
  if (mAnnounced >= 0 && framesRead < mAnnounced)
    return mName + " ends after " + read + " of the " + std::to_string(mAnnounced) + " its header announces" +
           (mDamaged ? " (the rest is damaged)" : "") + "; the output holds what was read";
  if (mDamaged)
    return mName + " is damaged after " + read + "; the output holds what was read";
  return "";
}
