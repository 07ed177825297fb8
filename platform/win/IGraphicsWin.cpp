#include "platform/win/IGraphicsWin.h"

#include "platform/win/IGraphicsWinEntry.h"
#include "platform/win/ModuleHandles.h"
#include "graphics/WindowRects.h"
#include "raster/LICE_Bitmap.h"
#include "raster/LoadPngResource.h"

#include <algorithm>
#include <mutex>

namespace
{
constexpr double kDefaultDotsPerInch = 96.0;

// The window class is registered while any editor window of the module
// exists. Editors of several hosts' threads may open and close at once.
std::mutex& ClassLock()
{
  static std::mutex* const lock = new std::mutex;
  return *lock;
}
int gClassUsers = 0;

bool UseWindowClass(WNDPROC procedure)
{
  const std::lock_guard<std::mutex> guard(ClassLock());
  if (gClassUsers == 0)
  {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleHandle();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = IGraphicsWin::kWindowClassName;
    // A class left registered by a window that outlived its editor serves as well.
    if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
      return false;
  }
  ++gClassUsers;
  return true;
}

void ReleaseWindowClass()
{
  const std::lock_guard<std::mutex> guard(ClassLock());
  if (gClassUsers > 0 && --gClassUsers == 0)
    UnregisterClassA(IGraphicsWin::kWindowClassName, ModuleHandle());
}

LPCSTR CursorIdFor(int shape)
{
  switch (shape)
  {
  case 1:
    return IDC_IBEAM;
  case 2:
    return IDC_WAIT;
  case 3:
    return IDC_CROSS;
  case 4:
    return IDC_UPARROW;
  case 5:
    return IDC_SIZENWSE;
  case 6:
    return IDC_SIZENESW;
  case 7:
    return IDC_SIZEWE;
  case 8:
    return IDC_SIZENS;
  case 9:
    return IDC_SIZEALL;
  case 10:
    return IDC_NO;
  case 11:
    return IDC_HAND;
  case 12:
    return IDC_APPSTARTING;
  case 13:
    return IDC_HELP;
  default:
    return IDC_ARROW;
  }
}
} // namespace

IGraphicsWin::IGraphicsWin(IPlugBase& plug, int width, int height, int frameRate)
  : IGraphics(plug, width, height, frameRate)
{
}

IGraphicsWin::~IGraphicsWin() { CloseEditorWindow(); }

const char* IGraphicsWin::GetDrawingApiName() { return "Windows GDI"; }

double IGraphicsWin::GetDisplayScale()
{
  // The system's scale holds still while a window shows the editor; a new
  // window follows a new setting.
  if (mWindow == nullptr && !HasHostScaleFactor())
    mSystemScale = SystemScaleFor(mParent != nullptr && IsWindow(mParent) ? mParent : nullptr);
  return ScaleInForce(mSystemScale);
}

// The dots per inch of the window the editor opens in (the last one it
// opened in, until it opens again): per monitor, where the system tells them
// for a window (Windows 10 and later), else the screen's.
double IGraphicsWin::SystemScaleFor(HWND window)
{
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (window != nullptr && dpiForWindow != nullptr)
  {
    if (const UINT dotsPerInch = dpiForWindow(window); dotsPerInch > 0)
      return dotsPerInch / kDefaultDotsPerInch;
  }
  const HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return 1.0;
  const int dotsPerInch = std::max(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return dotsPerInch > 0 ? dotsPerInch / kDefaultDotsPerInch : 1.0;
}

void* IGraphicsWin::OpenEditorWindow(void* parent)
{
  const HWND parentWindow = static_cast<HWND>(parent);
  if (parentWindow == nullptr)
    return nullptr;

  // A second open keeps the window where it was in its parent's client area
  // (where child windows are placed), and at the size it had.
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  RECT kept{};
  if (mWindow != nullptr && GetWindowRect(mWindow, &kept))
  {
    MapWindowPoints(nullptr, GetParent(mWindow), reinterpret_cast<POINT*>(&kept), 2);
    x = kept.left;
    y = kept.top;
    width = kept.right - kept.left;
    height = kept.bottom - kept.top;
  }
  CloseEditorWindow();

  mParent = parentWindow;
  mScale = GetDisplayScale();
  // The setting may have changed since the editor last drew.
  if (DrawScale() != mScale)
    CreateDrawingSurfaces();
  if (width <= 0 || height <= 0)
  {
    width = ScaledSize(Width(), mScale);
    height = ScaledSize(Height(), mScale);
  }
  if (!UseWindowClass(WindowProc))
    return nullptr;
  mHoldsClass = true;
  const HWND window = CreateWindowExA(0, kWindowClassName, "IPlug", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                      parentWindow, nullptr, ModuleHandle(), this);
  if (window == nullptr)
  {
    CloseEditorWindow();
    return nullptr;
  }
  mWindow = window;
  MarkAllControlsDirty();
  return mWindow;
}

void IGraphicsWin::CloseEditorWindow()
{
  // A menu of a window that goes has nothing left to choose for.
  if (mMenuOpen)
    EndMenu();
  // An entry open as the window closes is dropped: nobody confirmed it.
  CloseEntry();
  if (SavedCursor().hidden)
    RestoreCursor();
  mReleaseToIgnore = 0;
  if (const HWND window = mWindow)
  {
    // WM_NCDESTROY does the window's bookkeeping, as it does when the host
    // destroys its window, and ours with it, first.
    DestroyWindow(window);
    if (mWindow == window)
    {
      // Not destroyed (another thread's window): it is left to the system.
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      WindowGone();
    }
  }
  // Only once the window is gone can its class go.
  if (mHoldsClass)
  {
    mHoldsClass = false;
    ReleaseWindowClass();
  }
}

void IGraphicsWin::WindowGone()
{
  mEntry.reset();
  mWindow = nullptr;
}

void* IGraphicsWin::GetWindowHandle() { return mWindow; }

bool IGraphicsWin::PresentRegion(const IRectI& region)
{
  if (mWindow == nullptr)
    return false;
  PAINTSTRUCT paint{};
  const HDC target = BeginPaint(mWindow, &paint);
  LICE_IBitmap* surface = DrawingSurface();
  const HDC source = surface != nullptr ? static_cast<HDC>(surface->NativeContext()) : nullptr;
  const IRectI drawn =
    surface != nullptr ? WindowRectFor(region, mScale).ClippedTo(surface->Width(), surface->Height()) : IRectI{};
  // The surface has the window's pixels: copied as they are.
  if (target != nullptr && source != nullptr && drawn.Width() > 0 && drawn.Height() > 0)
    BitBlt(target, drawn.left, drawn.top, drawn.Width(), drawn.Height(), source, drawn.left, drawn.top, SRCCOPY);
  EndPaint(mWindow, &paint);
  return true;
}

void IGraphicsWin::Resize(int width, int height)
{
  // The host is asked for a new size only when there is one.
  if (width == Width() && height == Height())
    return;
  IGraphics::Resize(width, height);
  if (mWindow == nullptr)
    return;
  SetWindowPos(mWindow, nullptr, 0, 0, ScaledSize(width, mScale), ScaledSize(height, mScale),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MarkAllControlsDirty();
  InvalidateRect(mWindow, nullptr, FALSE);
  UpdateWindow(mWindow);
}

void IGraphicsWin::DisplayScaleChanged()
{
  mScale = GetDisplayScale();
  if (mWindow == nullptr)
    return;
  SetWindowPos(mWindow, nullptr, 0, 0, ScaledSize(Width(), mScale), ScaledSize(Height(), mScale),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(mWindow, nullptr, FALSE);
}

void IGraphicsWin::SetCursorShape(int shape) { SetCursor(LoadCursorA(nullptr, CursorIdFor(shape))); }

void IGraphicsWin::HideCursor()
{
  CursorMemory& saved = SavedCursor();
  if (saved.hidden)
    return;
  POINT position{};
  GetCursorPos(&position);
  saved.x = position.x;
  saved.y = position.y;
  ShowCursor(FALSE);
  saved.hidden = true;
}

void IGraphicsWin::RestoreCursor()
{
  CursorMemory& saved = SavedCursor();
  if (!saved.hidden)
    return;
  SetCursorPos(saved.x, saved.y);
  ShowCursor(TRUE);
  saved.hidden = false;
}

void IGraphicsWin::SetWindowAlpha(int alpha)
{
  if (mParent == nullptr || !IsWindow(mParent))
    return;
  SetWindowLongPtrA(mParent, GWL_EXSTYLE, GetWindowLongPtrA(mParent, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(mParent, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

std::unique_ptr<LICE_IBitmap> IGraphicsWin::LoadPngResource(int id, const char* name)
{
  return ::LoadPngResource(id, name);
}

std::optional<TextEntryState> IGraphicsWin::EntryState() const
{
  if (mEntry == nullptr)
    return std::nullopt;
  return mEntry->state;
}

HWND IGraphicsWin::EntryWindow() const { return mEntry != nullptr ? mEntry->field : nullptr; }
