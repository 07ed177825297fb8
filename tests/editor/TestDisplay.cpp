#include "TestDisplay.h"

#include "platform/linux/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace
{
// Asking after windows that are gone is part of the tests.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }
} // namespace

std::unique_ptr<TestDisplay> TestDisplay::Open()
{
  XSetErrorHandler(IgnoreErrors);
  Display* display = OpenXDisplay();
  if (display == nullptr)
    return nullptr;
  int event = 0;
  int error = 0;
  int major = 0;
  int minor = 0;
  if (!XTestQueryExtension(display, &event, &error, &major, &minor))
  {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::unique_ptr<TestDisplay>(new TestDisplay(display));
}

TestDisplay::~TestDisplay()
{
  for (Window window : mWindows)
    XDestroyWindow(mDisplay, window);
  if (mChangedResources)
    SetDotsPerInch(0);
  XCloseDisplay(mDisplay);
}

Window TestDisplay::CreateTopLevel(int width, int height)
{
  XSetWindowAttributes attributes{};
  attributes.background_pixel = BlackPixel(mDisplay, DefaultScreen(mDisplay));
  attributes.event_mask = StructureNotifyMask;
  const Window window =
    XCreateWindow(mDisplay, Root(), 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                  CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  XMapWindow(mDisplay, window);
  XEvent mapped;
  do
    XWindowEvent(mDisplay, window, StructureNotifyMask, &mapped);
  while (mapped.type != MapNotify);
  mWindows.push_back(window);
  return window;
}

void TestDisplay::Destroy(Window window)
{
  XDestroyWindow(mDisplay, window);
  std::erase(mWindows, window);
  Sync();
}

void TestDisplay::MoveTo(Window window, int x, int y)
{
  int rootX = 0;
  int rootY = 0;
  Window child = 0;
  XTranslateCoordinates(mDisplay, window, Root(), x, y, &rootX, &rootY, &child);
  XTestFakeMotionEvent(mDisplay, DefaultScreen(mDisplay), rootX, rootY, CurrentTime);
  Sync();
}

void TestDisplay::Press(int button)
{
  XTestFakeButtonEvent(mDisplay, static_cast<unsigned>(button), True, CurrentTime);
  Sync();
}

void TestDisplay::Release(int button)
{
  XTestFakeButtonEvent(mDisplay, static_cast<unsigned>(button), False, CurrentTime);
  Sync();
}

void TestDisplay::Click(Window window, int x, int y, int button)
{
  MoveTo(window, x, y);
  Press(button);
  Release(button);
}

void TestDisplay::Key(unsigned long keySymbol)
{
  const KeyCode code = XKeysymToKeycode(mDisplay, keySymbol);
  // Upper-case letters and the like need the shift key.
  const bool shifted = XkbKeycodeToKeysym(mDisplay, code, 0, 0) != keySymbol &&
                       XkbKeycodeToKeysym(mDisplay, code, 0, 1) == keySymbol;
  const KeyCode shift = XKeysymToKeycode(mDisplay, XK_Shift_L);
  if (shifted)
    XTestFakeKeyEvent(mDisplay, shift, True, CurrentTime);
  XTestFakeKeyEvent(mDisplay, code, True, CurrentTime);
  XTestFakeKeyEvent(mDisplay, code, False, CurrentTime);
  if (shifted)
    XTestFakeKeyEvent(mDisplay, shift, False, CurrentTime);
  Sync();
}

void TestDisplay::Type(const std::string& text)
{
  for (char c : text)
  {
    char name[2] = {c, 0};
    const KeySym symbol = c == '.' ? XK_period : c == '-' ? XK_minus : c == '+' ? XK_plus : XStringToKeysym(name);
    Key(symbol);
  }
}

std::vector<std::uint32_t> TestDisplay::Screenshot(Window window, int width, int height)
{
  std::vector<std::uint32_t> pixels;
  XImage* image = XGetImage(mDisplay, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            AllPlanes, ZPixmap);
  if (image == nullptr)
    return pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
  XDestroyImage(image);
  return pixels;
}

bool TestDisplay::IsShown(Window window)
{
  XWindowAttributes attributes{};
  return XGetWindowAttributes(mDisplay, window, &attributes) && attributes.map_state == IsViewable;
}

std::vector<Window> TestDisplay::Children(Window window)
{
  std::vector<Window> found;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(mDisplay, window, &root, &parent, &children, &count))
    found.assign(children, children + count);
  if (children != nullptr)
    XFree(children);
  return found;
}

std::vector<Window> TestDisplay::MappedPopups()
{
  std::vector<Window> popups;
  for (const Window window : Children(Root()))
  {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(mDisplay, window, &attributes) && attributes.override_redirect &&
        attributes.map_state == IsViewable)
      popups.push_back(window);
  }
  return popups;
}

Window TestDisplay::WaitForHeldPopup()
{
  for (int tries = 0; tries < 300; ++tries)
  {
    const std::vector<Window> popups = MappedPopups();
    if (!popups.empty() && !CanGrabKeyboard())
      return popups.front();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;
}

bool TestDisplay::CanGrabKeyboard()
{
  if (XGrabKeyboard(mDisplay, Root(), False, GrabModeAsync, GrabModeAsync, CurrentTime) != GrabSuccess)
    return false;
  XUngrabKeyboard(mDisplay, CurrentTime);
  Sync();
  return true;
}

void TestDisplay::SetDotsPerInch(double dpi)
{
  mChangedResources = dpi > 0;
  const Atom resources = XInternAtom(mDisplay, "RESOURCE_MANAGER", False);
  if (dpi <= 0)
  {
    XDeleteProperty(mDisplay, Root(), resources);
  }
  else
  {
    const std::string text = "Xft.antialias:\t1\nXft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(mDisplay, Root(), resources, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.c_str()), static_cast<int>(text.size()));
  }
  Sync();
}
