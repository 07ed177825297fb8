#include "platform/win/IGraphicsWin.h"

#include "platform/win/FilePaths.h"

#include <commdlg.h>
#include <shellapi.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>

namespace
{
constexpr int kSaveAction = 1;
constexpr int kClassNameLength = 128;
// ShellExecute's answers above this are successes.
constexpr INT_PTR kLastShellExecuteError = 32;

struct OwnerSearch
{
  const std::string* className;
  HWND found;
};

BOOL CALLBACK FindOwner(HWND window, LPARAM lParam)
{
  auto* search = reinterpret_cast<OwnerSearch*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[kClassNameLength] = {};
  if (process != GetCurrentProcessId() || GetClassNameA(window, className, sizeof className) == 0 ||
      *search->className != className)
    return TRUE;
  search->found = window;
  return FALSE;
}

// Sets the colour dialog's title to the text the caller passed.
UINT_PTR CALLBACK ColourDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
  if (message == WM_INITDIALOG)
  {
    const auto* choice = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    if (choice != nullptr && choice->lCustData != 0)
      SetWindowTextA(dialog, reinterpret_cast<const char*>(choice->lCustData));
  }
  return 0;
}
} // namespace

// The host's top-level window that message boxes belong to: the topmost
// ancestor of the window the editor opened in, or, without one, the window
// of this process that had the same class.
HWND IGraphicsWin::MessageBoxOwner()
{
  if (mMessageBoxOwner != nullptr && IsWindow(mMessageBoxOwner))
    return mMessageBoxOwner;
  mMessageBoxOwner = nullptr;
  if (mParent != nullptr && IsWindow(mParent))
  {
    HWND owner = mParent;
    while (const HWND above = GetParent(owner))
      owner = above;
    char className[kClassNameLength] = {};
    if (GetClassNameA(owner, className, sizeof className) > 0)
      mMessageBoxOwnerClass = className;
    mMessageBoxOwner = owner;
  }
  else if (!mMessageBoxOwnerClass.empty())
  {
    OwnerSearch search{&mMessageBoxOwnerClass, nullptr};
    EnumWindows(FindOwner, reinterpret_cast<LPARAM>(&search));
    mMessageBoxOwner = search.found;
  }
  return mMessageBoxOwner;
}

int IGraphicsWin::PresentMessageBox(const char* text, const char* caption, int type)
{
  return MessageBoxA(MessageBoxOwner(), text, caption, static_cast<UINT>(type));
}

void IGraphicsWin::ChooseFilePath(std::string& file, int action, std::string& folder, const char* extensions)
{
  if (mWindow == nullptr)
  {
    file.clear();
    return;
  }
  char path[MAX_PATH] = {};
  file.copy(path, std::min(file.size(), sizeof path - 1));
  if (folder.empty())
    GetDesktopPath(folder);
  const FileDialogFilter filter = FileDialogFilterFor(extensions);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mWindow;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path - 1;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrFilter = filter.filter.empty() ? nullptr : filter.filter.c_str();
  dialog.lpstrDefExt = filter.defaultExtension.empty() ? nullptr : filter.defaultExtension.c_str();
  bool chosen = false;
  if (action == kSaveAction)
  {
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    chosen = GetSaveFileNameA(&dialog) != 0;
  }
  else
  {
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    chosen = GetOpenFileNameA(&dialog) != 0;
  }
  if (!chosen)
  {
    file.clear();
    return;
  }
  file = path;
  const std::string chosenFolder = FolderOf(file);
  if (!chosenFolder.empty())
    folder = chosenFolder;
}

bool IGraphicsWin::ChooseColour(const IColorRGBA& colour, const char* prompt)
{
  if (mWindow == nullptr)
    return false;
  if (mCustomColours == nullptr)
    mCustomColours = std::make_unique<COLORREF[]>(16);

  CHOOSECOLORA choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = mWindow;
  choice.rgbResult = RGB(static_cast<BYTE>(colour.R), static_cast<BYTE>(colour.G), static_cast<BYTE>(colour.B));
  choice.lpCustColors = mCustomColours.get();
  choice.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK | CC_SOLIDCOLOR | CC_ANYCOLOR;
  choice.lCustData = reinterpret_cast<LPARAM>(prompt);
  choice.lpfnHook = ColourDialogHook;
  if (!ChooseColorA(&choice))
    return false;
  IColorRGBA chosen = LastChosenColour();
  chosen.R = GetRValue(choice.rgbResult);
  chosen.G = GetGValue(choice.rgbResult);
  chosen.B = GetBValue(choice.rgbResult);
  SetLastChosenColour(chosen);
  return true;
}

bool IGraphicsWin::OpenWebAddress(const char* url, const char* caption, const char* confirmText,
                                  const char* errorText)
{
  if (confirmText != nullptr && MessageBoxA(mWindow, confirmText, caption, MB_YESNO) != IDYES)
    return false;
  DWORD connection = 0;
  if (url != nullptr && InternetGetConnectedState(&connection, 0) &&
      reinterpret_cast<INT_PTR>(ShellExecuteA(mWindow, "open", url, nullptr, nullptr, SW_SHOWNORMAL)) >
        kLastShellExecuteError)
    return true;
  if (errorText != nullptr)
    MessageBoxA(mWindow, errorText, caption, MB_OK);
  return false;
}
