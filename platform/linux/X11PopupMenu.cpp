#include "platform/linux/X11PopupMenu.h"

#include "graphics/IGraphics.h"
#include "platform/linux/BitmapFill.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_TextFlags.h"

#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <thread>

namespace
{
constexpr LICE_pixel kBackground = LICE_RGBA(0xF4, 0xF2, 0xEE, 0xFF);
constexpr LICE_pixel kFrame = LICE_RGBA(0x70, 0x6C, 0x66, 0xFF);
constexpr LICE_pixel kText = LICE_RGBA(0x20, 0x20, 0x20, 0xFF);
constexpr LICE_pixel kGreyedText = LICE_RGBA(0x9A, 0x96, 0x90, 0xFF);
constexpr LICE_pixel kHighlight = LICE_RGBA(0x3A, 0x6E, 0xA5, 0xFF);
constexpr LICE_pixel kHighlightText = LICE_RGBA(0xFF, 0xFF, 0xFF, 0xFF);
constexpr int kTextFlags = TextOneLine | TextMiddle | TextNoClip;
// Another client may hold the pointer for a moment (the host's own menu
// closing): a few short tries before giving up.
constexpr int kGrabTries = 20;
constexpr std::chrono::milliseconds kGrabRetryPause{10};

// A tick drawn as two strokes of square dots, `weight` pixels thick.
void DrawCheckMark(LICE_IBitmap& bitmap, const IRectI& box, int weight, LICE_pixel colour)
{
  const double w = box.Width();
  const double h = box.Height();
  const double points[3][2] = {{box.left + 0.25 * w, box.top + 0.55 * h},
                               {box.left + 0.42 * w, box.top + 0.72 * h},
                               {box.left + 0.75 * w, box.top + 0.30 * h}};
  for (int stroke = 0; stroke < 2; ++stroke)
  {
    const double* from = points[stroke];
    const double* to = points[stroke + 1];
    const int steps = static_cast<int>(std::ceil(std::max(std::abs(to[0] - from[0]), std::abs(to[1] - from[1])))) + 1;
    for (int i = 0; i <= steps; ++i)
    {
      const double t = static_cast<double>(i) / steps;
      const int x = static_cast<int>(std::lround(from[0] + (to[0] - from[0]) * t - weight / 2.0));
      const int y = static_cast<int>(std::lround(from[1] + (to[1] - from[1]) * t - weight / 2.0));
      FillRect(bitmap, {x, y, x + weight, y + weight}, colour);
    }
  }
}
} // namespace

X11PopupMenu::X11PopupMenu(const X11Connection& connection, IGraphics& graphics, const PopupMenuRecord& menu,
                           const IRectI& anchor, double scale)
  : mConnection(connection), mMenu(menu), mLayout(PopupMenuLayout::AtScale(scale)), mScale(scale)
{
  ITextStyle style("Arial", mLayout.fontSize, kColorBlack);
  mFont = graphics.FindOrCreateFont(style);

  int textWidth = 0;
  for (const PopupItemRecord& item : menu.items)
  {
    IRectI extent;
    if (mFont != nullptr && !item.text.empty())
      mFont->DrawString(nullptr, item.text.c_str(), -1, extent, kTextFlags | TextMeasure);
    textWidth = std::max(textWidth, extent.right);
  }
  const int count = static_cast<int>(menu.items.size());
  const int width = std::max(anchor.Width(), 2 * mLayout.border + mLayout.checkColumn + textWidth + 2 * mLayout.textPadding);
  const int height = mLayout.Height(count);

  Display* display = connection.Get();
  const int screenWidth = DisplayWidth(display, DefaultScreen(display));
  const int screenHeight = DisplayHeight(display, DefaultScreen(display));
  int top = anchor.bottom;
  if (top + height > screenHeight && anchor.top - height >= 0)
    top = anchor.top - height;
  const int left = std::clamp(anchor.left, 0, std::max(0, screenWidth - width));
  mBounds = {left, top, left + width, top + height};
  mPixels.SetSize(width, height);

  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.save_under = True;
  attributes.colormap = connection.ColourMap();
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;
  attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;
  mWindow = XCreateWindow(display, connection.Root(), mBounds.left, mBounds.top, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, connection.Depth(), InputOutput,
                          connection.TrueColourVisual(),
                          CWOverrideRedirect | CWSaveUnder | CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask,
                          &attributes);
  mPresenter = std::make_unique<X11Presenter>(connection, mWindow);
}

X11PopupMenu::~X11PopupMenu() { Close(); }

bool X11PopupMenu::Open()
{
  Display* display = mConnection.Get();
  XMapRaised(display, mWindow);
  Draw();
  for (int attempt = 0; attempt < kGrabTries && !mGrabbed; ++attempt)
  {
    // Every pointer and key event comes to the menu, relative to it.
    const unsigned int pointerEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    if (XGrabPointer(display, mWindow, False, pointerEvents, GrabModeAsync, GrabModeAsync, None, None,
                     CurrentTime) == GrabSuccess)
    {
      if (XGrabKeyboard(display, mWindow, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess)
        mGrabbed = true;
      else
        XUngrabPointer(display, CurrentTime);
    }
    if (!mGrabbed)
      std::this_thread::sleep_for(kGrabRetryPause);
  }
  if (!mGrabbed)
    Close();
  return mGrabbed;
}

void X11PopupMenu::Close()
{
  if (mWindow == 0)
    return;
  Display* display = mConnection.Get();
  if (mGrabbed)
  {
    XUngrabKeyboard(display, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    mGrabbed = false;
  }
  mPresenter.reset();
  XDestroyWindow(display, mWindow);
  XFlush(display);
  mWindow = 0;
  mFinished = true;
}

void X11PopupMenu::Finish(int chosen)
{
  mChosen = chosen;
  Close();
}

void X11PopupMenu::Highlight(int item)
{
  if (item == mHighlighted)
    return;
  mHighlighted = item;
  Draw();
}

void X11PopupMenu::Key(XKeyEvent& event)
{
  switch (XLookupKeysym(&event, 0))
  {
  case XK_Escape:
    Finish(-1);
    break;
  case XK_Up:
  case XK_KP_Up:
    Highlight(NextSelectableItem(mMenu, mHighlighted, -1));
    break;
  case XK_Down:
  case XK_KP_Down:
    Highlight(NextSelectableItem(mMenu, mHighlighted, +1));
    break;
  case XK_Return:
  case XK_KP_Enter:
  case XK_space:
    if (mHighlighted >= 0)
      Finish(mHighlighted);
    break;
  default:
    break;
  }
}

bool X11PopupMenu::HandleEvent(XEvent& event)
{
  if (mWindow == 0 || event.xany.window != mWindow)
    return false;
  const int count = static_cast<int>(mMenu.items.size());
  const auto selectableAt = [&](int x, int y) {
    const int item = mLayout.ItemAt(x, y, mBounds.Width(), count);
    return item >= 0 && IsSelectable(mMenu.items[static_cast<std::size_t>(item)]) ? item : -1;
  };
  switch (event.type)
  {
  case Expose:
    if (event.xexpose.count == 0)
      Draw();
    break;
  case MotionNotify:
    Highlight(selectableAt(event.xmotion.x, event.xmotion.y));
    break;
  case ButtonPress:
  {
    const bool inside = event.xbutton.x >= 0 && event.xbutton.y >= 0 && event.xbutton.x < mBounds.Width() &&
                        event.xbutton.y < mBounds.Height();
    if (!inside)
      Finish(-1);
    break;
  }
  case ButtonRelease:
  {
    // The release of the press that opened the menu chooses only when the
    // pointer was dragged onto an item; elsewhere it is not a choice.
    const int item = selectableAt(event.xbutton.x, event.xbutton.y);
    if (item >= 0 && event.xbutton.button != Button4 && event.xbutton.button != Button5)
      Finish(item);
    break;
  }
  case KeyPress:
    Key(event.xkey);
    break;
  default:
    break;
  }
  return true;
}

void X11PopupMenu::Draw()
{
  if (mWindow == 0 || mPixels.PixelData() == nullptr)
    return;
  const int width = mBounds.Width();
  const int height = mBounds.Height();
  const int border = mLayout.border;
  FillRect(mPixels, {0, 0, width, height}, kFrame);
  FillRect(mPixels, {border, border, width - border, height - border}, kBackground);
  for (int i = 0; i < static_cast<int>(mMenu.items.size()); ++i)
  {
    const PopupItemRecord& item = mMenu.items[static_cast<std::size_t>(i)];
    const IRectI row{border, mLayout.ItemTop(i), width - border, mLayout.ItemTop(i) + mLayout.itemHeight};
    const bool highlighted = i == mHighlighted;
    if (highlighted)
      FillRect(mPixels, row, kHighlight);
    const LICE_pixel colour = highlighted ? kHighlightText : IsSelectable(item) ? kText : kGreyedText;
    if ((item.flags & PopupItemChecked) != 0)
      DrawCheckMark(mPixels, {row.left, row.top, row.left + mLayout.checkColumn, row.bottom},
                    std::max(1, static_cast<int>(std::lround(1.5 * mScale))), colour);
    if (mFont != nullptr && !item.text.empty())
    {
      mFont->SetForeground(colour);
      IRectI textRect{row.left + mLayout.checkColumn, row.top, row.right - mLayout.textPadding, row.bottom};
      mFont->DrawString(&mPixels, item.text.c_str(), -1, textRect, kTextFlags);
    }
  }
  mPresenter->Present(mPixels, {0, 0, width, height});
  XFlush(mConnection.Get());
}
