#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The test's own connection to the X server, standing for the host and the
// user: a top-level window to embed the editor in, synthetic pointer and key
// input (XTest), screenshots and the server's resources.
class TestDisplay
{
public:
  // None without an X server with the XTest extension.
  static std::unique_ptr<TestDisplay> Open();
  ~TestDisplay();

  TestDisplay(const TestDisplay&) = delete;
  TestDisplay& operator=(const TestDisplay&) = delete;

  Display* Get() const { return mDisplay; }
  Window Root() const { return DefaultRootWindow(mDisplay); }

  // A mapped top-level window at the top left of the screen.
  Window CreateTopLevel(int width, int height);
  void Destroy(Window window);

  // Pointer input at window pixels of `window`.
  void MoveTo(Window window, int x, int y);
  void Press(int button);
  void Release(int button);
  void Click(Window window, int x, int y, int button = 1);
  // Keys by their X key symbol; Type presses the keys of plain ASCII text.
  void Key(unsigned long keySymbol);
  void Type(const std::string& text);

  // The pixels a window shows, as 0xRRGGBB words.
  std::vector<std::uint32_t> Screenshot(Window window, int width, int height);
  // Whether the window exists and is mapped.
  bool IsShown(Window window);
  // The window's children, bottom to top; none when it does not exist.
  std::vector<Window> Children(Window window);
  // Override-redirect windows mapped on the screen (menus).
  std::vector<Window> MappedPopups();
  // The menu shown and holding the keyboard, so that keys typed from now on
  // reach it, waited for; 0 when none shows in time.
  Window WaitForHeldPopup();
  // The Xft.dpi resource new connections read; 0 removes it.
  void SetDotsPerInch(double dpi);

  // Waits until the server has handled everything sent so far.
  void Sync() { XSync(mDisplay, False); }

private:
  explicit TestDisplay(Display* display) : mDisplay(display) {}

  // False while another client holds the keyboard.
  bool CanGrabKeyboard();

  Display* mDisplay;
  std::vector<Window> mWindows;
  bool mChangedResources = false;
};

// The message for a test that needs an X server but has none.
inline const char* kNoDisplayMessage =
  "no X server with XTest (set DISPLAY, or let scripts/test.sh start Xvfb)";
