#include "platform/linux/IGraphicsLinux.h"

#include "platform/linux/IGraphicsLinuxEntry.h"
#include "graphics/WindowRects.h"
#include "platform/linux/X11KeyMap.h"
#include "platform/linux/X11PopupMenu.h"

namespace
{
constexpr int kWheelUnitsPerNotch = 120;

unsigned int MaskOf(unsigned int button)
{
  switch (button)
  {
  case Button1:
    return Button1Mask;
  case Button2:
    return Button2Mask;
  case Button3:
    return Button3Mask;
  default:
    return 0;
  }
}

IMouseState StateOf(unsigned int state)
{
  return {(state & Button1Mask) != 0, (state & Button3Mask) != 0, (state & ShiftMask) != 0,
          (state & ControlMask) != 0, (state & Mod1Mask) != 0};
}

bool IsWheel(unsigned int button) { return button >= Button4 && button <= 7; }

// Focus moves caused by grabs and by the pointer are not the user's.
bool IsRealFocusChange(const XFocusChangeEvent& event)
{
  return event.mode != NotifyGrab && event.mode != NotifyUngrab && event.detail != NotifyPointer &&
         event.detail != NotifyInferior;
}
} // namespace

void IGraphicsLinux::HandleEvent(XEvent& event, bool modal)
{
  if (mEntry != nullptr && event.xany.window == mEntry->field->Handle())
  {
    HandleEntryEvent(event, modal);
    return;
  }
  // Events of menus and entries closed meanwhile are left behind here.
  if (mWindow == 0 || event.xany.window != mWindow)
    return;

  switch (event.type)
  {
  case Expose:
    Invalidate(EditorRectFor({event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                              event.xexpose.y + event.xexpose.height},
                             mScale));
    return;
  case DestroyNotify:
    if (event.xdestroywindow.window == mWindow)
    {
      // A menu of a window that is gone has nothing left to choose for.
      if (mOpenMenu != nullptr)
        mOpenMenu->Close();
      mWindowGone = true;
      mEntry.reset();
      mPresenter.reset();
      mCaptured = false;
    }
    return;
  default:
    break;
  }
  if (modal)
    return;

  // While the entry holds the focus it took back, the editor only lets a
  // left or right press cancel it.
  if (mEntry != nullptr && mEntry->state == TextEntryState::Focused)
  {
    if (event.type == ButtonPress && (event.xbutton.button == Button1 || event.xbutton.button == Button3))
      mEntry->state = TextEntryState::Cancel;
    return;
  }

  switch (event.type)
  {
  case ButtonPress:
    ButtonPressed(event.xbutton);
    break;
  case ButtonRelease:
    ButtonReleased(event.xbutton);
    break;
  case MotionNotify:
    PointerMoved(event.xmotion);
    break;
  case KeyPress:
    KeyPressed(event.xkey);
    break;
  case KeyRelease:
    PassKeyOn(event.xkey);
    break;
  default:
    break;
  }
}

void IGraphicsLinux::HandleEntryEvent(XEvent& event, bool modal)
{
  X11TextEntry& field = *mEntry->field;
  switch (event.type)
  {
  case Expose:
    if (event.xexpose.count == 0)
      field.Draw();
    return;
  case FocusIn:
    if (!IsRealFocusChange(event.xfocus))
      return;
    if (mEntry->openingFocusPending)
      mEntry->openingFocusPending = false;
    else
      mEntry->state = TextEntryState::Focused;
    field.FocusChanged(true);
    return;
  case FocusOut:
    if (!IsRealFocusChange(event.xfocus))
      return;
    mEntry->state = TextEntryState::Commit;
    field.FocusChanged(false);
    return;
  default:
    break;
  }
  if (modal)
    return;
  if (event.type == KeyPress)
  {
    switch (field.Key(event.xkey))
    {
    case EntryKey::Commit:
      mEntry->state = TextEntryState::Commit;
      break;
    case EntryKey::Cancel:
      mEntry->state = TextEntryState::Cancel;
      break;
    default:
      break;
    }
  }
  else if (event.type == ButtonPress)
  {
    // The wheel over the field ends it like the wheel over the editor.
    if (IsWheel(event.xbutton.button))
    {
      mEntry->state = TextEntryState::Cancel;
      return;
    }
    field.TakeFocus();
    field.PressAt(event.xbutton.x);
  }
}

void IGraphicsLinux::ButtonPressed(XButtonEvent& event)
{
  if (IsWheel(event.button))
  {
    // Horizontal wheels (buttons 6 and 7) turn nothing.
    if (event.button != Button4 && event.button != Button5)
      return;
    if (mEntry != nullptr)
    {
      mEntry->state = TextEntryState::Cancel;
      return;
    }
    PointerWheel(event.x, event.y, StateOf(event.state),
                 event.button == Button4 ? kWheelUnitsPerNotch : -kWheelUnitsPerNotch);
    return;
  }
  const unsigned int mask = MaskOf(event.button);
  if (mask == 0)
    return;
  const IMouseState state = StateOf(event.state | mask);
  // A press while the entry is open only ends the entry, applying it; it
  // reaches no control and starts no double click.
  if (mEntry != nullptr)
  {
    mEntry->state = TextEntryState::Commit;
    mDoubleClicks.Forget();
    return;
  }

  bool doubleClick = false;
  if (event.button == Button1)
    doubleClick = mDoubleClicks.Press(event.x, event.y, event.time);
  else
    mDoubleClicks.Forget();
  if (doubleClick)
  {
    PointerDoubleClick(event.x, event.y, state);
    return;
  }
  XSetInputFocus(mConnection->Get(), mWindow, RevertToParent, event.time);
  mCaptured = true;
  mPressX = event.x;
  mPressY = event.y;
  mMenuShownDuringPress = false;
  PointerDown(event.x, event.y, state);
  if (mMenuShownDuringPress && WindowUsable())
    EndPressTakenByMenu(event.button, state);
}

// A menu opened by a press takes the pointer, and with it the release: the
// gesture the press began is ended where it began, and the release, should
// it still come, is not a second one.
void IGraphicsLinux::EndPressTakenByMenu(unsigned int button, const IMouseState& state)
{
  mCaptured = false;
  IMouseState released = state;
  released.left = released.left && button != Button1;
  released.right = released.right && button != Button3;
  Window root = 0;
  Window child = 0;
  int rootX = 0;
  int rootY = 0;
  int x = 0;
  int y = 0;
  unsigned int buttons = 0;
  const bool stillHeld = XQueryPointer(mConnection->Get(), mWindow, &root, &child, &rootX, &rootY, &x, &y, &buttons) &&
                         (buttons & MaskOf(button)) != 0;
  mReleaseToIgnore = stillHeld ? button : 0;
  PointerUp(mPressX, mPressY, released);
}

void IGraphicsLinux::ButtonReleased(XButtonEvent& event)
{
  const unsigned int mask = MaskOf(event.button);
  if (mask == 0)
    return;
  if (mReleaseToIgnore == event.button)
  {
    mReleaseToIgnore = 0;
    return;
  }
  mCaptured = false;
  PointerUp(event.x, event.y, StateOf(event.state & ~mask));
}

void IGraphicsLinux::PointerMoved(XMotionEvent& event)
{
  // Only the latest of the movements waiting in a row matters.
  Display* display = mConnection->Get();
  XEvent next;
  while (XPending(display) > 0)
  {
    XPeekEvent(display, &next);
    if (next.type != MotionNotify || next.xmotion.window != mWindow)
      break;
    XNextEvent(display, &next);
    event = next.xmotion;
  }
  const IMouseState state = StateOf(event.state);
  if ((state.left || state.right) && mCaptured && mEntry == nullptr)
    PointerDrag(event.x, event.y, state);
  else if (!state.left && !state.right)
    PointerHover(event.x, event.y, state);
}

void IGraphicsLinux::KeyPressed(XKeyEvent& event)
{
  const int key = KeyNumberFor(XLookupKeysym(&event, 0));
  if (key >= 0)
  {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int buttons = 0;
    XQueryPointer(mConnection->Get(), mWindow, &root, &child, &rootX, &rootY, &x, &y, &buttons);
    if (KeyDown(x, y, key))
      return;
  }
  if (WindowUsable())
    PassKeyOn(event);
}

// A key no control takes goes on to the host's top-level window, so that the
// host's own shortcuts keep working while the editor has the focus.
void IGraphicsLinux::PassKeyOn(XKeyEvent& event)
{
  Display* display = mConnection->Get();
  const Window topLevel = mConnection->TopLevelOf(mParent);
  if (topLevel == 0)
    return;
  XEvent passed;
  passed.xkey = event;
  passed.xkey.window = topLevel;
  passed.xkey.subwindow = None;
  XSendEvent(display, topLevel, True, event.type == KeyPress ? KeyPressMask : KeyReleaseMask, &passed);
  XFlush(display);
}
