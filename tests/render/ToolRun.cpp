#include "ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

RunningTool::RunningTool(const ToolLaunch& launch)
{
  static int runs = 0;
  const std::string stem = fs::temp_directory_path() / ("velkor-render-" + std::to_string(getpid()) + "-" +
                                                        std::to_string(++runs));
  mOutPath = stem + ".out";
  mErrPath = stem + ".err";
  std::vector<std::string> args{VELKOR_RENDER_TOOL};
  args.insert(args.end(), launch.args.begin(), launch.args.end());
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  mPid = fork();
  if (mPid != 0)
    return;
  // The child: only calls that are safe after fork, then the tool.
  const int in = launch.input >= 0 ? launch.input : open("/dev/null", O_RDONLY);
  const int out = open(mOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = open(mErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
      chdir(launch.folder.c_str()) != 0)
    _exit(127);
  // Nothing else of the test's: a pipe's write end left open here would keep
  // the tool from ever seeing the end of its input.
  close_range(3, ~0U, 0);
  if (launch.addressSpace)
  {
    const rlimit limit{*launch.addressSpace, *launch.addressSpace};
    setrlimit(RLIMIT_AS, &limit);
  }
  if (launch.fileSize)
  {
    const rlimit limit{*launch.fileSize, *launch.fileSize};
    setrlimit(RLIMIT_FSIZE, &limit);
    // A write beyond the limit then fails with EFBIG instead of ending the program.
    signal(SIGXFSZ, SIG_IGN);
  }
  // The test's own handling of SIGPIPE must not reach the tool.
  signal(SIGPIPE, SIG_DFL);
  execv(argv[0], argv.data());
  _exit(127);
}

RunningTool::~RunningTool()
{
  if (mPid > 0)
  {
    kill(mPid, SIGKILL);
    Wait();
  }
}

void RunningTool::Signal(int signal) const
{
  kill(mPid, signal);
}

ToolResult RunningTool::Wait()
{
  ToolResult result;
  int status = 0;
  rusage usage{};
  if (mPid > 0 && wait4(mPid, &status, 0, &usage) == mPid)
  {
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.maxResidentKb = usage.ru_maxrss;
  }
  mPid = -1;
  result.out = ReadBytes(mOutPath);
  result.err = ReadBytes(mErrPath);
  std::remove(mOutPath.c_str());
  std::remove(mErrPath.c_str());
  return result;
}

ToolResult RunTool(const ToolLaunch& launch)
{
  return RunningTool(launch).Wait();
}

ScratchFolder::ScratchFolder()
{
  std::string pattern = (fs::temp_directory_path() / "velkor-render-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "cannot make a scratch folder";
  mPath = pattern;
}

ScratchFolder::~ScratchFolder()
{
  std::error_code ignored;
  fs::remove_all(mPath, ignored);
}

std::vector<std::string> ScratchFolder::Names() const
{
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(mPath))
    names.push_back(fs::relative(entry.path(), mPath).string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
  std::ofstream(path, std::ios::binary) << bytes;
}
