#include "SoundFileWriter.h"

#include "OutputEncoding.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int kChunkFrames = 8192;

SoundFileWriter& Of(void* writer)
{
  return *static_cast<SoundFileWriter*>(writer);
}
}

SoundFileWriter::~SoundFileWriter()
{
  if (mSound)
    sf_close(mSound);
}

sf_count_t SoundFileWriter::Length(void* writer)
{
  struct stat status{};
  return fstat(Of(writer).mFile->Descriptor(), &status) == 0 ? status.st_size : 0;
}

sf_count_t SoundFileWriter::Seek(sf_count_t offset, int whence, void* writer)
{
  SoundFileWriter& self = Of(writer);
  const off_t position = lseek(self.mFile->Descriptor(), offset, whence);
  if (position < 0 && self.mWriteError == 0)
    self.mWriteError = errno;
  return position;
}

sf_count_t SoundFileWriter::ReadBytes(void* bytes, sf_count_t count, void* writer)
{
  const ssize_t got = read(Of(writer).mFile->Descriptor(), bytes, static_cast<size_t>(count));
  return got < 0 ? 0 : got;
}

sf_count_t SoundFileWriter::WriteBytes(const void* bytes, sf_count_t count, void* writer)
{
  SoundFileWriter& self = Of(writer);
  const char* from = static_cast<const char*>(bytes);
  sf_count_t written = 0;
  while (written < count && self.mWriteError == 0)
  {
    const ssize_t done = write(self.mFile->Descriptor(), from + written, static_cast<size_t>(count - written));
    if (done < 0 && errno == EINTR)
      continue;
    if (done <= 0)
      self.mWriteError = done < 0 ? errno : EIO;
    else
      written += done;
  }
  return written;
}

sf_count_t SoundFileWriter::Tell(void* writer)
{
  return lseek(Of(writer).mFile->Descriptor(), 0, SEEK_CUR);
}

bool SoundFileWriter::Failed(const char* otherwise, std::string& error) const
{
  error = mWriteError ? CannotWrite(mFile->Target(), mWriteError)
                      : "cannot write '" + mFile->Target() + "': " + otherwise;
  return false;
}

bool SoundFileWriter::Open(OutputFile& file, int format, double sampleRate, int channels, bool dither,
                           std::string& error)
{
  mFile = &file;
  mChannels = channels;
  SF_INFO info{};
  info.samplerate = static_cast<int>(sampleRate);
  info.channels = channels;
  info.format = format;
  SF_VIRTUAL_IO io{Length, Seek, ReadBytes, WriteBytes, Tell};
  mSound = sf_open_virtual(&io, SFM_WRITE, &info, this);
  if (!mSound)
    return Failed("libsndfile cannot write this format", error);
  const size_t chunkSamples = static_cast<size_t>(kChunkFrames) * static_cast<size_t>(channels);
  if (const int bits = IntegerBits(format & SF_FORMAT_SUBMASK))
  {
    mQuantizer.emplace(bits, dither, channels);
    mIntegers.resize(chunkSamples);
    mFrom.resize(static_cast<size_t>(channels));
  }
  else
    mFloats.resize(chunkSamples);
  return true;
}

bool SoundFileWriter::Write(const float* const* channels, int frames, std::string& error)
{
  // Gathered into chunks: small blocks would each cost a write of their own.
  for (int done = 0; done < frames;)
  {
    const int count = std::min(frames - done, kChunkFrames - mPendingFrames);
    const size_t at = static_cast<size_t>(mPendingFrames) * static_cast<size_t>(mChannels);
    if (mQuantizer)
    {
      for (int c = 0; c < mChannels; ++c)
        mFrom[static_cast<size_t>(c)] = channels[c] + done;
      mQuantizer->Quantize(mFrom.data(), count, mIntegers.data() + at);
    }
    else
    {
      for (int i = 0; i < count; ++i)
        for (int c = 0; c < mChannels; ++c)
          mFloats[at + static_cast<size_t>(i * mChannels + c)] = channels[c][done + i];
    }
    mPendingFrames += count;
    done += count;
    if (mPendingFrames == kChunkFrames && !WritePending(error))
      return false;
  }
  return true;
}

bool SoundFileWriter::WritePending(std::string& error)
{
  const sf_count_t written = mQuantizer ? sf_writef_int(mSound, mIntegers.data(), mPendingFrames)
                                        : sf_writef_float(mSound, mFloats.data(), mPendingFrames);
  const bool complete = written == mPendingFrames && mWriteError == 0;
  mPendingFrames = 0;
  return complete || Failed("libsndfile could not encode the samples", error);
}

bool SoundFileWriter::Close(std::string& error)
{
  if (mPendingFrames > 0 && !WritePending(error))
    return false;
  const int closed = sf_close(mSound);
  mSound = nullptr;
  if (closed != 0 || mWriteError)
    return Failed("libsndfile could not complete the file", error);
  return true;
}
