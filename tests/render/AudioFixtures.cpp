#include "AudioFixtures.h"

#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace
{
constexpr double kPi = 3.141592653589793;

void PutLittle(std::string& bytes, size_t at, std::uint32_t value, int width)
{
  for (int i = 0; i < width; ++i)
    bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
}

// The body of a WAV file's "fmt " chunk.
size_t FormatChunk(const std::string& bytes)
{
  for (size_t at = 12; at + 8 <= bytes.size();)
  {
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
      length = length << 8 | static_cast<unsigned char>(bytes[at + 4 + static_cast<size_t>(i)]);
    if (bytes.compare(at, 4, "fmt ") == 0)
      return at + 8;
    at += 8 + length + (length & 1);
  }
  ADD_FAILURE() << "no fmt chunk";
  return 0;
}

void Spoil(const std::string& path, const TestAudio& audio)
{
  std::string bytes = ReadBytes(path);
  switch (audio.damage)
  {
    case Damage::None: return;
    case Damage::CutInData:
    {
      // 16-bit samples: the second half of the frames goes.
      const std::uint64_t missing = static_cast<std::uint64_t>(audio.frames - audio.frames / 2) * 2u *
                                    static_cast<std::uint64_t>(audio.channels);
      std::filesystem::resize_file(path, bytes.size() - missing);
      return;
    }
    case Damage::CutInHeader: bytes.resize(30); break;
    case Damage::RateZero: PutLittle(bytes, FormatChunk(bytes) + 4, 0, 4); break;
    case Damage::Rate4GHz: PutLittle(bytes, FormatChunk(bytes) + 4, 4000000000u, 4); break;
    case Damage::NoChannels: PutLittle(bytes, FormatChunk(bytes) + 2, 0, 2); break;
    case Damage::LyingLength:
    {
      // STREAMINFO's last 36 bits of bytes 18..25 are the total samples;
      // its MD5 signature goes, or the decoder would check against it.
      const size_t packed = 8 + 10;
      std::uint64_t value = 0;
      for (size_t i = 0; i < 8; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[packed + i]);
      value = (value & ~0xFFFFFFFFFULL) | (1ULL << 30);
      for (size_t i = 0; i < 8; ++i)
        bytes[packed + i] = static_cast<char>(value >> (8 * (7 - i)) & 0xFF);
      std::fill_n(bytes.begin() + 8 + 18, 16, '\0');
      break;
    }
  }
  WriteBytes(path, bytes);
}
}

double TestAudio::Sample(int channel, std::int64_t frame) const
{
  return amplitude * std::sin(2.0 * kPi * frequency * static_cast<double>(frame) / sampleRate + channel);
}

void WriteAudio(const std::string& path, const TestAudio& audio)
{
  SF_INFO info{};
  info.samplerate = audio.sampleRate;
  info.channels = audio.channels;
  info.format = audio.format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << path << ": " << sf_strerror(nullptr);
  std::vector<double> block;
  for (std::int64_t start = 0; start < audio.frames; start += 4096)
  {
    const std::int64_t frames = std::min<std::int64_t>(4096, audio.frames - start);
    block.clear();
    for (std::int64_t i = 0; i < frames; ++i)
      for (int c = 0; c < audio.channels; ++c)
        block.push_back(audio.Sample(c, start + i));
    sf_writef_double(file, block.data(), frames);
  }
  sf_close(file);
  Spoil(path, audio);
}

ReadAudio::ReadAudio(const std::string& path)
{
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  opened = file != nullptr;
  if (!file)
    return;
  samples.resize(static_cast<size_t>(info.frames * info.channels));
  sf_readf_float(file, samples.data(), info.frames);
  sf_seek(file, 0, SEEK_SET);
  shorts.resize(samples.size());
  sf_readf_short(file, shorts.data(), info.frames);
  sf_close(file);
}

void StreamWav16(int descriptor, int sampleRate, int channels, std::int64_t frames, std::int64_t sent)
{
  const std::uint32_t frameBytes = 2u * static_cast<std::uint32_t>(channels);
  const std::uint64_t dataBytes = static_cast<std::uint64_t>(frames) * frameBytes;
  std::string header(44, '\0');
  header.replace(0, 4, "RIFF");
  PutLittle(header, 4, static_cast<std::uint32_t>(36 + dataBytes), 4);
  header.replace(8, 8, "WAVEfmt ");
  PutLittle(header, 16, 16, 4);
  PutLittle(header, 20, 1, 2);
  PutLittle(header, 22, static_cast<std::uint32_t>(channels), 2);
  PutLittle(header, 24, static_cast<std::uint32_t>(sampleRate), 4);
  PutLittle(header, 28, static_cast<std::uint32_t>(sampleRate) * frameBytes, 4);
  PutLittle(header, 32, frameBytes, 2);
  PutLittle(header, 34, 16, 2);
  header.replace(36, 4, "data");
  PutLittle(header, 40, static_cast<std::uint32_t>(dataBytes), 4);

  // One second of a 100 Hz sine, repeated: cheap to make at any length.
  std::string second;
  for (int i = 0; i < sampleRate; ++i)
  {
    const auto value = static_cast<std::int16_t>(std::lround(8000.0 * std::sin(2.0 * kPi * 100.0 * i / sampleRate)));
    for (int c = 0; c < channels; ++c)
      second.append(reinterpret_cast<const char*>(&value), 2);
  }
  auto put = [&](const char* bytes, size_t count) {
    while (count > 0)
    {
      const ssize_t done = write(descriptor, bytes, count);
      if (done < 0 && errno == EINTR)
        continue;
      if (done <= 0)
        return false;
      bytes += done;
      count -= static_cast<size_t>(done);
    }
    return true;
  };
  if (!put(header.data(), header.size()))
    return;
  for (std::uint64_t left = sent < 0 ? dataBytes : static_cast<std::uint64_t>(sent) * frameBytes; left > 0;)
  {
    const size_t count = static_cast<size_t>(std::min<std::uint64_t>(left, second.size()));
    if (!put(second.data(), count))
      return;
    left -= count;
  }
}
