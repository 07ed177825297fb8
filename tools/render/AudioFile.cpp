#include "AudioFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>

namespace
{
constexpr int kMaxChannels = 2;

std::string LowerExtension(const std::string& path)
{
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return "";
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

int ContainerFor(const std::string& path)
{
  const std::string extension = LowerExtension(path);
  if (extension == "wav")
    return SF_FORMAT_WAV;
  if (extension == "aif" || extension == "aiff")
    return SF_FORMAT_AIFF;
  if (extension == "flac")
    return SF_FORMAT_FLAC;
  return 0;
}

int SubtypeFor(SampleEncoding encoding, int inputFormat)
{
  switch (encoding)
  {
    case SampleEncoding::Int16: return SF_FORMAT_PCM_16;
    case SampleEncoding::Int24: return SF_FORMAT_PCM_24;
    case SampleEncoding::Float32: return SF_FORMAT_FLOAT;
    case SampleEncoding::SameAsInput: break;
  }
  const int subtype = inputFormat & SF_FORMAT_SUBMASK;
  if (subtype == SF_FORMAT_PCM_16 || subtype == SF_FORMAT_PCM_24 || subtype == SF_FORMAT_FLOAT)
    return subtype;
  return SF_FORMAT_PCM_24;
}
}

bool ReadAudioFile(const std::string& path, AudioData& audio, std::string& error)
{
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file)
  {
    error = "cannot read " + path + ": " + sf_strerror(nullptr);
    return false;
  }
  if (info.channels < 1 || info.channels > kMaxChannels)
  {
    error = path + " has " + std::to_string(info.channels) + " channels; only mono and stereo files can be processed";
    sf_close(file);
    return false;
  }
  if (info.samplerate < 8000 || info.samplerate > 384000)
  {
    error = path + ": a sample rate of " + std::to_string(info.samplerate) + " Hz is not supported";
    sf_close(file);
    return false;
  }

  constexpr sf_count_t kMaxSamples = sf_count_t(1) << 31;  // hours of audio; more is a broken header
  if (info.frames < 0 || info.frames > kMaxSamples / info.channels)
  {
    error = path + " is too long to process";
    sf_close(file);
    return false;
  }
  std::vector<float> interleaved(static_cast<size_t>(info.frames) * info.channels);
  const sf_count_t read = sf_readf_float(file, interleaved.data(), info.frames);
  sf_close(file);

  audio.sampleRate = info.samplerate;
  audio.format = info.format;
  audio.channels.assign(info.channels, std::vector<float>(static_cast<size_t>(read)));
  for (sf_count_t i = 0; i < read; ++i)
    for (int c = 0; c < info.channels; ++c)
      audio.channels[c][i] = interleaved[i * info.channels + c];
  return true;
}

bool WriteAudioFile(const std::string& path, const AudioData& audio, SampleEncoding encoding, std::string& error)
{
  const int container = ContainerFor(path);
  if (!container)
  {
    error = "cannot tell the file type of " + path + "; use a .wav, .aiff or .flac name";
    return false;
  }
  const int subtype = SubtypeFor(encoding, audio.format);
  if (container == SF_FORMAT_FLAC && subtype == SF_FORMAT_FLOAT)
  {
    error = "FLAC files hold 16- or 24-bit samples; choose --bits 16 or 24 for " + path;
    return false;
  }

  SF_INFO info{};
  info.samplerate = static_cast<int>(audio.sampleRate);
  info.channels = static_cast<int>(audio.channels.size());
  info.format = container | subtype;
  if (!sf_format_check(&info))
  {
    error = "this combination of file type and sample format cannot be written: " + path;
    return false;
  }
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file)
  {
    error = "cannot write " + path + ": " + sf_strerror(nullptr);
    return false;
  }
  // Integer files would wrap at full scale otherwise.
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);

  std::vector<float> interleaved(audio.Frames() * info.channels);
  for (size_t i = 0; i < audio.Frames(); ++i)
    for (int c = 0; c < info.channels; ++c)
      interleaved[i * info.channels + c] = audio.channels[c][i];
  const sf_count_t written = sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(audio.Frames()));
  const int closed = sf_close(file);
  if (written != static_cast<sf_count_t>(audio.Frames()) || closed != 0)
  {
    error = "writing " + path + " failed";
    return false;
  }
  return true;
}
