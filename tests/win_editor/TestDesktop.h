#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// What the editor tests need of the desktop: a top-level window made as a
// host makes its own, the thread's message loop run for a while, messages
// as the user's hand would cause them, and what the screen shows.
namespace TestDesktop
{
// A key message that reached a host window.
struct HostKey
{
  HWND window;
  UINT message;
  WPARAM key;
};

// The program's top-level window, as a host's main window; its key messages
// are recorded.
HWND HostTopLevel();
// A window inside it, as the one a host gives its plug-in's editor.
HWND CreateHostWindow(int width, int height);
std::vector<HostKey>& HostKeys();

// Runs the thread's messages until `done` or `limit`; false on time-out.
bool Pump(std::chrono::milliseconds limit, const std::function<bool()>& done = {});

// A left click (press and release) at a window pixel, sent as the system sends it.
void Click(HWND window, int x, int y);
// A left press alone: the press that opens a menu, whose release the menu takes.
void Press(HWND window, int x, int y);
// Left press, pointer moves through `path` with the button held, release.
void Drag(HWND window, int x, int y, const std::vector<POINT>& path);
void TypeCharacters(HWND window, const char* text);
// A key press, with its release.
void Key(HWND window, WPARAM key);
// The window's pixels as the screen shows them, 0xRRGGBB, rows top down.
std::vector<std::uint32_t> Screenshot(HWND window, int width, int height);

// A dialog of this process that shows up within `limit` (a message box,
// a common dialog); none when none does.
HWND WaitForDialog(std::chrono::milliseconds limit);
} // namespace TestDesktop
