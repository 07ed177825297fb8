#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The built velkortape-render, run as a user runs it, in a folder of its
// own, with its output, errors and peak memory kept.
struct ToolResult
{
  int exitCode = -1;     // -1 when a signal ended it
  int signal = 0;        // the signal that ended it, else 0
  std::string out;
  std::string err;
  long maxResidentKb = 0;
};

struct ToolLaunch
{
  ToolLaunch(std::vector<std::string> arguments, std::string in = ".")
    : args(std::move(arguments)), folder(std::move(in))
  {
  }

  std::vector<std::string> args;
  std::string folder;
  int input = -1;                          // standard input, else /dev/null
  std::optional<rlim_t> addressSpace;     // RLIMIT_AS, bytes
  std::optional<rlim_t> fileSize;         // RLIMIT_FSIZE, bytes; writes beyond fail with EFBIG
};

class RunningTool
{
public:
  explicit RunningTool(const ToolLaunch& launch);
  ~RunningTool();
  RunningTool(const RunningTool&) = delete;
  RunningTool& operator=(const RunningTool&) = delete;

  void Signal(int signal) const;
  ToolResult Wait();

private:
  pid_t mPid = -1;
  std::string mOutPath;
  std::string mErrPath;
};

ToolResult RunTool(const ToolLaunch& launch);

// A fresh folder under /tmp, removed with everything in it.
class ScratchFolder
{
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return mPath; }
  std::string operator/(const std::string& name) const { return mPath + "/" + name; }
  // Every name in the folder and below it, hidden ones too, sorted.
  std::vector<std::string> Names() const;

private:
  std::string mPath;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
