#pragma once

#include <optional>
#include <string>

// The sample formats --bits asks for.
enum class SampleBits { Int16, Int24, Float };

// The containers the tool writes (libsndfile's major formats), found from a
// file name's extension (.wav, .aif or .aiff, .flac) or from a --format
// name; 0 for none.
int ContainerOfPath(const std::string& path);
int ContainerNamed(const std::string& name);
std::string ContainerExtension(int container);

// How an output file's samples are written. Without --bits the input's
// encoding is kept where the container holds it, else the nearest one it
// holds (float and 32-bit become 24-bit in FLAC, u-law and a-law 16-bit),
// with `note` saying so. 16- and 8-bit output is dithered unless asked not to
// be; 24-bit, 32-bit, float and companded output is not.
struct OutputEncoding
{
  int subtype = 0;  // libsndfile's
  bool dithered = false;
  std::string note;
};

OutputEncoding ChooseEncoding(int container, int inputSubtype, std::optional<SampleBits> bits, bool dither);

// Why `container` cannot hold what --bits asks for, naming `path`; "" when it
// can.
std::string BitsRefusal(int container, SampleBits bits, const std::string& path);

// "24-bit WAV", "u-law AIFF", "32-bit float WAV".
std::string DescribeEncoding(int container, int subtype);

// The bits of the whole numbers a PCM subtype holds (8 to 32), 0 for float,
// companded and compressed subtypes, whose conversion libsndfile makes.
int IntegerBits(int subtype);
