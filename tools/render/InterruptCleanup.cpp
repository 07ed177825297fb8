#include "InterruptCleanup.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace
{
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// Read by the handler, written only while the signals are held.
char gUnfinished[4096];
char gReport[4096];
size_t gReportLength = 0;

void Say(const char* text)
{
  if (write(STDERR_FILENO, text, std::strlen(text)) < 0)
    return;  // nowhere left to say it
}

extern "C" void OnSignal(int signal)
{
  if (gUnfinished[0] != '\0')
    unlink(gUnfinished);
  Say(signal == SIGINT    ? "velkortape-render: interrupted"
      : signal == SIGPIPE ? "velkortape-render: the output pipe closed"
                          : "velkortape-render: terminated");
  if (write(STDERR_FILENO, gReport, gReportLength) < 0)
    return;
  std::signal(signal, SIG_DFL);
  // Delivered once this handler returns: the program ends as the signal ends it.
  raise(signal);
}

void Copy(const std::string& text, char* to, size_t capacity)
{
  const size_t length = std::min(text.size(), capacity - 1);
  std::memcpy(to, text.data(), length);
  to[length] = '\0';
}

sigset_t HeldSignals()
{
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kSignals)
    sigaddset(&set, signal);
  return set;
}
}

namespace InterruptCleanup
{
void Install()
{
  SetReport("");
  struct sigaction action{};
  action.sa_handler = OnSignal;
  action.sa_mask = HeldSignals();
  for (int signal : kSignals)
    sigaction(signal, &action, nullptr);
}

void SetUnfinishedFile(const std::string& path)
{
  Hold hold;
  Copy(path, gUnfinished, sizeof gUnfinished);
}

void SetReport(const std::string& text)
{
  Hold hold;
  Copy((text.empty() ? "" : "; " + text) + "\n", gReport, sizeof gReport);
  gReportLength = std::strlen(gReport);
}

Hold::Hold()
{
  const sigset_t set = HeldSignals();
  sigprocmask(SIG_BLOCK, &set, &mBefore);
}

Hold::~Hold()
{
  sigprocmask(SIG_SETMASK, &mBefore, nullptr);
}
}
