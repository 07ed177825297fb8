#include "AudioFixtures.h"
#include "CaseName.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace
{
constexpr const char* kKept = "what was here before";

struct InputCase
{
  const char* what;
  const char* name;
  TestAudio audio;
  int exitCode;
  std::string said;
  std::int64_t framesWritten;  // -1: out.wav keeps what it held
};

TestAudio Damaged(Damage damage, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
  TestAudio audio;
  audio.format = format;
  audio.damage = damage;
  return audio;
}

TestAudio WithShape(int sampleRate, int channels)
{
  TestAudio audio;
  audio.sampleRate = sampleRate;
  audio.channels = channels;
  return audio;
}

const InputCase kCases[] = {
  {"a sound file", "in.wav", TestAudio{}, 0, "", 48000},
  {"a file cut in its samples", "in.wav", Damaged(Damage::CutInData), 0,
   "warning: 'in.wav' ends after 24000 frames (0.50 s) of the 48000 its header announces; the output holds what "
   "was read",
   24000},
  {"a FLAC header that claims 2^30 frames", "in.flac", Damaged(Damage::LyingLength, SF_FORMAT_FLAC | SF_FORMAT_PCM_16),
   0, "warning: 'in.flac' ends after 48000 frames (1.00 s) of the 1073741824 its header announces", 48000},
  {"a file cut in its header", "in.wav", Damaged(Damage::CutInHeader), 1,
   "cannot read 'in.wav': the file ends inside its WAV header (it is cut short)", -1},
  {"a rate of 0 Hz", "in.wav", Damaged(Damage::RateZero), 1,
   "cannot read 'in.wav': its WAV header gives a sample rate of 0 Hz", -1},
  {"a rate of 4 GHz", "in.wav", Damaged(Damage::Rate4GHz), 1,
   "cannot read 'in.wav': its WAV header gives a sample rate of 4000000000 Hz", -1},
  {"no channels", "in.wav", Damaged(Damage::NoChannels), 1, "cannot read 'in.wav': its WAV header gives 0 channels",
   -1},
  {"six channels", "in.wav", WithShape(48000, 6), 1,
   "cannot read 'in.wav': it has 6 channels; the tape plays mono and stereo", -1},
  {"a rate below the tape's", "in.wav", WithShape(4000, 2), 1,
   "cannot read 'in.wav': its sample rate of 4000 Hz is outside the 8 kHz to 384 kHz the tool plays", -1},
  {"a rate above the tape's", "in.wav", WithShape(768000, 1), 1, "its sample rate of 768000 Hz is outside", -1},
  {"the lowest rate", "in.wav", WithShape(8000, 1), 0, "", 8000},
};

// How the case is named in test listings.
void PrintTo(const InputCase& test, std::ostream* out)
{
  *out << test.what;
}

class InputFileTest : public ::testing::TestWithParam<InputCase>
{
};

TEST_P(InputFileTest, IsPlayedOrRefusedInPlainWords)
{
  const InputCase& test = GetParam();
  ScratchFolder folder;
  TestAudio audio = test.audio;
  audio.frames = audio.sampleRate;
  WriteAudio(folder / test.name, audio);
  WriteBytes(folder / "out.wav", kKept);

  const ToolResult result = RunTool({{"--quiet", test.name, "out.wav"}, folder.Path()});

  EXPECT_EQ(result.exitCode, test.exitCode);
  EXPECT_EQ(result.err.empty(), test.said.empty()) << result.err;
  EXPECT_NE(result.err.find(test.said), std::string::npos) << result.err;
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{test.name, "out.wav"}));
  if (test.framesWritten < 0)
    EXPECT_TRUE(ReadBytes(folder / "out.wav") == kKept) << "the target changed";
  else
    EXPECT_EQ(ReadAudio(folder / "out.wav").info.frames, test.framesWritten);
}

INSTANTIATE_TEST_SUITE_P(Cases, InputFileTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<InputCase>& test) { return CaseName(test.param.what); });

// Files that are no audio at all.
struct NotAudioCase
{
  const char* what;
  const char* contents;  // nullptr: no file; "/": a folder
  std::string said;
};

const NotAudioCase kNotAudio[] = {
  {"no file", nullptr, "cannot read 'in.wav': No such file or directory"},
  {"a folder", "/", "cannot read 'in.wav': it is a folder"},
  {"an empty file", "", "cannot read 'in.wav': the file is empty"},
  {"text", "some words, not audio, long enough to be looked at as a header",
   "cannot read 'in.wav': it is not an audio file in a format the tool reads"},
};

TEST(NotAudio, IsRefusedInPlainWords)
{
  for (const NotAudioCase& test : kNotAudio)
  {
    SCOPED_TRACE(test.what);
    ScratchFolder folder;
    if (test.contents && std::string(test.contents) == "/")
      std::filesystem::create_directory(folder / "in.wav");
    else if (test.contents)
      WriteBytes(folder / "in.wav", test.contents);
    const ToolResult result = RunTool({{"--quiet", "in.wav", "out.wav"}, folder.Path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(test.said), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.wav"));
  }
}
}
