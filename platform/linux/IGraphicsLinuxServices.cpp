#include "platform/linux/IGraphicsLinux.h"

#include "graphics/MessageBoxCodes.h"
#include "platform/linux/DesktopDialogs.h"
#include "platform/linux/IGraphicsLinuxEntry.h"
#include "platform/linux/Subprocess.h"
#include "platform/linux/X11Clipboard.h"
#include "platform/linux/XdgFolders.h"

#include <X11/Xatom.h>

#include <algorithm>

namespace
{
// An owner that does not answer within this time is taken as none.
constexpr std::chrono::seconds kClipboardTimeout{1};
constexpr int kSaveAction = 1;
constexpr unsigned long kOpaque = 0xFFFFFFFFul;
} // namespace

unsigned long IGraphicsLinux::DialogParent() const
{
  return WindowUsable() ? mConnection->TopLevelOf(mParent) : 0;
}

bool IGraphicsLinux::RunHelper(const std::vector<std::string>& arguments, int& exitStatus, std::string& output)
{
  Subprocess helper;
  if (!helper.Start(arguments))
    return false;
  WaitModally([&helper] { return helper.OutputFd() < 0; }, nullptr, [&helper] { return helper.OutputFd(); },
              [&helper] { helper.ReadAvailable(); }, std::nullopt);
  exitStatus = helper.Finish();
  output = helper.Output();
  return true;
}

int IGraphicsLinux::PresentMessageBox(const char* text, const char* caption, int type)
{
  const DesktopHelper helper = FindDesktopHelper();
  if (helper == DesktopHelper::Absent)
    return MessageBoxFailed;
  int status = -1;
  std::string output;
  if (!RunHelper(MessageBoxArguments(helper, text, caption, type, DialogParent()), status, output))
    return MessageBoxFailed;
  return MessageBoxAnswerFor(helper, type, status, output);
}

void IGraphicsLinux::GetHostPath(std::string& path) { path = HostProgramFolder(); }

void IGraphicsLinux::GetPluginPath(std::string& path) { path = PluginModuleFolder(); }

void IGraphicsLinux::GetDesktopPath(std::string& path) { path = UserDir("XDG_DESKTOP_DIR", "Desktop"); }

void IGraphicsLinux::GetDocumentsPath(std::string& path) { path = UserDir("XDG_DOCUMENTS_DIR", "Documents"); }

void IGraphicsLinux::GetAppDataPath(std::string& path, bool allUsers) { path = AppDataFolder(allUsers); }

void IGraphicsLinux::GetUserAppDataPath(std::string& path) { GetAppDataPath(path, false); }

void IGraphicsLinux::ChooseFilePath(std::string& file, int action, std::string& folder, const char* extensions)
{
  const DesktopHelper helper = FindDesktopHelper();
  if (!WindowUsable() || helper == DesktopHelper::Absent)
  {
    file.clear();
    return;
  }
  if (folder.empty())
    GetDesktopPath(folder);
  const bool save = action == kSaveAction;
  int status = -1;
  std::string output;
  const std::vector<std::string> arguments =
    FileChooserArguments(helper, save, folder, file, ExtensionPatterns(extensions), DialogParent());
  std::string chosen = RunHelper(arguments, status, output) && status == 0 ? ChosenPath(output) : "";
  if (chosen.empty())
  {
    file.clear();
    return;
  }
  // A name typed without extension takes the list's first one.
  const std::string extension = DefaultExtension(extensions);
  const std::size_t nameStart = chosen.rfind('/') + 1;
  if (save && !extension.empty() && chosen.find('.', nameStart) == std::string::npos)
    chosen += "." + extension;
  file = chosen;
  const std::string chosenFolder = FolderOf(chosen);
  if (!chosenFolder.empty())
    folder = chosenFolder;
}

bool IGraphicsLinux::ChooseColour(const IColorRGBA& colour, const char* prompt)
{
  const DesktopHelper helper = FindDesktopHelper();
  if (!WindowUsable() || helper == DesktopHelper::Absent)
    return false;
  int status = -1;
  std::string output;
  IColorRGBA chosen = LastChosenColour();
  if (!RunHelper(ColourChooserArguments(helper, colour, prompt, DialogParent()), status, output) || status != 0 ||
      !ParseChosenColour(output, chosen))
    return false;
  SetLastChosenColour(chosen);
  return true;
}

bool IGraphicsLinux::OpenWebAddress(const char* url, const char* caption, const char* confirmText,
                                    const char* errorText)
{
  if (confirmText != nullptr && PresentMessageBox(confirmText, caption, MessageBoxYesNo) != AnswerYes)
    return false;
  int status = -1;
  std::string output;
  if (url != nullptr && *url != '\0' && RunHelper({"xdg-open", url}, status, output) && status == 0)
    return true;
  if (errorText != nullptr)
    PresentMessageBox(errorText, caption, MessageBoxOk);
  return false;
}

bool IGraphicsLinux::GetClipboardText(std::string& text)
{
  text.clear();
  if (!WindowUsable())
    return false;
  // Declared first, so that a connection closed during the wait outlives the request.
  ModalScope modal(*this);
  X11ClipboardRequest request(*mConnection, mWindow);
  if (!request.Send())
    return false;
  WaitModally([&request] { return request.Answered(); },
              [&request](XEvent& event) { return request.HandleEvent(event); }, nullptr, nullptr,
              std::chrono::steady_clock::now() + kClipboardTimeout);
  return request.Answered() && request.TakeText(text);
}

void IGraphicsLinux::SetWindowAlpha(int alpha)
{
  if (!WindowUsable())
    return;
  const Window topLevel = mConnection->TopLevelOf(mParent);
  if (topLevel == 0)
    return;
  // Compositing window managers read the opacity from the top-level window.
  const unsigned long opacity = static_cast<unsigned long>(std::clamp(alpha, 0, 255)) * (kOpaque / 255);
  XChangeProperty(mConnection->Get(), topLevel, mConnection->Intern("_NET_WM_WINDOW_OPACITY"), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&opacity), 1);
  XFlush(mConnection->Get());
}
