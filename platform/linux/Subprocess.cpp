#include "platform/linux/Subprocess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

Subprocess::~Subprocess()
{
  // A helper still running when its caller gives up (the editor closed) is
  // ended, so that no child outlives its purpose as a zombie.
  if (mPid > 0)
  {
    kill(mPid, SIGTERM);
    Finish();
  }
  if (mOutput >= 0)
    close(mOutput);
}

bool Subprocess::Start(const std::vector<std::string>& arguments)
{
  if (arguments.empty() || mPid > 0)
    return false;
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    return false;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int started = posix_spawnp(&mPid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (started != 0)
  {
    mPid = -1;
    close(pipeEnds[0]);
    return false;
  }
  mOutput = pipeEnds[0];
  fcntl(mOutput, F_SETFL, fcntl(mOutput, F_GETFL) | O_NONBLOCK);
  return true;
}

bool Subprocess::ReadAvailable()
{
  if (mOutput < 0)
    return false;
  char buffer[4096];
  for (;;)
  {
    const ssize_t count = read(mOutput, buffer, sizeof buffer);
    if (count > 0)
    {
      mText.append(buffer, static_cast<std::size_t>(count));
      continue;
    }
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
      return true;
    close(mOutput);
    mOutput = -1;
    return false;
  }
}

int Subprocess::Finish()
{
  if (mPid <= 0)
    return -1;
  int status = 0;
  pid_t ended = -1;
  do
    ended = waitpid(mPid, &status, 0);
  while (ended < 0 && errno == EINTR);
  mPid = -1;
  return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool FoundInPath(const char* program)
{
  const char* path = std::getenv("PATH");
  if (path == nullptr || program == nullptr || *program == '\0')
    return false;
  std::string folders = path;
  std::size_t start = 0;
  while (start <= folders.size())
  {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    if (access((folder + "/" + program).c_str(), X_OK) == 0)
      return true;
    start = end + 1;
  }
  return false;
}
