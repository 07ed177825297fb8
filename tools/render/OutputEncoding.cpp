#include "OutputEncoding.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace
{
std::string Lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool Holds(int container, int subtype)
{
  SF_INFO info{};
  info.samplerate = 48000;
  info.channels = 2;
  info.format = container | subtype;
  return sf_format_check(&info) != 0;
}

int SubtypeOf(SampleBits bits)
{
  switch (bits)
  {
    case SampleBits::Int16: return SF_FORMAT_PCM_16;
    case SampleBits::Int24: return SF_FORMAT_PCM_24;
    case SampleBits::Float: break;
  }
  return SF_FORMAT_FLOAT;
}

// The input's encoding first, then the nearest ones a container may hold.
std::vector<int> Preferences(int inputSubtype)
{
  switch (inputSubtype)
  {
    case SF_FORMAT_PCM_S8: return {SF_FORMAT_PCM_S8, SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16};
    case SF_FORMAT_PCM_U8: return {SF_FORMAT_PCM_U8, SF_FORMAT_PCM_S8, SF_FORMAT_PCM_16};
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE: return {inputSubtype, SF_FORMAT_PCM_24};
    default: return {inputSubtype, SF_FORMAT_PCM_16};
  }
}

std::string SubtypeName(int subtype)
{
  switch (subtype)
  {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8: return "8-bit";
    case SF_FORMAT_PCM_16: return "16-bit";
    case SF_FORMAT_PCM_24: return "24-bit";
    case SF_FORMAT_PCM_32: return "32-bit";
    case SF_FORMAT_FLOAT: return "32-bit float";
    case SF_FORMAT_DOUBLE: return "64-bit float";
    case SF_FORMAT_ULAW: return "u-law";
    case SF_FORMAT_ALAW: return "a-law";
    default: break;
  }
  SF_FORMAT_INFO info{};
  info.format = subtype;
  return sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) == 0 && info.name ? info.name : "compressed";
}

std::string ContainerName(int container)
{
  return container == SF_FORMAT_AIFF ? "AIFF" : container == SF_FORMAT_FLAC ? "FLAC" : "WAV";
}
}

int ContainerNamed(const std::string& name)
{
  const std::string lower = Lower(name);
  if (lower == "wav")
    return SF_FORMAT_WAV;
  if (lower == "aif" || lower == "aiff")
    return SF_FORMAT_AIFF;
  if (lower == "flac")
    return SF_FORMAT_FLAC;
  return 0;
}

int ContainerOfPath(const std::string& path)
{
  const std::string extension = std::filesystem::path(path).extension().string();
  return extension.size() > 1 ? ContainerNamed(extension.substr(1)) : 0;
}

std::string ContainerExtension(int container)
{
  return container == SF_FORMAT_AIFF ? "aiff" : container == SF_FORMAT_FLAC ? "flac" : "wav";
}

int IntegerBits(int subtype)
{
  switch (subtype)
  {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8: return 8;
    case SF_FORMAT_PCM_16: return 16;
    case SF_FORMAT_PCM_24: return 24;
    case SF_FORMAT_PCM_32: return 32;
    default: return 0;
  }
}

OutputEncoding ChooseEncoding(int container, int inputSubtype, std::optional<SampleBits> bits, bool dither)
{
  OutputEncoding encoding;
  if (bits)
    encoding.subtype = SubtypeOf(*bits);
  else
  {
    const std::vector<int> preferences = Preferences(inputSubtype);
    const auto held = std::find_if(preferences.begin(), preferences.end(),
                                   [&](int subtype) { return Holds(container, subtype); });
    encoding.subtype = held == preferences.end() ? SF_FORMAT_PCM_16 : *held;
    if (SubtypeName(encoding.subtype) != SubtypeName(inputSubtype))
      encoding.note = ContainerName(container) + " holds no " + SubtypeName(inputSubtype) + " samples: written as " +
                      SubtypeName(encoding.subtype);
  }
  const int integerBits = IntegerBits(encoding.subtype);
  encoding.dithered = dither && integerBits > 0 && integerBits <= 16;
  return encoding;
}

std::string BitsRefusal(int container, SampleBits bits, const std::string& path)
{
  if (Holds(container, SubtypeOf(bits)))
    return "";
  return "'" + path + "': " + ContainerName(container) + " holds 8-, 16- or 24-bit samples, not " +
         SubtypeName(SubtypeOf(bits)) + "; choose --bits 16 or 24";
}

std::string DescribeEncoding(int container, int subtype)
{
  return SubtypeName(subtype) + " " + ContainerName(container);
}
