#include "platform/linux/IGraphicsLinux.h"

#include "platform/linux/DisplayScale.h"
#include "platform/linux/IGraphicsLinuxEntry.h"
#include "platform/linux/X11Cursors.h"
#include "platform/linux/X11PopupMenu.h"
#include "platform/linux/X11Presenter.h"
#include "graphics/WindowRects.h"
#include "raster/LICE_Bitmap.h"
#include "raster/LoadPngResource.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <cstdint>

namespace
{
// _XEMBED_INFO: protocol version 0, mapped. Hosts that embed through the
// XEmbed protocol read it; the others ignore it.
constexpr long kXEmbedInfo[2] = {0, 1};
} // namespace

IGraphicsLinux::IGraphicsLinux(IPlugBase& plug, int width, int height, int frameRate)
  : IGraphics(plug, width, height, frameRate)
{
}

IGraphicsLinux::~IGraphicsLinux()
{
  CloseEditorWindow();
  mRunLoop.reset();
}

void IGraphicsLinux::UseRunLoop(std::unique_ptr<EditorRunLoop> runLoop)
{
  if (runLoop == nullptr)
    CloseEditorWindow();
  mRunLoop = std::move(runLoop);
}

const char* IGraphicsLinux::GetDrawingApiName() { return "Xlib"; }

double IGraphicsLinux::GetDisplayScale()
{
  // The system's scale holds still while a window shows the editor;
  // otherwise the server is asked again, so that a new window follows a new
  // setting. Once the host gave its factor there is nothing to ask.
  if (mConnection == nullptr && !HasHostScaleFactor())
    mSystemScale = ReadDisplayScale();
  return ScaleInForce(mSystemScale);
}

void* IGraphicsLinux::OpenEditorWindow(void* parent)
{
  const Window parentWindow = static_cast<Window>(reinterpret_cast<std::uintptr_t>(parent));
  if (parentWindow == 0 || mRunLoop == nullptr)
    return nullptr;

  // A second open keeps the window where it was in the same parent.
  int x = 0;
  int y = 0;
  int keptWidth = 0;
  int keptHeight = 0;
  if (WindowUsable() && parentWindow == mParent)
  {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(mConnection->Get(), mWindow, &attributes))
    {
      x = attributes.x;
      y = attributes.y;
      keptWidth = attributes.width;
      keptHeight = attributes.height;
    }
  }
  CloseEditorWindow();

  std::unique_ptr<X11Connection> connection = X11Connection::Open();
  if (connection == nullptr)
    return nullptr;
  Display* display = connection->Get();
  mSystemScale = DisplayScaleOf(display);
  mScale = ScaleInForce(mSystemScale);
  const int width = keptWidth > 0 ? keptWidth : ScaledSize(Width(), mScale);
  const int height = keptHeight > 0 ? keptHeight : ScaledSize(Height(), mScale);

  XSetWindowAttributes attributes{};
  attributes.colormap = connection->ColourMap();
  attributes.border_pixel = 0;
  // Never erased by the server: every pixel comes from the drawing surface.
  attributes.background_pixmap = None;
  attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                          KeyReleaseMask | FocusChangeMask | StructureNotifyMask;
  const int errorsBefore = connection->ErrorCount();
  const Window window = XCreateWindow(display, parentWindow, x, y, static_cast<unsigned>(width),
                                      static_cast<unsigned>(height), 0, connection->Depth(), InputOutput,
                                      connection->TrueColourVisual(),
                                      CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask, &attributes);
  XChangeProperty(display, window, connection->Intern("_XEMBED_INFO"), connection->Intern("_XEMBED_INFO"), 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(kXEmbedInfo), 2);
  XMapWindow(display, window);
  XSync(display, False);
  // A parent that is not a window (or is gone) fails here.
  if (connection->ErrorCount() != errorsBefore)
    return nullptr;

  mConnection = std::move(connection);
  // The setting may have changed since the editor last drew.
  if (DrawScale() != mScale)
    CreateDrawingSurfaces();
  mWindow = window;
  mParent = parentWindow;
  mWindowGone = false;
  mPresenter = std::make_unique<X11Presenter>(*mConnection, mWindow);
  mCursors = std::make_unique<X11Cursors>(*mConnection);
  mInvalid = {};
  if (!mRunLoop->WatchDescriptor(mConnection->Fd(), [this] { TakeEvents(); }) ||
      !mRunLoop->StartTimer(TickMilliseconds(), [this] { Tick(); }))
  {
    CloseEditorWindow();
    return nullptr;
  }
  MarkAllControlsDirty();
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(mWindow));
}

void IGraphicsLinux::CloseEditorWindow()
{
  if (mOpenMenu != nullptr)
    mOpenMenu->Close();
  // An entry open as the window closes is dropped: nobody confirmed it.
  mEntry.reset();
  if (mRunLoop != nullptr)
    mRunLoop->Stop();
  if (mConnection == nullptr)
    return;
  mCursors.reset();
  mPresenter.reset();
  if (!mWindowGone)
    XDestroyWindow(mConnection->Get(), mWindow);
  XFlush(mConnection->Get());
  mWindow = 0;
  mWindowGone = false;
  mCaptured = false;
  mReleaseToIgnore = 0;
  SavedCursor().hidden = false;
  if (mModalDepth > 0)
    mRetiredConnection = std::move(mConnection);
  else
    mConnection.reset();
}

void* IGraphicsLinux::GetWindowHandle()
{
  return WindowUsable() ? reinterpret_cast<void*>(static_cast<std::uintptr_t>(mWindow)) : nullptr;
}

void IGraphicsLinux::Tick()
{
  if (mConnection == nullptr)
    return;
  TakeEvents();
  if (WindowUsable())
    StepEntryThenRedraw();
}

void IGraphicsLinux::TakeEvents()
{
  X11Connection* connection = mConnection.get();
  while (connection != nullptr && mConnection.get() == connection && XPending(connection->Get()) > 0)
  {
    XEvent event;
    XNextEvent(connection->Get(), &event);
    HandleEvent(event, false);
  }
}

void IGraphicsLinux::StepEntryThenRedraw()
{
  if (mEntry != nullptr)
  {
    switch (mEntry->state)
    {
    case TextEntryState::Focused:
      return;
    case TextEntryState::Commit:
      CommitEntry();
      return;
    case TextEntryState::Cancel:
      CloseEntry();
      return;
    case TextEntryState::JustOpened:
      mEntry->state = TextEntryState::Idle;
      return;
    case TextEntryState::Idle:
      break;
    }
  }
  IRectI dirty;
  if (CollectDirtyRegion(dirty))
    Invalidate(dirty);
  // The plug-in's idle hook may have closed the editor.
  if (!WindowUsable())
    return;
  if (mEntry != nullptr)
    mEntry->state = TextEntryState::JustOpened;
  PaintInvalidRegion();
}

void IGraphicsLinux::Invalidate(const IRectI& editorRect)
{
  const IRectI clipped = editorRect.ClippedTo(Width(), Height());
  if (clipped.Width() <= 0 || clipped.Height() <= 0)
    return;
  mInvalid = mInvalid.IsEmpty() ? clipped : mInvalid.Union(clipped);
}

void IGraphicsLinux::PaintInvalidRegion()
{
  if (mInvalid.IsEmpty())
    return;
  const IRectI region = mInvalid;
  mInvalid = {};
  DrawRegion(region);
}

bool IGraphicsLinux::PresentRegion(const IRectI& region)
{
  LICE_IBitmap* surface = DrawingSurface();
  if (!WindowUsable() || mPresenter == nullptr || surface == nullptr)
    return false;
  mPresenter->Present(*surface, WindowRectFor(region, mScale));
  XFlush(mConnection->Get());
  return true;
}

void IGraphicsLinux::Resize(int width, int height)
{
  // The host is asked for a new size only when there is one.
  if (width == Width() && height == Height())
    return;
  IGraphics::Resize(width, height);
  if (!WindowUsable())
    return;
  XResizeWindow(mConnection->Get(), mWindow, static_cast<unsigned>(ScaledSize(width, mScale)),
                static_cast<unsigned>(ScaledSize(height, mScale)));
  XFlush(mConnection->Get());
  MarkAllControlsDirty();
  Invalidate({0, 0, width, height});
}

void IGraphicsLinux::DisplayScaleChanged()
{
  mScale = GetDisplayScale();
  if (!WindowUsable())
    return;
  XResizeWindow(mConnection->Get(), mWindow, static_cast<unsigned>(ScaledSize(Width(), mScale)),
                static_cast<unsigned>(ScaledSize(Height(), mScale)));
  XFlush(mConnection->Get());
  Invalidate({0, 0, Width(), Height()});
}

void IGraphicsLinux::SetCursorShape(int shape)
{
  mCursorShape = shape;
  if (WindowUsable() && !SavedCursor().hidden)
    XDefineCursor(mConnection->Get(), mWindow, mCursors->ForShape(shape));
}

void IGraphicsLinux::HideCursor()
{
  CursorMemory& saved = SavedCursor();
  if (saved.hidden || !WindowUsable())
    return;
  Display* display = mConnection->Get();
  Window root = 0;
  Window child = 0;
  int windowX = 0;
  int windowY = 0;
  unsigned int buttons = 0;
  XQueryPointer(display, mWindow, &root, &child, &saved.x, &saved.y, &windowX, &windowY, &buttons);
  XDefineCursor(display, mWindow, mCursors->Invisible());
  saved.hidden = true;
}

void IGraphicsLinux::RestoreCursor()
{
  CursorMemory& saved = SavedCursor();
  if (!saved.hidden)
    return;
  saved.hidden = false;
  if (!WindowUsable())
    return;
  Display* display = mConnection->Get();
  XWarpPointer(display, None, mConnection->Root(), 0, 0, 0, 0, saved.x, saved.y);
  XDefineCursor(display, mWindow, mCursors->ForShape(mCursorShape));
  XFlush(display);
}

std::unique_ptr<LICE_IBitmap> IGraphicsLinux::LoadPngResource(int id, const char* name)
{
  return ::LoadPngResource(id, name);
}

std::optional<TextEntryState> IGraphicsLinux::EntryState() const
{
  if (mEntry == nullptr)
    return std::nullopt;
  return mEntry->state;
}

std::string IGraphicsLinux::EntryText() const { return mEntry != nullptr ? mEntry->field->Field().Text() : ""; }

unsigned long IGraphicsLinux::MenuWindow() const { return mOpenMenu != nullptr ? mOpenMenu->Handle() : 0; }
