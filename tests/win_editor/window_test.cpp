#include "WinEditorFixture.h"

#include "platform/win/ModuleHandles.h"
#include "raster/LICE_Bitmap.h"
#include "tape/TapeParams.h"
#include "tests/graphics/ProbeControl.h"

#include <string>
#include <vector>

namespace
{
bool ClassRegistered()
{
  WNDCLASSA found{};
  return GetClassInfoA(ModuleHandle(), IGraphicsWin::kWindowClassName, &found) != 0;
}

RECT ClientRect(HWND window)
{
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

// Where the window lies in its parent's client area.
RECT PlacedRect(HWND window)
{
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b)
{
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<HWND> Children(HWND parent)
{
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// The editor's drawing surface as the screen shows it (0xRRGGBB).
std::vector<std::uint32_t> SurfacePixels(IGraphics& graphics)
{
  LICE_IBitmap& surface = *graphics.DrawingSurface();
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < graphics.Height(); ++y)
    for (int x = 0; x < graphics.Width(); ++x)
      pixels.push_back(surface.PixelData()[static_cast<std::ptrdiff_t>(y) * surface.RowStride() + x] & 0xFFFFFFu);
  return pixels;
}

// The window layer at a display scale of the test's choosing, noting what
// each presentation was asked to show and what the system wanted painted.
class ScaledEditor : public IGraphicsWin
{
public:
  ScaledEditor(IPlugBase& plug, double scale) : IGraphicsWin(plug, 760, 450, 0), mScale(scale) {}

  double GetDisplayScale() override { return mScale; }
  bool PresentRegion(const IRectI& region) override
  {
    RECT update{};
    GetUpdateRect(static_cast<HWND>(GetWindowHandle()), &update, FALSE);
    presented.push_back({region, update});
    return IGraphicsWin::PresentRegion(region);
  }

  struct Presented
  {
    IRectI region;
    RECT update;
  };
  std::vector<Presented> presented;

private:
  double mScale;
};
} // namespace

TEST_F(WinEditorTest, TheWindowIsAChildOfTheHostsWindowOfItsClassWhileOpen)
{
  EXPECT_FALSE(ClassRegistered());
  EXPECT_EQ(graphics->TimerMilliseconds(), 33);
  EXPECT_STREQ(graphics->GetDrawingApiName(), "Windows GDI");
  EXPECT_FALSE(graphics->IsWindowOpen());
  ASSERT_TRUE(OpenEditor());
  EXPECT_TRUE(graphics->IsWindowOpen());
  EXPECT_EQ(GetParent(window), parent);
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "IPlugWndClass");
  EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
  EXPECT_TRUE(SameRect(PlacedRect(window), {0, 0, 760, 450}));
  EXPECT_TRUE(ClassRegistered());

  graphics->CloseEditorWindow();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(graphics->GetWindowHandle(), nullptr);
  EXPECT_FALSE(ClassRegistered());
}

TEST_F(WinEditorTest, TheClassStaysWhileAnyEditorWindowExists)
{
  RecordingPlug otherPlug;
  IGraphicsWin other(otherPlug, 200, 100, 0);
  ASSERT_TRUE(OpenEditor());
  ASSERT_NE(other.OpenEditorWindow(parent), nullptr);
  graphics->CloseEditorWindow();
  EXPECT_TRUE(ClassRegistered());
  other.CloseEditorWindow();
  EXPECT_FALSE(ClassRegistered());
}

TEST_F(WinEditorTest, AWindowThatCannotBeMadeLeavesTheClassAsItWas)
{
  EXPECT_EQ(graphics->OpenEditorWindow(nullptr), nullptr);
  EXPECT_EQ(graphics->OpenEditorWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x7FFF0))), nullptr);
  EXPECT_FALSE(ClassRegistered());
  EXPECT_FALSE(graphics->IsWindowOpen());
}

TEST_F(WinEditorTest, ReopeningKeepsThePlaceAndSizeInTheParentAndLeavesOneWindow)
{
  ASSERT_TRUE(OpenEditor());
  SetWindowPos(window, nullptr, 20, 30, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND first = window;
  ASSERT_TRUE(OpenEditor());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(SameRect(PlacedRect(window), {20, 30, 520, 330}));
  EXPECT_EQ(Children(parent), std::vector<HWND>{window});
}

TEST_F(WinEditorTest, AHostThatDestroysItsWindowFirstTakesTheEditorsAlong)
{
  ASSERT_TRUE(OpenEditor());
  DestroyWindow(parent);
  parent = nullptr;
  EXPECT_EQ(graphics->GetWindowHandle(), nullptr);
  // The class goes once the host has removed the editor as well.
  graphics->CloseEditorWindow();
  EXPECT_FALSE(ClassRegistered());
  parent = TestDesktop::CreateHostWindow(kParentWidth, kParentHeight);
  ASSERT_TRUE(OpenEditor());
  EXPECT_TRUE(ClassRegistered());
}

TEST_F(WinEditorTest, TheScreenShowsTheDrawingSurfaceAfterTheFirstTicks)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(Pump(2s, [&] { return TestDesktop::Screenshot(window, 760, 450) == SurfacePixels(*graphics); }));
  // A parameter change from the plug-in side reaches the screen on a tick.
  graphics->ApplyParamToControls(ParamBypass, 1.0, true);
  const std::vector<std::uint32_t> before = TestDesktop::Screenshot(window, 760, 450);
  Tick();
  const std::vector<std::uint32_t> after = TestDesktop::Screenshot(window, 760, 450);
  EXPECT_NE(after, before);
  EXPECT_EQ(after, SurfacePixels(*graphics));
}

TEST_F(WinEditorTest, KeysNoControlTakesGoToTheHostsTopLevelWindow)
{
  ASSERT_TRUE(OpenEditor());
  const struct
  {
    UINT message;
    WPARAM key;
  } cases[] = {{WM_KEYDOWN, VK_F1}, {WM_KEYDOWN, VK_NUMPAD5}, {WM_KEYDOWN, 'A'}, {WM_KEYDOWN, VK_SPACE},
               {WM_KEYUP, 'A'}, {WM_KEYUP, VK_F1}};
  for (const auto& c : cases)
  {
    TestDesktop::HostKeys().clear();
    SendMessageA(window, c.message, c.key, 1);
    ASSERT_EQ(TestDesktop::HostKeys().size(), 1u) << c.key;
    EXPECT_EQ(TestDesktop::HostKeys()[0].window, TestDesktop::HostTopLevel());
    EXPECT_EQ(TestDesktop::HostKeys()[0].message, c.message);
    EXPECT_EQ(TestDesktop::HostKeys()[0].key, c.key);
  }
}

class WinScaledEditorTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    auto owned = std::make_unique<ScaledEditor>(plug, 1.5);
    editor = owned.get();
    small = new ProbeControl(plug, {10, 10, 20, 20});
    probe = new ProbeControl(plug, {150, 50, 250, 150}, ParamBypass);
    // Under the probe, as a background lies (never offered keys).
    editor->AddControl(std::unique_ptr<IControl>(small));
    editor->AddControl(std::unique_ptr<IControl>(probe));
    plug.BindGraphics(owned.release());
    parent = TestDesktop::CreateHostWindow(1200, 700);
    ASSERT_NE(parent, nullptr);
    window = static_cast<HWND>(editor->OpenEditorWindow(parent));
    ASSERT_NE(window, nullptr);
    TestDesktop::Pump(100ms);
    TestDesktop::HostKeys().clear();
    probe->log.clear();
    editor->presented.clear();
  }

  void TearDown() override
  {
    editor->CloseEditorWindow();
    DestroyWindow(parent);
  }

  RecordingPlug plug;
  ScaledEditor* editor = nullptr;
  ProbeControl* probe = nullptr;
  ProbeControl* small = nullptr;
  HWND parent = nullptr;
  HWND window = nullptr;
};

TEST_F(WinScaledEditorTest, TheWindowAndTheDirtyAreasAreScaledAndThePointerComesBack)
{
  EXPECT_TRUE(SameRect(ClientRect(window), {0, 0, 1140, 675}));

  small->MarkDirty(false);
  SendMessageA(window, WM_TIMER, IGraphicsWin::kRedrawTimerId, 0);
  ASSERT_EQ(editor->presented.size(), 1u);
  EXPECT_EQ(editor->presented[0].region, (IRectI{10, 10, 20, 20}));
  EXPECT_TRUE(SameRect(editor->presented[0].update, {15, 15, 30, 30}));

  // A fractional edge paints the whole pixel it reaches into.
  editor->presented.clear();
  const RECT partly{31, 31, 44, 44};
  InvalidateRect(window, &partly, FALSE);
  UpdateWindow(window);
  ASSERT_EQ(editor->presented.size(), 1u);
  EXPECT_EQ(editor->presented[0].region, (IRectI{20, 20, 30, 30}));

  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 150));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(303, 147));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(303, 147));
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(301, 151));
  EXPECT_EQ(probe->log, (std::vector<std::string>{"press 200,100", "drag 202,98 2 -2", "release 202,98",
                                                  "double 200,100"}));
}

TEST_F(WinScaledEditorTest, TheWheelCountsWholeNotchesAtTheScreenPositionOverTheWindow)
{
  POINT over{300, 150};
  ClientToScreen(window, &over);
  for (const int delta : {60, 120, 240, -120, -200})
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(over.x, over.y));
  EXPECT_EQ(probe->log, (std::vector<std::string>{"wheel 200,100 0", "wheel 200,100 1", "wheel 200,100 2",
                                                  "wheel 200,100 -1", "wheel 200,100 -1"}));
}

TEST_F(WinScaledEditorTest, AMappedKeyIsOfferedToTheControlUnderThePointerFirst)
{
  POINT over{300, 150};
  ClientToScreen(window, &over);
  SetCursorPos(over.x, over.y);
  ASSERT_TRUE(TestDesktop::Pump(2s, [&] {
    POINT pointer{};
    GetCursorPos(&pointer);
    return pointer.x == over.x && pointer.y == over.y;
  }));
  SendMessageA(window, WM_KEYDOWN, 'B', 1);
  ASSERT_EQ(probe->log, std::vector<std::string>{"key 200,100 16"});
  EXPECT_EQ(TestDesktop::HostKeys().size(), 1u);

  probe->takesKeys = true;
  TestDesktop::HostKeys().clear();
  SendMessageA(window, WM_KEYDOWN, VK_UP, 1);
  ASSERT_EQ(probe->log.size(), 2u);
  EXPECT_EQ(probe->log.back(), "key 200,100 1");
  EXPECT_TRUE(TestDesktop::HostKeys().empty());
  // Keys without a number never reach a control.
  SendMessageA(window, WM_KEYDOWN, VK_F5, 1);
  EXPECT_EQ(probe->log.size(), 2u);
  EXPECT_EQ(TestDesktop::HostKeys().size(), 1u);
}

TEST_F(WinScaledEditorTest, ADragNeedsTheWindowToHoldTheCapture)
{
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 150));
  ReleaseCapture();
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(330, 180));
  SetCapture(window);
  SendMessageA(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(330, 180));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(360, 210));
  EXPECT_EQ(probe->log, (std::vector<std::string>{"press 200,100", "drag 220,120 20 20"}));
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(330, 180));
  EXPECT_NE(GetCapture(), window);
}

TEST_F(WinScaledEditorTest, CursorShapesAndAHiddenCursorComingBackWhereItWas)
{
  const struct
  {
    int shape;
    LPCSTR id;
  } cases[] = {{0, IDC_ARROW}, {1, IDC_IBEAM}, {3, IDC_CROSS}, {11, IDC_HAND}, {13, IDC_HELP}, {99, IDC_ARROW}};
  for (const auto& c : cases)
  {
    editor->SetCursorShape(c.shape);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.id)) << c.shape;
  }
  SetCursorPos(400, 300);
  editor->HideCursor();
  editor->HideCursor();
  SetCursorPos(10, 10);
  editor->RestoreCursor();
  POINT position{};
  GetCursorPos(&position);
  EXPECT_EQ(position.x, 400);
  EXPECT_EQ(position.y, 300);
  // Hidden once, shown once: the count is back where it was.
  EXPECT_EQ(ShowCursor(TRUE), 1);
  ShowCursor(FALSE);
}
