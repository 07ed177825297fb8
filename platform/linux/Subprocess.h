#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A helper program run with its standard output read through a pipe, its
// input from /dev/null. Nothing goes through a shell: the arguments reach the
// program as they are.
class Subprocess
{
public:
  Subprocess() = default;
  ~Subprocess();

  Subprocess(const Subprocess&) = delete;
  Subprocess& operator=(const Subprocess&) = delete;

  // Looks `arguments[0]` up in PATH; false when it cannot be started.
  bool Start(const std::vector<std::string>& arguments);
  // The pipe to watch while the program runs; -1 once it is closed.
  int OutputFd() const { return mOutput; }
  // Reads what is there without waiting; false at the end of the output.
  bool ReadAvailable();
  // Waits for the program to end: its exit status, or -1 when it did not
  // exit by itself (a signal ended it).
  int Finish();
  const std::string& Output() const { return mText; }

private:
  pid_t mPid = -1;
  int mOutput = -1;
  std::string mText;
};

// Whether `program` is an executable found through PATH.
bool FoundInPath(const char* program);
