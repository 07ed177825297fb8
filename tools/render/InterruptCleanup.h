#pragma once

#include <csignal>
#include <string>

// What the tool leaves behind when a signal ends it: Ctrl-C (SIGINT),
// SIGTERM, SIGHUP, or a closed pipe on its output (SIGPIPE). The handler
// removes the file being written, says what was and was not written, and
// ends the program as the signal would have. Signals can arrive while a
// blocked read of a pipe waits, so the handler does the cleaning itself
// rather than leave it to a flag nobody may look at again.
namespace InterruptCleanup
{
// Main thread, once, before any output file is opened.
void Install();
// The unfinished file to remove if a signal ends the program now; "" for
// none.
void SetUnfinishedFile(const std::string& path);
// What to add to the signal's name if it ends the program now, e.g.
// "'out.wav' was not written".
void SetReport(const std::string& text);

// Holds the signals back while it lives, so that a file becomes finished (or
// the report changes) in one step as far as the handler can tell.
class Hold
{
public:
  Hold();
  ~Hold();
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

private:
  sigset_t mBefore;
};
}
