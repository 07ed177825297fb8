#pragma once

#include "graphics/IGraphics.h"
#include "platform/linux/DoubleClicks.h"
#include "platform/linux/EditorRunLoop.h"
#include "graphics/TextEntryState.h"
#include "platform/linux/X11Connection.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class X11ClipboardRequest;
class X11Cursors;
class X11PopupMenu;
class X11Presenter;
class X11TextEntry;

// The editor on Linux: an X11 child window inside the window the host gives
// (its X window id), with a connection of its own to the X server. The host's
// run loop watches the connection and runs the redraw timer at the editor's
// frame rate; each tick also takes the pending X events (some hosts never
// call the watch), collects the dirty controls and repaints them, drawn at
// the display scale. Menus are modal: ShowPopupMenu runs the connection's
// events, and the editor's redrawing, until the menu closes.
//
// Everything here runs on the host's UI thread; the audio thread reaches the
// editor only through the controls' atomics.
class IGraphicsLinux final : public IGraphics, public EditorRunLoopUser
{
public:
  // A frame rate of 0 or less becomes 30 frames per second.
  IGraphicsLinux(IPlugBase& plug, int width, int height, int frameRate);
  ~IGraphicsLinux() override;

  bool PresentRegion(const IRectI& region) override;
  void CancelTextEntry() override;
  void Resize(int width, int height) override;
  const char* GetDrawingApiName() override;
  int PresentMessageBox(const char* text, const char* caption, int type) override;
  PopupMenuRecord* ShowPopupMenu(PopupMenuRecord& menu, const IRectI& rect) override;
  void OpenTextEntry(IControl& control, const ITextStyle& style, const IRectI& rect, const char* text,
                     IPlugParam* param) override;
  void GetHostPath(std::string& path) override;
  void GetPluginPath(std::string& path) override;
  void GetDesktopPath(std::string& path) override;
  void GetDocumentsPath(std::string& path) override;
  void GetAppDataPath(std::string& path, bool allUsers) override;
  void GetUserAppDataPath(std::string& path) override;
  void ChooseFilePath(std::string& file, int action, std::string& folder, const char* extensions) override;
  bool ChooseColour(const IColorRGBA& colour, const char* prompt) override;
  bool OpenWebAddress(const char* url, const char* caption, const char* confirmText, const char* errorText) override;
  // `parent` is the host's X window id. None without a run loop, an X
  // server or a usable parent.
  void* OpenEditorWindow(void* parent) override;
  void CloseEditorWindow() override;
  void* GetWindowHandle() override;
  bool GetClipboardText(std::string& text) override;
  void SetWindowAlpha(int alpha) override;
  double GetDisplayScale() override;
  void SetCursorShape(int shape) override;
  void HideCursor() override;
  void RestoreCursor() override;
  std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name) override;

  void UseRunLoop(std::unique_ptr<EditorRunLoop> runLoop) override;

  // The state of the open text entry; none when no entry is open.
  std::optional<TextEntryState> EntryState() const;
  // The open entry's text, "" without one.
  std::string EntryText() const;
  // The open menu's window, 0 without one.
  unsigned long MenuWindow() const;
  int TickMilliseconds() const { return 1000 / FrameRate(); }

private:
  struct OpenEntry;
  class ModalScope;

  void Tick();
  void TakeEvents();
  void StepEntryThenRedraw();
  void Invalidate(const IRectI& editorRect);
  void PaintInvalidRegion();
  bool WindowUsable() const { return mWindow != 0 && !mWindowGone; }
  void DisplayScaleChanged() override;

  void HandleEvent(XEvent& event, bool modal);
  void HandleEntryEvent(XEvent& event, bool modal);
  void ButtonPressed(XButtonEvent& event);
  void ButtonReleased(XButtonEvent& event);
  void PointerMoved(XMotionEvent& event);
  void KeyPressed(XKeyEvent& event);
  void PassKeyOn(XKeyEvent& event);
  void EndPressTakenByMenu(unsigned int button, const IMouseState& state);

  void CommitEntry();
  void CloseEntry();

  // Runs the connection's events (each offered to `take` first; the rest
  // reach the editor, less any input) and the editor's redrawing until
  // `finished`, or until `deadline`. `watchedFd` is a descriptor to wait on
  // as well, `onWatched` runs when it is readable.
  void WaitModally(const std::function<bool()>& finished, const std::function<bool(XEvent&)>& take,
                   const std::function<int()>& watchedFd, const std::function<void()>& onWatched,
                   std::optional<std::chrono::steady_clock::time_point> deadline);
  // Runs a dialog helper to its end; false when it could not start.
  bool RunHelper(const std::vector<std::string>& arguments, int& exitStatus, std::string& output);
  unsigned long DialogParent() const;

  std::unique_ptr<EditorRunLoop> mRunLoop;
  std::unique_ptr<X11Connection> mConnection;
  // A connection closed while a modal wait still ran on it; it goes when the wait ends.
  std::unique_ptr<X11Connection> mRetiredConnection;
  std::unique_ptr<X11Presenter> mPresenter;
  std::unique_ptr<X11Cursors> mCursors;
  std::unique_ptr<OpenEntry> mEntry;
  X11PopupMenu* mOpenMenu = nullptr;
  int mModalDepth = 0;

  Window mWindow = 0;
  Window mParent = 0;
  // The host destroyed the window under us (its parent went first).
  bool mWindowGone = false;
  // Xft.dpi / 96, as the window opened (or last asked without one).
  double mSystemScale = 1.0;
  // The scale in force while the window is open.
  double mScale = 1.0;
  IRectI mInvalid;
  int mCursorShape = 0;

  DoubleClicks mDoubleClicks;
  bool mCaptured = false;
  int mPressX = 0;
  int mPressY = 0;
  bool mMenuShownDuringPress = false;
  unsigned int mReleaseToIgnore = 0;
};
