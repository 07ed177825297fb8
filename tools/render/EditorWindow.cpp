#include "EditorWindow.h"

#include "DemoPlayback.h"
#include "DemoSignal.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "tools/vst3host/HostRunLoop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr const char* kPlatformType = "X11EmbedWindowID";

// Plays the demonstration over and over, one block each block's duration.
void PlayInRealTime(VstHost::PluginInstance& plug, const std::atomic<bool>& stop)
{
  const std::vector<std::vector<float>> demo = MakeDemoSignal(kDemoSampleRate, kDemoSeconds);
  std::vector<std::vector<float>> output(kDemoChannels, std::vector<float>(kDemoBlockFrames));
  const auto blockTime = std::chrono::duration<double>(kDemoBlockFrames / kDemoSampleRate);
  auto due = std::chrono::steady_clock::now();
  size_t start = 0;
  while (!stop.load())
  {
    if (start + kDemoBlockFrames > demo[0].size())
      start = 0;
    float* in[kDemoChannels];
    float* out[kDemoChannels];
    for (int c = 0; c < kDemoChannels; ++c)
    {
      in[c] = const_cast<float*>(demo[static_cast<size_t>(c)].data()) + start;
      out[c] = output[static_cast<size_t>(c)].data();
    }
    plug.Process(in, kDemoChannels, out, kDemoChannels, kDemoBlockFrames);
    start += kDemoBlockFrames;
    due += std::chrono::duration_cast<std::chrono::steady_clock::duration>(blockTime);
    std::this_thread::sleep_until(due);
  }
}

Window CreateTopLevel(Display* display, int width, int height, Atom deleteWindow)
{
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width),
                                            static_cast<unsigned>(height), 0, 0, 0);
  XStoreName(display, window, "VelkorTape");
  XSizeHints* hints = XAllocSizeHints();
  hints->flags = PMinSize | PMaxSize;
  hints->min_width = hints->max_width = width;
  hints->min_height = hints->max_height = height;
  XSetWMNormalHints(display, window, hints);
  XFree(hints);
  XSetWMProtocols(display, window, &deleteWindow, 1);
  XSelectInput(display, window, KeyPressMask | StructureNotifyMask);
  XMapWindow(display, window);
  XEvent event;
  do
    XWindowEvent(display, window, StructureNotifyMask, &event);
  while (event.type != MapNotify);
  return window;
}

// The window's own X connection, watched on the run loop as a host watches
// its own: the loop waits for the editor's timer or for the user instead of
// looking every few milliseconds.
class OwnEvents : public VstHost::HostObject<Linux::IEventHandler>
{
public:
  void PLUGIN_API onFDIsSet(Linux::FileDescriptor) override {}
};

bool SendContentScale(IPlugView* view, double scale)
{
  FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
  return scaling && scaling->setContentScaleFactor(static_cast<float>(scale)) == kResultTrue;
}

// Takes our window's events; true once the user closed it.
bool Closed(Display* display, Window window, Atom deleteWindow)
{
  bool closed = false;
  while (XPending(display) > 0)
  {
    XEvent event;
    XNextEvent(display, &event);
    if (event.xany.window != window)
      continue;
    if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
      closed = true;
    // Keys the editor passes on arrive here, as they reach a host.
    if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XK_Escape)
      closed = true;
  }
  return closed;
}
} // namespace

bool RunEditorWindow(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                     std::string& error, double scale)
{
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr)
  {
    error = "--gui needs an X display (DISPLAY is not set or not reachable)";
    return false;
  }
  IPlugView* view = plug.Controller()->createView(ViewType::kEditor);
  if (view == nullptr || view->isPlatformTypeSupported(kPlatformType) != kResultTrue)
  {
    error = "the plug-in has no X11 editor";
    if (view)
      view->release();
    XCloseDisplay(display);
    return false;
  }
  if (scale != 0.0 && !SendContentScale(view, scale))
  {
    error = "the editor takes no scale of " + std::to_string(scale);
    view->release();
    XCloseDisplay(display);
    return false;
  }

  if (!PrepareForDemo(plug, settings, error))
  {
    view->release();
    XCloseDisplay(display);
    return false;
  }

  auto* runLoop = new VstHost::HostRunLoop;
  auto* frame = new VstHost::EditorFrame(runLoop);
  view->setFrame(frame);
  ViewRect size;
  view->getSize(&size);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  const Window window = CreateTopLevel(display, size.getWidth(), size.getHeight(), deleteWindow);

  bool shown = view->attached(reinterpret_cast<void*>(window), kPlatformType) == kResultOk;
  if (!shown)
    error = "the editor could not open its window";
  else
  {
    std::atomic<bool> stop{false};
    std::thread audio(PlayInRealTime, std::ref(plug), std::cref(stop));
    auto* ownEvents = new OwnEvents;
    runLoop->registerEventHandler(ownEvents, ConnectionNumber(display));
    runLoop->longestWait = std::chrono::seconds(1);
    XFlush(display);
    while (!runLoop->Run(std::chrono::hours(1), [&] { return Closed(display, window, deleteWindow); }))
    {
    }
    runLoop->unregisterEventHandler(ownEvents);
    ownEvents->release();
    stop = true;
    audio.join();
    view->removed();
  }
  view->setFrame(nullptr);
  view->release();
  frame->release();
  runLoop->release();
  plug.Deactivate();
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return shown;
}
