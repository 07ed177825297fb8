#include "platform/linux/X11Connection.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
// The error handler is process-wide in Xlib: ours is installed while any of
// our connections is open and hands errors of other connections on.
std::mutex gConnectionsMutex;
std::vector<X11Connection*> gConnections;
XErrorHandler gPreviousHandler = nullptr;

constexpr unsigned long kRedMask = 0xFF0000;
constexpr unsigned long kGreenMask = 0x00FF00;
constexpr unsigned long kBlueMask = 0x0000FF;
constexpr int kTrueColourDepth = 24;
constexpr int kConnectAttempts = 4;
constexpr std::chrono::milliseconds kConnectRetryPause{15};
} // namespace

Display* OpenXDisplay()
{
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0')
    return nullptr;
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt)
  {
    if (Display* display = XOpenDisplay(name))
      return display;
    std::this_thread::sleep_for(kConnectRetryPause);
  }
  return nullptr;
}

std::unique_ptr<X11Connection> X11Connection::Open()
{
  Display* display = OpenXDisplay();
  if (display == nullptr)
    return nullptr;
  std::unique_ptr<X11Connection> connection(new X11Connection(display));
  XVisualInfo& visual = connection->mVisual;
  if (!XMatchVisualInfo(display, DefaultScreen(display), kTrueColourDepth, TrueColor, &visual) ||
      visual.red_mask != kRedMask || visual.green_mask != kGreenMask || visual.blue_mask != kBlueMask)
    return nullptr;
  connection->mColourMap = XCreateColormap(display, connection->Root(), visual.visual, AllocNone);
  return connection;
}

X11Connection::X11Connection(Display* display) : mDisplay(display)
{
  std::lock_guard lock(gConnectionsMutex);
  if (gConnections.empty())
    gPreviousHandler = XSetErrorHandler(RecordError);
  gConnections.push_back(this);
}

X11Connection::~X11Connection()
{
  if (mColourMap != 0)
    XFreeColormap(mDisplay, mColourMap);
  XCloseDisplay(mDisplay);
  std::lock_guard lock(gConnectionsMutex);
  gConnections.erase(std::find(gConnections.begin(), gConnections.end(), this));
  if (!gConnections.empty())
    return;
  // Someone who installed a handler after ours keeps it; ours chains on.
  const XErrorHandler current = XSetErrorHandler(gPreviousHandler);
  if (current != RecordError)
    XSetErrorHandler(current);
}

int X11Connection::RecordError(Display* display, XErrorEvent* error)
{
  {
    std::lock_guard lock(gConnectionsMutex);
    for (X11Connection* connection : gConnections)
    {
      if (connection->mDisplay == display)
      {
        ++connection->mErrorCount;
        return 0;
      }
    }
  }
  return gPreviousHandler != nullptr ? gPreviousHandler(display, error) : 0;
}

Window X11Connection::TopLevelOf(Window window) const
{
  Window current = window;
  while (current != 0)
  {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(mDisplay, current, &root, &parent, &children, &count))
      return 0;
    if (children != nullptr)
      XFree(children);
    if (parent == root)
      return current;
    current = parent;
  }
  return 0;
}
