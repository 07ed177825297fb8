#include "AudioFixtures.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr const char* kKept = "what was here before";

TestAudio Seconds(int seconds)
{
  TestAudio audio;
  audio.frames = static_cast<std::int64_t>(seconds) * audio.sampleRate;
  return audio;
}

// A write beyond a file-size limit fails with "File too large" as a full
// disk fails with "No space left on device": the output that was there
// stays, nothing else is left.
struct LimitCase
{
  const char* target;
  std::vector<std::string> args;
};

const LimitCase kLimitCases[] = {
  {"out.wav", {"in.wav", "out.wav"}},
  {"out.flac", {"in.wav", "out.flac"}},
  {"out.aiff", {"--bits", "float", "in.wav", "out.aiff"}},
  {"editor.png", {"--editor", "editor.png"}},
};

TEST(FailedWrite, KeepsTheTargetAndRemovesTheUnfinishedFile)
{
  for (const LimitCase& test : kLimitCases)
  {
    SCOPED_TRACE(test.target);
    ScratchFolder folder;
    WriteAudio(folder / "in.wav", Seconds(4));
    WriteBytes(folder / test.target, kKept);
    ToolLaunch launch{test.args, folder.Path()};
    launch.fileSize = 32 * 1024;

    const ToolResult result = RunTool(launch);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("cannot write '" + std::string(test.target) + "': File too large"), std::string::npos)
      << result.err;
    EXPECT_TRUE(ReadBytes(folder / test.target) == kKept) << "the target changed";
    std::vector<std::string> left{"in.wav", test.target};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(folder.Names(), left);
  }
}

// A small tmpfs of this process's own, where the system allows one: a
// mount namespace of its own (and a user namespace when not root), so
// nothing outside sees it.
class SmallDisk
{
public:
  SmallDisk(const std::string& path, size_t bytes) : mPath(path)
  {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWNS) != 0 && (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !MapToRoot(uid, gid)))
    {
      mProblem = std::strerror(errno);
      return;
    }
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", path.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes)).c_str()) != 0)
      mProblem = std::strerror(errno);
    else
      mMounted = true;
  }
  ~SmallDisk()
  {
    if (mMounted)
      umount2(mPath.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mMounted; }
  const std::string& Problem() const { return mProblem; }

private:
  static bool MapToRoot(uid_t uid, gid_t gid)
  {
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream uidMap("/proc/self/uid_map");
    uidMap << "0 " << uid << " 1";
    uidMap.close();
    std::ofstream gidMap("/proc/self/gid_map");
    gidMap << "0 " << gid << " 1";
    gidMap.close();
    return uidMap.good() && gidMap.good();
  }

  std::string mPath;
  std::string mProblem;
  bool mMounted = false;
};

TEST(FullDisk, KeepsTheTargetAndSaysWhy)
{
  // FLAC packs the test's sine tightly: its disk is smaller.
  for (const auto& [target, diskBytes] : {std::pair{"out.wav", 256 * 1024}, std::pair{"out.flac", 16 * 1024}})
  {
    SCOPED_TRACE(target);
    ScratchFolder folder;
    fs::create_directory(folder / "disk");
    SmallDisk disk(folder / "disk", static_cast<size_t>(diskBytes));
    if (!disk.Mounted())
      GTEST_SKIP() << "no tmpfs can be mounted here: " << disk.Problem();
    WriteAudio(folder / "in.wav", Seconds(4));
    const std::string output = "disk/" + std::string(target);
    WriteBytes(folder / output, kKept);

    const ToolResult result = RunTool({{"in.wav", output}, folder.Path()});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("cannot write '" + output + "': No space left on device"), std::string::npos)
      << result.err;
    EXPECT_TRUE(ReadBytes(folder / output) == kKept) << "the target changed";
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"disk", output, "in.wav"}));
  }
}

TEST(FullDisk, KeepsTheDecksWrittenAndSaysWhich)
{
  ScratchFolder folder;
  fs::create_directory(folder / "disk");
  // A second of 16-bit stereo takes 47 pages of 4 KiB: two such files fit,
  // the third does not.
  SmallDisk disk(folder / "disk", 110 * 4096);
  if (!disk.Mounted())
    GTEST_SKIP() << "no tmpfs can be mounted here: " << disk.Problem();
  WriteAudio(folder / "in.wav", Seconds(1));

  const ToolResult result = RunTool({{"--quiet", "--all-decks", "disk", "in.wav"}, folder.Path()});

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("velkortape-render: cannot write 'disk/in-american-15-ips.wav': No space left on device\n"
                            "velkortape-render: 'disk/in-american-15-ips.wav' was not written; written before it: "
                            "'disk/in-japan-15-ips.wav', 'disk/in-japan-30-ips.wav'\n"),
            std::string::npos)
    << result.err;
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"disk", "disk/in-japan-15-ips.wav", "disk/in-japan-30-ips.wav", "in.wav"}));
  for (const char* written : {"disk/in-japan-15-ips.wav", "disk/in-japan-30-ips.wav"})
    EXPECT_EQ(ReadAudio(folder / written).info.frames, 48000) << written;
}

// Ctrl-C or a kill while the tool waits for more of its input in the middle
// of a write.
struct InterruptCase
{
  int signal;
  std::string said;
};

const InterruptCase kInterrupts[] = {
  {SIGINT, "velkortape-render: interrupted; 'out.wav' was not written\n"},
  {SIGTERM, "velkortape-render: terminated; 'out.wav' was not written\n"},
};

bool UnfinishedFileGrows(const ScratchFolder& folder)
{
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path()))
    if (entry.path().filename().string().rfind(".out.wav.", 0) == 0 && entry.file_size() > 48000)
      return true;
  return false;
}

TEST(Interrupt, RemovesTheUnfinishedFileAndKeepsTheTarget)
{
  std::signal(SIGPIPE, SIG_IGN);
  for (const InterruptCase& test : kInterrupts)
  {
    SCOPED_TRACE(test.said);
    ScratchFolder folder;
    WriteBytes(folder / "out.wav", kKept);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    ToolLaunch launch{{"--quiet", "-", "out.wav"}, folder.Path()};
    launch.input = pipeEnds[0];
    RunningTool tool(launch);
    close(pipeEnds[0]);
    // A minute announced, a second sent: the tool then waits for the rest.
    std::thread feeder([&] { StreamWav16(pipeEnds[1], 48000, 2, 60 * 48000, 48000); });

    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!UnfinishedFileGrows(folder) && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    feeder.join();
    EXPECT_TRUE(UnfinishedFileGrows(folder)) << "the tool never started writing";
    tool.Signal(test.signal);
    const ToolResult result = tool.Wait();
    close(pipeEnds[1]);

    EXPECT_EQ(result.signal, test.signal);
    EXPECT_EQ(result.err, test.said);
    EXPECT_TRUE(ReadBytes(folder / "out.wav") == kKept) << "the target changed";
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"out.wav"}));
  }
}
}
