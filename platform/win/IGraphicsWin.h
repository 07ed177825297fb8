#pragma once

#include "graphics/IGraphics.h"
#include "graphics/TextEntryState.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

// The editor on Windows: a child window of the window the host gives (its
// HWND), redrawn by a timer at the editor's frame rate. Each tick collects
// the dirty controls and invalidates them; WM_PAINT draws the update region
// at the display scale and copies it onto the window. Menus, message
// boxes and dialogs are modal: they run their own message loops, in which
// the timer keeps ticking.
//
// Everything here runs on the thread that created the window (the host's UI
// thread); the audio thread reaches the editor only through the controls'
// atomics.
class IGraphicsWin : public IGraphics
{
public:
  static constexpr const char* kWindowClassName = "IPlugWndClass";
  static constexpr UINT_PTR kRedrawTimerId = 2;
  static constexpr int kTextEntryControlId = 99;

  // A frame rate of 0 or less becomes 30 frames per second.
  IGraphicsWin(IPlugBase& plug, int width, int height, int frameRate);
  ~IGraphicsWin() override;

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
  // The editor view's attached and removed, on the host's UI thread (the
  // window belongs to the thread that opens it); no lock. `parent` is the
  // host's HWND. None when the window cannot be made.
  void* OpenEditorWindow(void* parent) override;
  void CloseEditorWindow() override;
  void* GetWindowHandle() override;
  bool GetClipboardText(std::string& text) override;
  void SetWindowAlpha(int alpha) override;
  // The host's factor, or the window's dots per inch over 96 (the screen's
  // before a window opens); held while a window is open.
  double GetDisplayScale() override;
  void SetCursorShape(int shape) override;
  void HideCursor() override;
  void RestoreCursor() override;
  std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name) override;

  // The state of the open text entry; none when no entry is open.
  std::optional<TextEntryState> EntryState() const;
  // The open entry's field, none without one.
  HWND EntryWindow() const;
  int TimerMilliseconds() const { return 1000 / FrameRate(); }

private:
  struct OpenEntry;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EntryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static IGraphicsWin* EditorOf(HWND window);

  static double SystemScaleFor(HWND window);
  void DisplayScaleChanged() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEntryMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Tick();
  bool StepTextEntry();
  void Redraw();
  void ButtonPressed(UINT message, WPARAM wParam, LPARAM lParam);
  void ButtonReleased(UINT message, WPARAM wParam, LPARAM lParam);
  void EndPressTakenByMenu(UINT message, int x, int y, const IMouseState& state);
  LRESULT KeyPressed(WPARAM wParam, LPARAM lParam);
  LRESULT PassKeyOn(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT EntryColours(HDC context);
  void CommitEntry();
  void CloseEntry();
  // The window is destroyed (by us or with the host's): what lived with it goes.
  void WindowGone();
  HWND MessageBoxOwner();

  HWND mWindow = nullptr;
  HWND mParent = nullptr;
  // This editor counts among the window class's users, from opening its
  // window until it is closed (or found gone).
  bool mHoldsClass = false;
  // The dots per inch over 96 of the window opened in (or the screen's).
  double mSystemScale = 1.0;
  // The scale in force while the window is open.
  double mScale = 1.0;
  std::unique_ptr<OpenEntry> mEntry;

  // The host's top-level window, found again when it has gone.
  HWND mMessageBoxOwner = nullptr;
  std::string mMessageBoxOwnerClass;
  std::unique_ptr<COLORREF[]> mCustomColours;

  // A menu is open (ShowPopupMenu runs its loop).
  bool mMenuOpen = false;
  // A press that opened a menu: its release belongs to the menu.
  bool mMenuShownDuringPress = false;
  UINT mReleaseToIgnore = 0;
};
