#include "AudioFixtures.h"
#include "CaseName.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{
struct FormatCase
{
  int input;  // libsndfile format of in.*
  const char* output;
  std::vector<std::string> options;
  int written;  // libsndfile format of the output
  std::string format;  // as the summary names it
  std::string note;    // why it is not the input's, at the end of the summary
};

constexpr int kWav = SF_FORMAT_WAV;
constexpr int kAiff = SF_FORMAT_AIFF;
constexpr int kFlac = SF_FORMAT_FLAC;

const FormatCase kCases[] = {
  {kWav | SF_FORMAT_FLOAT, "out.flac", {}, kFlac | SF_FORMAT_PCM_24, "24-bit FLAC",
   "FLAC holds no 32-bit float samples: written as 24-bit"},
  {kWav | SF_FORMAT_FLOAT, "out.wav", {}, kWav | SF_FORMAT_FLOAT, "32-bit float WAV", ""},
  {kWav | SF_FORMAT_DOUBLE, "out.aiff", {}, kAiff | SF_FORMAT_DOUBLE, "64-bit float AIFF", ""},
  {kWav | SF_FORMAT_DOUBLE, "out.flac", {}, kFlac | SF_FORMAT_PCM_24, "24-bit FLAC",
   "FLAC holds no 64-bit float samples: written as 24-bit"},
  {kWav | SF_FORMAT_PCM_32, "out.flac", {}, kFlac | SF_FORMAT_PCM_24, "24-bit FLAC",
   "FLAC holds no 32-bit samples: written as 24-bit"},
  {kWav | SF_FORMAT_PCM_24, "out.aiff", {}, kAiff | SF_FORMAT_PCM_24, "24-bit AIFF", ""},
  {kWav | SF_FORMAT_PCM_16, "out.flac", {}, kFlac | SF_FORMAT_PCM_16, "16-bit FLAC with TPDF dither", ""},
  {kWav | SF_FORMAT_PCM_16, "out.wav", {"--no-dither"}, kWav | SF_FORMAT_PCM_16, "16-bit WAV", ""},
  {kWav | SF_FORMAT_PCM_24, "out.wav", {"--bits", "16"}, kWav | SF_FORMAT_PCM_16, "16-bit WAV with TPDF dither", ""},
  {kWav | SF_FORMAT_PCM_16, "out.wav", {"--bits", "float"}, kWav | SF_FORMAT_FLOAT, "32-bit float WAV", ""},
  {kWav | SF_FORMAT_ULAW, "out.wav", {}, kWav | SF_FORMAT_ULAW, "u-law WAV", ""},
  {kWav | SF_FORMAT_ULAW, "out.aiff", {}, kAiff | SF_FORMAT_ULAW, "u-law AIFF", ""},
  {kWav | SF_FORMAT_ULAW, "out.flac", {}, kFlac | SF_FORMAT_PCM_16, "16-bit FLAC with TPDF dither",
   "FLAC holds no u-law samples: written as 16-bit"},
  {kWav | SF_FORMAT_ALAW, "out.flac", {}, kFlac | SF_FORMAT_PCM_16, "16-bit FLAC with TPDF dither",
   "FLAC holds no a-law samples: written as 16-bit"},
  {kWav | SF_FORMAT_PCM_U8, "out.wav", {}, kWav | SF_FORMAT_PCM_U8, "8-bit WAV with TPDF dither", ""},
  {kWav | SF_FORMAT_PCM_U8, "out.aiff", {}, kAiff | SF_FORMAT_PCM_U8, "8-bit AIFF with TPDF dither", ""},
  {kAiff | SF_FORMAT_PCM_S8, "out.flac", {}, kFlac | SF_FORMAT_PCM_S8, "8-bit FLAC with TPDF dither", ""},
  {kAiff | SF_FORMAT_PCM_S8, "out.wav", {}, kWav | SF_FORMAT_PCM_U8, "8-bit WAV with TPDF dither", ""},
};

// How the case is named in test listings.
void PrintTo(const FormatCase& test, std::ostream* out)
{
  *out << std::string(test.output) + " as " + test.format;
}

class OutputFormatTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(OutputFormatTest, FollowsTheInputWhereTheContainerHoldsIt)
{
  const FormatCase& test = GetParam();
  ScratchFolder folder;
  TestAudio audio;
  audio.format = test.input;
  audio.amplitude = 0.5;
  const std::string input = (test.input & SF_FORMAT_TYPEMASK) == kAiff ? "in.aiff" : "in.wav";
  WriteAudio(folder / input, audio);
  std::vector<std::string> args{"--set", "Bypass=on"};
  args.insert(args.end(), test.options.begin(), test.options.end());
  args.insert(args.end(), {input, test.output});

  const ToolResult result = RunTool({args, folder.Path()});

  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find(std::string(test.output) + ": 1.00 s of stereo at 48000 Hz as " + test.format + "; VU"),
            std::string::npos)
    << result.out;
  if (test.note.empty())
    EXPECT_EQ(result.out.find("holds no"), std::string::npos) << result.out;
  else
    EXPECT_NE(result.out.find("; " + test.note + "\n"), std::string::npos) << result.out;
  const ReadAudio written(folder / test.output);
  EXPECT_EQ(written.info.format, test.written);
  EXPECT_EQ(written.info.frames, audio.frames);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputFormatTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FormatCase>& test) {
                           return CaseName(std::to_string(test.index) + " " + test.param.output + " as " +
                                           test.param.format);
                         });
}
