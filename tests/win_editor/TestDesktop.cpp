#include "TestDesktop.h"

#include <algorithm>
#include <string_view>
#include <thread>

namespace TestDesktop
{
namespace
{
constexpr const char* kHostClass = "VelkorTestHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_KEYDOWN || message == WM_KEYUP)
    HostKeys().push_back({window, message, wParam});
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterHostClass()
{
  WNDCLASSA hostClass{};
  hostClass.lpfnWndProc = HostProc;
  hostClass.hInstance = GetModuleHandleA(nullptr);
  hostClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  hostClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  hostClass.lpszClassName = kHostClass;
  return RegisterClassA(&hostClass) != 0;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (process != GetCurrentProcessId() || std::string_view(className) != "#32770" || !IsWindowVisible(window))
    return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
} // namespace

std::vector<HostKey>& HostKeys()
{
  static std::vector<HostKey> keys;
  return keys;
}

HWND HostTopLevel()
{
  // One for the whole program, never destroyed: Wine takes seconds to
  // destroy a top-level window without a window manager, and none to end a
  // program that still has one.
  static const HWND topLevel = [] {
    if (!RegisterHostClass())
      return HWND{};
    // Room for the editor at twice its size.
    const HWND window = CreateWindowExA(0, kHostClass, "Test host", WS_POPUP | WS_CLIPCHILDREN, 20, 20, 1600, 960,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr)
    {
      ShowWindow(window, SW_SHOWNORMAL);
      UpdateWindow(window);
      SetForegroundWindow(window);
    }
    return window;
  }();
  return topLevel;
}

HWND CreateHostWindow(int width, int height)
{
  const HWND topLevel = HostTopLevel();
  if (topLevel == nullptr)
    return nullptr;
  const HWND window = CreateWindowExA(0, kHostClass, "Host view", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10,
                                      width, height, topLevel, nullptr, GetModuleHandleA(nullptr), nullptr);
  Pump(std::chrono::milliseconds(20));
  return window;
}

bool Pump(std::chrono::milliseconds limit, const std::function<bool()>& done)
{
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;)
  {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done && done())
      return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline)
      return !done;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left, 10)), QS_ALLINPUT);
  }
}

void Press(HWND window, int x, int y)
{
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void Click(HWND window, int x, int y)
{
  Press(window, x, y);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Drag(HWND window, int x, int y, const std::vector<POINT>& path)
{
  Press(window, x, y);
  POINT last{x, y};
  for (const POINT& point : path)
  {
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    last = point;
  }
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(last.x, last.y));
}

void TypeCharacters(HWND window, const char* text)
{
  for (const char* c = text; *c != '\0'; ++c)
    SendMessageA(window, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void Key(HWND window, WPARAM key)
{
  SendMessageA(window, WM_KEYDOWN, key, 1);
  SendMessageA(window, WM_KEYUP, key, 0xC0000001);
}

std::vector<std::uint32_t> Screenshot(HWND window, int width, int height)
{
  std::vector<std::uint32_t> pixels;
  const HDC screen = GetDC(window);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr)
  {
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i)
      pixels.push_back(words[i] & 0xFFFFFFu);
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr)
    DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

HWND WaitForDialog(std::chrono::milliseconds limit)
{
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline)
  {
    HWND found = nullptr;
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
    if (found != nullptr)
      return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return nullptr;
}
} // namespace TestDesktop
