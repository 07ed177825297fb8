#include "AudioFixtures.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
size_t Lines(const std::string& text)
{
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(SeveralInputs, EachIsWrittenUnderItsOwnNameAndAFailureStopsNoOther)
{
  ScratchFolder folder;
  WriteAudio(folder / "first.wav", TestAudio{});
  TestAudio cut;
  cut.damage = Damage::CutInHeader;
  WriteAudio(folder / "broken.wav", cut);
  TestAudio flac;
  flac.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
  WriteAudio(folder / "third.flac", flac);

  const ToolResult result = RunTool({{"first.wav", "broken.wav", "third.flac", "--out-dir", "renders"}, folder.Path()});

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "velkortape-render: cannot read 'broken.wav': the file ends inside its WAV header (it is cut "
                        "short)\nvelkortape-render: 1 of 3 files could not be written\n");
  // The settings, then one line per file written.
  EXPECT_EQ(Lines(result.out), 3u) << result.out;
  EXPECT_NE(result.out.find("\nrenders/first.wav: 1.00 s of stereo at 48000 Hz as 16-bit WAV"), std::string::npos);
  EXPECT_NE(result.out.find("\nrenders/third.flac: 1.00 s of stereo at 48000 Hz as 24-bit FLAC"), std::string::npos);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"broken.wav", "first.wav", "renders", "renders/first.wav",
                                                      "renders/third.flac", "third.flac"}));
}

TEST(SeveralInputs, TakeTheTypeFormatAsks)
{
  ScratchFolder folder;
  WriteAudio(folder / "first.wav", TestAudio{});
  WriteAudio(folder / "second.wav", TestAudio{});

  const ToolResult result =
    RunTool({{"--quiet", "--format", "aiff", "--out-dir", "renders", "first.wav", "second.wav"}, folder.Path()});

  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"first.wav", "renders", "renders/first.aiff",
                                                      "renders/second.aiff", "second.wav"}));
  EXPECT_EQ(ReadAudio(folder / "renders/second.aiff").info.format, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
}

TEST(SeveralInputs, SoundAsEachWouldAlone)
{
  ScratchFolder folder;
  TestAudio loud;
  loud.amplitude = 0.9;
  WriteAudio(folder / "loud.wav", loud);
  WriteAudio(folder / "quiet.wav", TestAudio{});

  // Without hiss, whose noise goes on from one file to the next.
  const ToolResult alone =
    RunTool({{"--quiet", "--set", "Hiss=off", "--out-dir", "alone", "quiet.wav"}, folder.Path()});
  const ToolResult after =
    RunTool({{"--quiet", "--set", "Hiss=off", "--out-dir", "after", "loud.wav", "quiet.wav"}, folder.Path()});

  ASSERT_EQ(alone.exitCode, 0) << alone.err;
  ASSERT_EQ(after.exitCode, 0) << after.err;
  EXPECT_TRUE(ReadAudio(folder / "alone/quiet.wav").shorts == ReadAudio(folder / "after/quiet.wav").shorts)
    << "the file before left its sound in the filters";
}
}
