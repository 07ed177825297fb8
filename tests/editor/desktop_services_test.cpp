#include "LinuxEditorFixture.h"

#include "graphics/MessageBoxCodes.h"
#include "tape/TapeParams.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

// Desktop helpers of the test's own making, found first through PATH: each
// writes its arguments to a file and answers as scripted.
class FakeHelpers
{
public:
  FakeHelpers() : mFolder(fs::temp_directory_path() / ("velkor-helpers-" + std::to_string(getpid())))
  {
    fs::create_directories(mFolder);
    const char* path = std::getenv("PATH");
    mOldPath = path != nullptr ? path : "";
    setenv("PATH", mFolder.c_str(), 1);
  }
  ~FakeHelpers()
  {
    setenv("PATH", mOldPath.c_str(), 1);
    fs::remove_all(mFolder);
  }

  void Add(const std::string& name, const std::string& output, int status)
  {
    const fs::path script = mFolder / name;
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << (mFolder / (name + ".args")).string()
                          << "'\nprintf '" << output << "'\nexit " << status << "\n";
    fs::permissions(script, fs::perms::owner_all);
  }
  void Remove(const std::string& name) { fs::remove(mFolder / name); }
  bool Ran(const std::string& name) const { return fs::exists(mFolder / (name + ".args")); }
  std::string Arguments(const std::string& name) const
  {
    std::ifstream file(mFolder / (name + ".args"));
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

private:
  fs::path mFolder;
  std::string mOldPath;
};

// Another program holding the clipboard, on a thread and connection of its own.
class ClipboardOwner
{
public:
  explicit ClipboardOwner(std::string text, bool answers = true) : mText(std::move(text)), mAnswers(answers)
  {
    mThread = std::thread([this] { Serve(); });
    while (!mReady)
      std::this_thread::sleep_for(1ms);
  }
  ~ClipboardOwner()
  {
    mStop = true;
    mThread.join();
  }

private:
  void Serve()
  {
    Display* display = OpenXDisplay();
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    XSync(display, False);
    mReady = true;
    while (!mStop)
    {
      while (XPending(display) > 0)
      {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != SelectionRequest || !mAnswers)
          continue;
        const XSelectionRequestEvent& request = event.xselectionrequest;
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        if (request.target == utf8)
        {
          XChangeProperty(display, request.requestor, request.property, utf8, 8, PropModeReplace,
                          reinterpret_cast<const unsigned char*>(mText.data()), static_cast<int>(mText.size()));
          reply.xselection.property = request.property;
        }
        XSendEvent(display, request.requestor, False, 0, &reply);
        XFlush(display);
      }
      std::this_thread::sleep_for(2ms);
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
  }

  std::string mText;
  bool mAnswers;
  std::atomic<bool> mReady{false};
  std::atomic<bool> mStop{false};
  std::thread mThread;
};
} // namespace

TEST_F(LinuxEditorTest, MessageBoxesAndChoosersGoThroughTheDesktopHelper)
{
  ASSERT_TRUE(OpenEditor());
  FakeHelpers helpers;
  helpers.Add("zenity", "", 0);
  EXPECT_EQ(graphics->PresentMessageBox("Sure?", "Tape", MessageBoxYesNo), AnswerYes);
  EXPECT_NE(helpers.Arguments("zenity").find("--text=Sure?"), std::string::npos);
  helpers.Add("zenity", "Cancel\\n", 1);
  EXPECT_EQ(graphics->PresentMessageBox("Sure?", "Tape", MessageBoxYesNoCancel), AnswerCancel);

  helpers.Add("zenity", "/data/takes/mix\\n", 0);
  std::string file = "mix";
  std::string folder = "/data";
  graphics->ChooseFilePath(file, 1, folder, "wav aif");
  EXPECT_EQ(file, "/data/takes/mix.wav") << "a name without extension takes the first one";
  EXPECT_EQ(folder, "/data/takes/");
  EXPECT_NE(helpers.Arguments("zenity").find("--save"), std::string::npos);
  helpers.Add("zenity", "", 1);
  graphics->ChooseFilePath(file, 0, folder, "wav aif");
  EXPECT_EQ(file, "") << "cancelled";
  EXPECT_EQ(folder, "/data/takes/");

  helpers.Add("zenity", "rgb(10,20,30)\\n", 0);
  EXPECT_TRUE(graphics->ChooseColour({255, 1, 2, 3}, "Needle"));
  EXPECT_EQ(graphics->LastChosenColour(), (IColorRGBA{255, 10, 20, 30}));
  helpers.Add("zenity", "", 1);
  EXPECT_FALSE(graphics->ChooseColour({255, 1, 2, 3}, "Needle"));
  EXPECT_EQ(graphics->LastChosenColour(), (IColorRGBA{255, 10, 20, 30}));
}

TEST_F(LinuxEditorTest, WithoutADesktopHelperDialogsFailPlainly)
{
  ASSERT_TRUE(OpenEditor());
  FakeHelpers nothing;
  EXPECT_EQ(graphics->PresentMessageBox("Sure?", "Tape", MessageBoxYesNo), MessageBoxFailed);
  std::string file = "mix";
  std::string folder;
  graphics->ChooseFilePath(file, 0, folder, "wav");
  EXPECT_EQ(file, "");
  EXPECT_FALSE(graphics->ChooseColour({255, 1, 2, 3}, nullptr));
  EXPECT_FALSE(graphics->OpenWebAddress("https://example.invalid/", "Tape", nullptr, nullptr));
}

TEST_F(LinuxEditorTest, AWebAddressOpensOnlyWhenConfirmed)
{
  ASSERT_TRUE(OpenEditor());
  FakeHelpers helpers;
  helpers.Add("xdg-open", "", 0);
  helpers.Add("zenity", "", 1);
  EXPECT_FALSE(graphics->OpenWebAddress("https://example.invalid/", "Tape", "Open the manual?", nullptr));
  EXPECT_FALSE(helpers.Ran("xdg-open"));
  helpers.Add("zenity", "", 0);
  EXPECT_TRUE(graphics->OpenWebAddress("https://example.invalid/", "Tape", "Open the manual?", nullptr));
  EXPECT_EQ(helpers.Arguments("xdg-open"), "https://example.invalid/\n");
  helpers.Add("xdg-open", "", 3);
  EXPECT_FALSE(graphics->OpenWebAddress("https://example.invalid/", "Tape", nullptr, "No browser"));
  EXPECT_NE(helpers.Arguments("zenity").find("--text=No browser"), std::string::npos);
}

TEST_F(LinuxEditorTest, ClipboardTextComesFromItsOwnerAsUtf8)
{
  ASSERT_TRUE(OpenEditor());
  std::string text = "left over";
  {
    ClipboardOwner owner("Bänd 12 dB");
    EXPECT_TRUE(graphics->GetClipboardText(text));
    EXPECT_EQ(text, "Bänd 12 dB");
  }
  {
    ClipboardOwner silent("never sent", false);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(graphics->GetClipboardText(text));
    EXPECT_EQ(text, "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s) << "an owner that never answers is given up on";
  }
}

TEST_F(LinuxEditorTest, WindowAlphaGoesToTheHostsTopLevelWindow)
{
  ASSERT_TRUE(OpenEditor());
  graphics->SetWindowAlpha(128);
  display->Sync();
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  ASSERT_EQ(XGetWindowProperty(display->Get(), parent, XInternAtom(display->Get(), "_NET_WM_WINDOW_OPACITY", False), 0,
                               1, False, XA_CARDINAL, &type, &format, &count, &remaining, &data),
            Success);
  ASSERT_EQ(count, 1u);
  // Xlib hands 32-bit items over as longs.
  EXPECT_EQ(*reinterpret_cast<unsigned long*>(data) & 0xFFFFFFFFul, 0x80808080ul);
  XFree(data);
}

TEST_F(LinuxEditorTest, KeysNoControlTakesGoOnToTheHostsWindow)
{
  ASSERT_TRUE(OpenEditor());
  XSelectInput(display->Get(), parent, KeyPressMask | StructureNotifyMask);
  // A click gives the editor the keyboard, as in a host.
  display->Click(window, 745, 440);
  Pump(100ms);
  display->Key(XK_F1);
  display->Key(XK_space);
  Pump(100ms);
  std::vector<KeySym> passed;
  XEvent event;
  while (XCheckTypedWindowEvent(display->Get(), parent, KeyPress, &event))
    if (event.xkey.send_event)
      passed.push_back(XLookupKeysym(&event.xkey, 0));
  EXPECT_EQ(passed, (std::vector<KeySym>{XK_F1, XK_space}));
}

TEST_F(LinuxEditorTest, TheHostIsAskedForANewSizeOnlyWhenTheSizeChanges)
{
  ASSERT_TRUE(OpenEditor());
  graphics->Resize(760, 450);
  EXPECT_EQ(plug.resizedWidth, 0);
  graphics->Resize(800, 500);
  EXPECT_EQ(plug.resizedWidth, 800);
  EXPECT_EQ(plug.resizedHeight, 500);
  display->Sync();
  XWindowAttributes attributes{};
  XGetWindowAttributes(display->Get(), window, &attributes);
  EXPECT_EQ(attributes.width, 800);
  EXPECT_EQ(attributes.height, 500);
}
