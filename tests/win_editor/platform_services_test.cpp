#include "WinEditorFixture.h"

#include "graphics/MessageBoxCodes.h"

#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

namespace
{
std::string ProgramFolder()
{
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool PutOnClipboard(HWND owner, const wchar_t* text)
{
  if (!OpenClipboard(owner))
    return false;
  EmptyClipboard();
  bool put = true;
  if (text != nullptr)
  {
    const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  }
  CloseClipboard();
  return put;
}

std::string WindowText(HWND window)
{
  char text[128] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Answers the next dialog of this process from another thread, as the user
// would, after noting its title and owner.
class DialogAnswer
{
public:
  explicit DialogAnswer(WPARAM button)
    : mThread([this, button] {
        const HWND dialog = TestDesktop::WaitForDialog(std::chrono::seconds(10));
        if (dialog == nullptr)
          return;
        title = WindowText(dialog);
        owner = GetWindow(dialog, GW_OWNER);
        shown = true;
        PostMessageA(dialog, WM_COMMAND, button, 0);
      })
  {
  }
  ~DialogAnswer() { Join(); }
  void Join()
  {
    if (mThread.joinable())
      mThread.join();
  }

  std::atomic<bool> shown{false};
  std::string title;
  HWND owner = nullptr;

private:
  std::thread mThread;
};
} // namespace

TEST_F(WinEditorTest, FoldersEndWithTheirSeparatorAndComeFromTheSystem)
{
  std::string path = "stale";
  graphics->GetHostPath(path);
  EXPECT_EQ(path, ProgramFolder());
  EXPECT_EQ(path.back(), '\\');
  // The test program holds the editor code itself.
  graphics->GetPluginPath(path);
  EXPECT_EQ(path, ProgramFolder());

  char expected[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, expected);
  graphics->GetDocumentsPath(path);
  EXPECT_EQ(path, expected);
  std::string user;
  std::string allUsers;
  graphics->GetUserAppDataPath(user);
  graphics->GetAppDataPath(allUsers, true);
  graphics->GetDesktopPath(path);
  for (const std::string* folder : {&path, &user, &allUsers})
  {
    EXPECT_FALSE(folder->empty());
    EXPECT_NE(GetFileAttributesA(folder->c_str()), INVALID_FILE_ATTRIBUTES) << *folder;
  }
  EXPECT_NE(user, allUsers);
}

TEST_F(WinEditorTest, ClipboardTextArrivesAsUtf8)
{
  ASSERT_TRUE(OpenEditor());
  std::string text = "stale";
  ASSERT_TRUE(PutOnClipboard(window, L"Gr\u00FC\u00DFe \u266A 12"));
  EXPECT_TRUE(graphics->GetClipboardText(text));
  EXPECT_EQ(text, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x99\xAA 12");

  ASSERT_TRUE(PutOnClipboard(window, nullptr));
  EXPECT_FALSE(graphics->GetClipboardText(text));
  EXPECT_EQ(text, "");
}

TEST_F(WinEditorTest, AMessageBoxBelongsToTheHostsTopLevelWindowAndAnswersWithItsButton)
{
  ASSERT_TRUE(OpenEditor());
  DialogAnswer answer(IDNO);
  const int result = graphics->PresentMessageBox("Reset the deck?", "VelkorTape", MessageBoxYesNo);
  answer.Join();
  ASSERT_TRUE(answer.shown);
  EXPECT_EQ(result, AnswerNo);
  EXPECT_EQ(answer.title, "VelkorTape");
  EXPECT_EQ(answer.owner, TestDesktop::HostTopLevel());
}

TEST_F(WinEditorTest, AWebAddressTheUserDoesNotConfirmIsNotOpened)
{
  ASSERT_TRUE(OpenEditor());
  DialogAnswer answer(IDNO);
  EXPECT_FALSE(graphics->OpenWebAddress("https://example.invalid/", "VelkorTape", "Open the manual?", nullptr));
  answer.Join();
  EXPECT_TRUE(answer.shown);
}

TEST_F(WinEditorTest, TheColourDialogShowsThePromptAndKeepsTheChoice)
{
  EXPECT_FALSE(graphics->ChooseColour({255, 1, 2, 3}, "Lamp colour"));
  ASSERT_TRUE(OpenEditor());
  {
    DialogAnswer answer(IDOK);
    EXPECT_TRUE(graphics->ChooseColour({255, 200, 100, 50}, "Lamp colour"));
    answer.Join();
    EXPECT_EQ(answer.title, "Lamp colour");
    // Dialogs belong to top-level windows: the editor's stands for its host's.
    EXPECT_EQ(answer.owner, TestDesktop::HostTopLevel());
  }
  EXPECT_EQ(graphics->LastChosenColour(), (IColorRGBA{255, 200, 100, 50}));
  {
    DialogAnswer answer(IDCANCEL);
    EXPECT_FALSE(graphics->ChooseColour({255, 9, 9, 9}, nullptr));
  }
  EXPECT_EQ(graphics->LastChosenColour(), (IColorRGBA{255, 200, 100, 50}));
}

TEST_F(WinEditorTest, ACancelledFileDialogLeavesNoFileAndTheDesktopAsTheFolder)
{
  std::string file = "take.wav";
  std::string folder;
  graphics->ChooseFilePath(file, 1, folder, "wav aif");
  EXPECT_EQ(file, "");
  ASSERT_TRUE(OpenEditor());
  file = "take.wav";
  DialogAnswer answer(IDCANCEL);
  graphics->ChooseFilePath(file, 1, folder, "wav aif");
  answer.Join();
  EXPECT_TRUE(answer.shown);
  EXPECT_EQ(file, "");
  std::string desktop;
  graphics->GetDesktopPath(desktop);
  EXPECT_EQ(folder, desktop);
}

TEST_F(WinEditorTest, WindowAlphaMakesTheHostsWindowLayered)
{
  graphics->SetWindowAlpha(100);
  EXPECT_EQ(GetWindowLongPtrA(parent, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  ASSERT_TRUE(OpenEditor());
  graphics->SetWindowAlpha(100);
  EXPECT_NE(GetWindowLongPtrA(parent, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(parent, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 100);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
}
