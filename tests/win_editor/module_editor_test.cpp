#include "TestDesktop.h"
#include "tests/editor/ModuleEditorChecks.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "raster/LICE_DecodePng.h"
#include "tools/vst3host/HostObjects.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int kBypassX = 662;
constexpr int kBypassY = 57;

// A real press or release of the left button at a screen position, through
// the system's input queue.
void SendButton(POINT screen, DWORD flags)
{
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  SendInput(1, &input, sizeof input);
}

} // namespace

// The built module's editor attached to a window of the test through its
// VST 3 view, as a Windows host attaches it.
class WinModuleEditorTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string error;
    module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
    ASSERT_TRUE(module) << error;
    plug = VstHost::PluginInstance::Create(*module, STR16("Editor Test Host"), error);
    ASSERT_TRUE(plug) << error;
    parent = TestDesktop::CreateHostWindow(1000, 600);
    ASSERT_NE(parent, nullptr) << "no window: Windows tests need an X display under Wine";
    view = plug->Controller()->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
  }

  void TearDown() override
  {
    if (view != nullptr)
    {
      if (attached)
        view->removed();
      view->release();
    }
    plug.reset();
    module.reset();
    if (parent != nullptr)
      DestroyWindow(parent);
  }

  bool Attach()
  {
    attached = view->attached(parent, "HWND") == kResultOk;
    if (!attached)
      return false;
    editorWindow = GetWindow(parent, GW_CHILD);
    TestDesktop::Pump(150ms);
    return editorWindow != nullptr;
  }

  std::vector<HWND> Children()
  {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    return children;
  }

  bool Run(std::chrono::milliseconds limit, const std::function<bool()>& done)
  {
    return TestDesktop::Pump(limit, done);
  }
  double Value(ParamID id) { return plug->Normalized(id); }
  std::vector<std::uint32_t> Shot() { return TestDesktop::Screenshot(editorWindow, kEditorWidth, kEditorHeight); }

  // The screen, once it has settled on `expected`; the last shot otherwise.
  std::vector<std::uint32_t> ShotShowing(const EditorPicture& expected)
  {
    std::vector<std::uint32_t> shot;
    Run(2s, [&] {
      shot = Shot();
      return DifferentPixels(shot, expected) == 0;
    });
    return shot;
  }

  std::unique_ptr<VstHost::Vst3Module> module;
  std::unique_ptr<VstHost::PluginInstance> plug;
  HWND parent = nullptr;
  HWND editorWindow = nullptr;
  IPlugView* view = nullptr;
  bool attached = false;
};

TEST_F(WinModuleEditorTest, TheViewTakesWindowHandlesAndIsTheEditorsSize)
{
  EXPECT_EQ(view->isPlatformTypeSupported("HWND"), kResultTrue);
  EXPECT_EQ(view->isPlatformTypeSupported("X11EmbedWindowID"), kResultFalse);
  EXPECT_EQ(view->isPlatformTypeSupported("hwnd"), kResultFalse);
  ViewRect size;
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), kEditorWidth);
  EXPECT_EQ(size.getHeight(), kEditorHeight);
  ASSERT_TRUE(Attach());
  char className[32] = {};
  GetClassNameA(editorWindow, className, sizeof className);
  EXPECT_STREQ(className, "IPlugWndClass");
  RECT client{};
  GetClientRect(editorWindow, &client);
  EXPECT_EQ(client.right, kEditorWidth);
  EXPECT_EQ(client.bottom, kEditorHeight);
}

TEST_F(WinModuleEditorTest, TheScreenShowsWhatTheEditorDrawsOffScreen)
{
  ASSERT_TRUE(Attach());
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error)) << error;
  EXPECT_EQ(DifferentPixels(ShotShowing(expected), expected), 0);
}

TEST_F(WinModuleEditorTest, RemovingAndAttachingAgainKeepsOneWindowAndTheValues)
{
  ASSERT_TRUE(Attach());
  ASSERT_TRUE(Attach());
  EXPECT_EQ(Children().size(), 1u);
  TestDesktop::Click(editorWindow, kBypassX, kBypassY);
  ASSERT_EQ(Value(kBypass), 1.0);
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({{kBypass, 1.0}}, 0, expected, error)) << error;
  EXPECT_EQ(DifferentPixels(ShotShowing(expected), expected), 0);

  view->removed();
  attached = false;
  EXPECT_TRUE(Children().empty());
  ASSERT_TRUE(Attach());
  EXPECT_EQ(DifferentPixels(ShotShowing(expected), expected), 0);
}

TEST_F(WinModuleEditorTest, AClickOnAButtonTogglesItsParameterInOneGesture)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  TestDesktop::Click(editorWindow, kBypassX, kBypassY);
  EXPECT_EQ(Value(kBypass), 1.0);
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kBypass)));
  TestDesktop::Click(editorWindow, kBypassX - 10, kBypassY - 10);
  EXPECT_EQ(Value(kBypass), 0.0);
}

TEST_F(WinModuleEditorTest, ARealClickThroughTheSystemsInputQueueTogglesTheButton)
{
  ASSERT_TRUE(Attach());
  SetForegroundWindow(TestDesktop::HostTopLevel());
  POINT button{kBypassX, kBypassY};
  ClientToScreen(editorWindow, &button);
  SendButton(button, MOUSEEVENTF_LEFTDOWN);
  SendButton(button, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(Run(2s, [&] { return Value(kBypass) == 1.0; }));
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kBypass)));
}

TEST_F(WinModuleEditorTest, DraggingTheInputKnobAFullTargetHeightUpMovesAQuarterOfTheRange)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  // 133 pixels of target height, geared 4 to 1: a full range is 532 pixels.
  std::vector<POINT> path;
  for (int step = 1; step <= 7; ++step)
    path.push_back({kInputKnobX, kInputKnobY - 19 * step});
  TestDesktop::Drag(editorWindow, kInputKnobX, kInputKnobY, path);
  EXPECT_NEAR(InputLevelDb(Value(kInputLevel)), 9.0, 1e-9);
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kInputLevel)));
}

TEST_F(WinModuleEditorTest, TheDeckMenuChoosesSwiss30AndTheScreenFollows)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  // Waiting in the queue, the keys reach the menu's own loop: the first Down
  // lights the first item.
  for (int i = 0; i <= kSwiss30; ++i)
    PostMessageA(editorWindow, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(editorWindow, WM_KEYDOWN, VK_RETURN, 1);
  TestDesktop::Press(editorWindow, kDeckSelectorX, kDeckSelectorY);
  EXPECT_EQ(Value(kDeckType), kSwiss30 / 7.0);
  EXPECT_EQ(plug->DisplayText(kDeckType), STR16("Swiss 30 IPS"));
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kDeckType)));

  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({{kDeckType, kSwiss30 / 7.0}}, 0, expected, error)) << error;
  EXPECT_EQ(DifferentPixels(ShotShowing(expected), expected), 0);
}

namespace
{
// Ink darker than the background, weighed: how much of it a text lays down
// and where its centre lies.
struct Ink
{
  double amount = 0.0;
  double x = 0.0;
  double y = 0.0;
};

double Lightness(std::uint32_t pixel)
{
  return (static_cast<double>((pixel >> 16) & 0xFF) + static_cast<double>((pixel >> 8) & 0xFF) +
          static_cast<double>(pixel & 0xFF)) /
         3.0;
}

template <class PixelAt>
Ink InkIn(const IRectI& area, double background, PixelAt pixelAt)
{
  Ink ink;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
    {
      const double weight = std::max(0.0, background - Lightness(pixelAt(x, y)));
      ink.amount += weight;
      ink.x += weight * x;
      ink.y += weight * y;
    }
  if (ink.amount > 0.0)
  {
    ink.x /= ink.amount;
    ink.y /= ink.amount;
  }
  return ink;
}
} // namespace

// The picture the Linux module draws of the same state (scripts/windows/test.sh
// makes it with velkortape-render --editor, which plays the demonstration
// first, as this draw does). Pictures and cairo text are the same pixels on
// both systems. The knobs' value texts are the same text in the same place
// at the same size, but rasterised by GDI here and by FreeType there: GDI's
// letters come out a little heavier and their edges differ. So outside the
// knobs every pixel must match; inside, around the letters, the same amount
// of ink (within a quarter) must lie around the same centre (within a pixel
// and a half) - a missing, moved or resized text fails both.
TEST_F(WinModuleEditorTest, TheWindowsPictureIsTheLinuxPictureUpToTheGlyphsOfTheKnobTexts)
{
  const char* linuxPicture = std::getenv("VELKOR_LINUX_EDITOR_PICTURE");
  if (linuxPicture == nullptr)
    GTEST_SKIP() << "VELKOR_LINUX_EDITOR_PICTURE names no picture of the Linux module";
  std::ifstream file(linuxPicture, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::unique_ptr<LICE_MemBitmap> fromLinux = LICE_DecodePng(bytes.data(), static_cast<int>(bytes.size()));
  ASSERT_NE(fromLinux, nullptr) << linuxPicture;
  EditorPicture windows;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({}, kEditorPictureBlocks, windows, error)) << error;
  ASSERT_EQ(fromLinux->Width(), windows.width);
  ASSERT_EQ(fromLinux->Height(), windows.height);
  const auto linuxAt = [&](int x, int y) {
    return fromLinux->PixelData()[static_cast<std::ptrdiff_t>(y) * fromLinux->RowStride() + x] & 0xFFFFFFu;
  };
  const auto windowsAt = [&](int x, int y) {
    return windows.pixels[static_cast<size_t>(y) * windows.width + x] & 0xFFFFFFu;
  };

  const std::vector<IRectI>& textAreas = windows.knobTextAreas;
  ASSERT_EQ(textAreas.size(), 2u);
  int outsideDifferent = 0;
  std::vector<IRectI> differing(textAreas.size());
  for (int y = 0; y < windows.height; ++y)
    for (int x = 0; x < windows.width; ++x)
    {
      if (linuxAt(x, y) == windowsAt(x, y))
        continue;
      bool inside = false;
      for (size_t i = 0; i < textAreas.size(); ++i)
      {
        if (!textAreas[i].Contains(x, y))
          continue;
        inside = true;
        differing[i] = differing[i].IsEmpty() ? IRectI{x, y, x + 1, y + 1} : differing[i].Union({x, y, x + 1, y + 1});
      }
      outsideDifferent += !inside;
    }
  EXPECT_EQ(outsideDifferent, 0);

  for (size_t i = 0; i < textAreas.size(); ++i)
  {
    if (differing[i].IsEmpty())
      continue;
    const IRectI& area = textAreas[i];
    const IRectI letters{std::max(differing[i].left - 2, area.left), std::max(differing[i].top - 2, area.top),
                         std::min(differing[i].right + 2, area.right), std::min(differing[i].bottom + 2, area.bottom)};
    const double background = Lightness(linuxAt(letters.left, letters.top));
    const Ink linuxInk = InkIn(letters, background, linuxAt);
    const Ink windowsInk = InkIn(letters, background, windowsAt);
    ASSERT_GT(linuxInk.amount, 0.0) << i;
    EXPECT_NEAR(windowsInk.amount / linuxInk.amount, 1.0, 0.25) << i;
    EXPECT_NEAR(windowsInk.x, linuxInk.x, 1.5) << i;
    EXPECT_NEAR(windowsInk.y, linuxInk.y, 1.5) << i;
  }
}

namespace
{
// A host's frame that resizes the view as asked, counting the requests.
class ResizingFrame : public VstHost::HostObject<IPlugFrame>
{
public:
  tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) override
  {
    ++requests;
    last = *newSize;
    return view->onSize(newSize);
  }

  int requests = 0;
  ViewRect last;
};

tresult SetContentScale(IPlugView* view, double factor)
{
  FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
  return scaling ? scaling->setContentScaleFactor(static_cast<float>(factor)) : kNoInterface;
}

RECT ClientRectOf(HWND window)
{
  RECT client{};
  GetClientRect(window, &client);
  return client;
}
} // namespace

// A factor given before the window opens sizes it; one given while it is
// open resizes it and asks the host's frame once; the screen shows the
// editor drawn off-screen at that scale, and a click at a window pixel
// reaches the control under it.
TEST_F(WinModuleEditorTest, AtTheHostsScaleTheScreenShowsTheEditorDrawnOffScreenAtThatScale)
{
  SetWindowPos(parent, nullptr, 0, 0, 1560, 920, SWP_NOMOVE | SWP_NOZORDER);
  auto* frame = new ResizingFrame;
  view->setFrame(frame);
  ASSERT_EQ(SetContentScale(view, 2.0), kResultTrue);
  ViewRect size;
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 1520);
  EXPECT_EQ(size.getHeight(), 900);
  ASSERT_TRUE(Attach());
  EXPECT_EQ(ClientRectOf(editorWindow).right, 1520);
  EXPECT_EQ(ClientRectOf(editorWindow).bottom, 900);
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error, 2.0)) << error;
  std::vector<std::uint32_t> shot;
  Run(2s, [&] {
    shot = TestDesktop::Screenshot(editorWindow, 1520, 900);
    return DifferentPixels(shot, expected) == 0;
  });
  EXPECT_EQ(DifferentPixels(shot, expected), 0);

  ASSERT_EQ(SetContentScale(view, 1.5), kResultTrue);
  ASSERT_EQ(SetContentScale(view, 1.5), kResultTrue);
  EXPECT_EQ(ClientRectOf(editorWindow).right, 1140);
  EXPECT_EQ(ClientRectOf(editorWindow).bottom, 675);
  EXPECT_EQ(frame->requests, 1);
  EXPECT_EQ(frame->last.getWidth(), 1140);
  EXPECT_EQ(frame->last.getHeight(), 675);
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error, 1.5)) << error;
  Run(2s, [&] {
    shot = TestDesktop::Screenshot(editorWindow, 1140, 675);
    return DifferentPixels(shot, expected) == 0;
  });
  EXPECT_EQ(DifferentPixels(shot, expected), 0);

  TestDesktop::Click(editorWindow, kBypassX * 3 / 2, kBypassY * 3 / 2);
  EXPECT_EQ(Value(kBypass), 1.0);
  view->removed();
  attached = false;
  view->setFrame(nullptr);
  frame->release();
}

// Hosts that send 1 first and the real factor later get the window at each
// in turn; a factor that is no scale changes nothing.
TEST_F(WinModuleEditorTest, AFactorOfOneFirstAndTheRealOneLaterEachSizeTheWindow)
{
  ASSERT_EQ(SetContentScale(view, 1.0), kResultTrue);
  ASSERT_TRUE(Attach());
  EXPECT_EQ(ClientRectOf(editorWindow).right, kEditorWidth);
  ASSERT_EQ(SetContentScale(view, 1.25), kResultTrue);
  EXPECT_EQ(ClientRectOf(editorWindow).right, 950);
  EXPECT_EQ(ClientRectOf(editorWindow).bottom, 562);
  EXPECT_EQ(SetContentScale(view, -1.0), kResultFalse);
  EXPECT_EQ(ClientRectOf(editorWindow).right, 950);
}
