#include "platform/win/IGraphicsWin.h"

#include "graphics/IControl.h"
#include "platform/win/IGraphicsWinEntry.h"
#include "platform/win/VirtualKeys.h"
#include "graphics/WindowRects.h"

#include <algorithm>

namespace
{
int XOf(LPARAM position) { return static_cast<short>(LOWORD(position)); }
int YOf(LPARAM position) { return static_cast<short>(HIWORD(position)); }

IMouseState StateOf(WPARAM keys)
{
  return {(keys & MK_LBUTTON) != 0, (keys & MK_RBUTTON) != 0, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0,
          GetKeyState(VK_MENU) < 0};
}

RECT ToRect(const IRectI& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
} // namespace

IGraphicsWin* IGraphicsWin::EditorOf(HWND window)
{
  return reinterpret_cast<IGraphicsWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Every editor window's messages, on the thread that created the window.
LRESULT CALLBACK IGraphicsWin::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_CREATE)
  {
    auto* editor = static_cast<IGraphicsWin*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    if (editor != nullptr)
      SetTimer(window, kRedrawTimerId, static_cast<UINT>(editor->TimerMilliseconds()), nullptr);
    return 0;
  }
  IGraphicsWin* editor = EditorOf(window);
  if (editor == nullptr || editor->mWindow != window)
    return DefWindowProcA(window, message, wParam, lParam);
  return editor->HandleMessage(message, wParam, lParam);
}

LRESULT IGraphicsWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
  const HWND window = mWindow;
  if (message == WM_NCDESTROY)
  {
    WindowGone();
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // While the entry holds the focus it took back, the editor leaves its
  // messages to the system and only lets a left or right press cancel it.
  if (mEntry != nullptr && mEntry->state == TextEntryState::Focused)
  {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
    {
      mEntry->state = TextEntryState::Cancel;
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  switch (message)
  {
  case WM_SIZE:
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    return 0;
  case WM_PAINT:
    Paint();
    return 0;
  case WM_CLOSE:
    CloseEditorWindow();
    return 0;
  case WM_KEYDOWN:
    return KeyPressed(wParam, lParam);
  case WM_KEYUP:
    return PassKeyOn(message, wParam, lParam);
  case WM_TIMER:
    if (wParam == kRedrawTimerId)
      Tick();
    return 0;
  case WM_CTLCOLOREDIT:
    if (mEntry != nullptr && reinterpret_cast<HWND>(lParam) == mEntry->field)
      return EntryColours(reinterpret_cast<HDC>(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
  case WM_MOUSEMOVE:
  {
    const IMouseState state = StateOf(wParam);
    if (state.left || state.right)
    {
      if (GetCapture() == window && mEntry == nullptr)
        PointerDrag(XOf(lParam), YOf(lParam), state);
    }
    else
    {
      PointerHover(XOf(lParam), YOf(lParam), state);
    }
    return 0;
  }
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
    ButtonPressed(message, wParam, lParam);
    return 0;
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP:
    ButtonReleased(message, wParam, lParam);
    return 0;
  case WM_LBUTTONDBLCLK:
    // The second press of a double click ends an open entry like any press.
    if (mEntry != nullptr)
      mEntry->state = TextEntryState::Commit;
    else
      PointerDoubleClick(XOf(lParam), YOf(lParam), StateOf(wParam));
    return 0;
  case WM_MOUSEWHEEL:
  {
    if (mEntry != nullptr)
    {
      mEntry->state = TextEntryState::Cancel;
      return 0;
    }
    // The wheel's position is on the screen.
    RECT placed{};
    GetWindowRect(window, &placed);
    PointerWheel(XOf(lParam) - placed.left, YOf(lParam) - placed.top, StateOf(GET_KEYSTATE_WPARAM(wParam)),
                 GET_WHEEL_DELTA_WPARAM(wParam));
    return 0;
  }
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

void IGraphicsWin::Paint()
{
  const HWND window = mWindow;
  RECT update{};
  if (GetUpdateRect(window, &update, FALSE))
  {
    const IRectI shown = EditorRectFor({update.left, update.top, update.right, update.bottom}, mScale);
    const IRectI region = shown.ClippedTo(Width(), Height());
    if (region.Width() > 0 && region.Height() > 0)
      DrawRegion(region);
  }
  // An editor without controls presents nothing, and a region outside the
  // editor has nothing to show: either way the update is done with, or the
  // system would ask again at once.
  if (mWindow == window)
    ValidateRect(window, nullptr);
}

void IGraphicsWin::Tick()
{
  if (!StepTextEntry())
    Redraw();
}

void IGraphicsWin::Redraw()
{
  IRectI dirty;
  const bool anyDirty = CollectDirtyRegion(dirty);
  // The plug-in's idle hook may have closed the editor.
  if (mWindow == nullptr)
    return;
  if (anyDirty)
  {
    const RECT shown = ToRect(WindowRectFor(dirty, mScale));
    InvalidateRect(mWindow, &shown, FALSE);
  }
  if (mEntry != nullptr)
  {
    // The field lies over the editor, which would paint over it.
    const RECT covered = ToRect(WindowRectFor(mEntry->control->DrawRect(), mScale));
    ValidateRect(mWindow, &covered);
    UpdateWindow(mWindow);
    if (mEntry != nullptr)
      mEntry->state = TextEntryState::JustOpened;
    return;
  }
  UpdateWindow(mWindow);
}

void IGraphicsWin::ButtonPressed(UINT message, WPARAM wParam, LPARAM lParam)
{
  // A press while the entry is open only ends the entry, applying it; it
  // reaches no control.
  if (mEntry != nullptr)
  {
    mEntry->state = TextEntryState::Commit;
    return;
  }
  const int x = XOf(lParam);
  const int y = YOf(lParam);
  const IMouseState state = StateOf(wParam);
  SetFocus(mWindow);
  SetCapture(mWindow);
  mMenuShownDuringPress = false;
  PointerDown(x, y, state);
  if (mMenuShownDuringPress && mWindow != nullptr)
    EndPressTakenByMenu(message, x, y, state);
}

// A menu opened by a press takes the pointer, and with it the release: the
// gesture the press began is ended where it began, and the release, should
// it still come, is not a second one.
void IGraphicsWin::EndPressTakenByMenu(UINT message, int x, int y, const IMouseState& state)
{
  IMouseState released = state;
  int button = VK_MBUTTON;
  UINT release = WM_MBUTTONUP;
  if (message == WM_LBUTTONDOWN)
  {
    button = VK_LBUTTON;
    release = WM_LBUTTONUP;
    released.left = false;
  }
  else if (message == WM_RBUTTONDOWN)
  {
    button = VK_RBUTTON;
    release = WM_RBUTTONUP;
    released.right = false;
  }
  mReleaseToIgnore = (GetAsyncKeyState(button) & 0x8000) != 0 ? release : 0;
  if (GetCapture() == mWindow)
    ReleaseCapture();
  PointerUp(x, y, released);
}

void IGraphicsWin::ButtonReleased(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (mReleaseToIgnore == message)
  {
    mReleaseToIgnore = 0;
    return;
  }
  ReleaseCapture();
  PointerUp(XOf(lParam), YOf(lParam), StateOf(wParam));
}

LRESULT IGraphicsWin::KeyPressed(WPARAM wParam, LPARAM lParam)
{
  const int key = KeyNumberForVirtualKey(static_cast<unsigned int>(wParam));
  if (key >= 0)
  {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(mWindow, &pointer);
    if (KeyDown(pointer.x, pointer.y, key))
      return 0;
  }
  if (mWindow == nullptr)
    return 0;
  return PassKeyOn(WM_KEYDOWN, wParam, lParam);
}

// A key no control takes goes on to the host's top-level window, so that the
// host's own shortcuts keep working while the editor has the focus. The host
// may close the editor on it: nothing of the editor is touched afterwards.
LRESULT IGraphicsWin::PassKeyOn(UINT message, WPARAM wParam, LPARAM lParam)
{
  const HWND window = mWindow;
  const HWND root = GetAncestor(window, GA_ROOT);
  if (root != nullptr && root != window)
    SendMessageA(root, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}
