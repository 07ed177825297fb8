#include "AudioFixtures.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>
#include <unistd.h>

namespace
{
// The whole tool, its libraries and the plug-in module included, must stream
// any length within this much address space.
constexpr rlim_t kAddressSpace = 64 * 1024 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

void Report(const char* what, const ToolResult& result, double seconds)
{
  ::testing::Test::RecordProperty(std::string(what) + "_max_resident_kb", std::to_string(result.maxResidentKb));
  std::cout << what << ": " << static_cast<double>(result.maxResidentKb) / 1024.0 << " MiB resident at most, "
            << seconds << " s\n";
}

TEST(MemoryBound, ThreeHoursFromAPipeStreamInFixedMemory)
{
  if (kSanitized)
    GTEST_SKIP() << "the address sanitizer reserves its shadow memory beyond any address-space limit";
  std::signal(SIGPIPE, SIG_IGN);
  constexpr std::int64_t kFrames = 3LL * 3600 * 48000;
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  // Bypassed: the memory is the streaming's, and the three hours pass in
  // seconds.
  ToolLaunch launch{{"--quiet", "--set", "Bypass=on", "--format", "wav", "-", "/dev/null"}};
  launch.input = pipeEnds[0];
  launch.addressSpace = kAddressSpace;
  const auto start = std::chrono::steady_clock::now();
  RunningTool tool(launch);
  close(pipeEnds[0]);
  std::thread feeder([&] {
    StreamWav16(pipeEnds[1], 48000, 2, kFrames);
    close(pipeEnds[1]);
  });
  const ToolResult result = tool.Wait();
  feeder.join();
  Report("three_hours", result, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
}

TEST(MemoryBound, AHeaderClaimingTwoToTheThirtyFramesEndsWithAWarning)
{
  if (kSanitized)
    GTEST_SKIP() << "the address sanitizer reserves its shadow memory beyond any address-space limit";
  ScratchFolder folder;
  TestAudio audio;
  audio.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  audio.frames = 4 * 48000;
  audio.damage = Damage::LyingLength;
  WriteAudio(folder / "lying.flac", audio);
  ToolLaunch launch{{"--quiet", "lying.flac", "out.flac"}, folder.Path()};
  launch.addressSpace = kAddressSpace;
  const auto start = std::chrono::steady_clock::now();

  const ToolResult result = RunTool(launch);
  Report("lying_header", result, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "velkortape-render: warning: 'lying.flac' ends after 192000 frames (4.00 s) of the "
                        "1073741824 its header announces; the output holds what was read\n");
  EXPECT_EQ(ReadAudio(folder / "out.flac").info.frames, audio.frames);
}
}
