#include "LinuxEditorFixture.h"

#include "tape/TapeParams.h"

#include <X11/Xutil.h>

namespace
{
Window ParentOf(Display* display, Window window)
{
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count))
    return 0;
  if (children != nullptr)
    XFree(children);
  return parent;
}

int ChildCount(Display* display, Window window)
{
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count))
    return -1;
  if (children != nullptr)
    XFree(children);
  return static_cast<int>(count);
}

XWindowAttributes AttributesOf(Display* display, Window window)
{
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  return attributes;
}
} // namespace

TEST_F(LinuxEditorTest, OpensAChildOfTheHostWindowTickingAtTheFrameRateAndShowsTheSurface)
{
  ASSERT_TRUE(OpenEditor());
  EXPECT_EQ(ParentOf(display->Get(), window), parent);
  const XWindowAttributes attributes = AttributesOf(display->Get(), window);
  EXPECT_EQ(attributes.width, 760);
  EXPECT_EQ(attributes.height, 450);
  EXPECT_EQ(loop->periodMs, 33);
  EXPECT_TRUE(loop->Watching());
  EXPECT_STREQ(graphics->GetDrawingApiName(), "Xlib");

  const std::vector<std::uint32_t> shown = display->Screenshot(window, 760, 450);
  ASSERT_EQ(shown.size(), 760u * 450u);
  int different = 0;
  for (int y = 0; y < 450; ++y)
    for (int x = 0; x < 760; ++x)
      different += shown[static_cast<size_t>(y) * 760 + x] != SurfacePixel(x, y);
  EXPECT_EQ(different, 0);
}

TEST_F(LinuxEditorTest, ClosingTakesTheWindowAndTheLoopAwayAndAReopenShowsTheSameValues)
{
  ASSERT_TRUE(OpenEditor());
  plug.SetParamFromEditor(ParamBypass, 1.0);
  Pump(100ms);
  const std::vector<std::uint32_t> before = display->Screenshot(window, 760, 450);
  graphics->CloseEditorWindow();
  display->Sync();
  EXPECT_EQ(ChildCount(display->Get(), parent), 0);
  EXPECT_EQ(graphics->GetWindowHandle(), nullptr);
  EXPECT_FALSE(loop->Watching());
  EXPECT_FALSE(loop->Ticking());

  ASSERT_TRUE(OpenEditor());
  EXPECT_EQ(display->Screenshot(window, 760, 450), before);
}

TEST_F(LinuxEditorTest, OpeningAgainKeepsThePlaceAndSizeInTheSameParent)
{
  ASSERT_TRUE(OpenEditor());
  XMoveResizeWindow(display->Get(), window, 10, 20, 700, 400);
  display->Sync();
  window = static_cast<Window>(reinterpret_cast<std::uintptr_t>(
    graphics->OpenEditorWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)))));
  ASSERT_NE(window, 0u);
  display->Sync();
  EXPECT_EQ(ChildCount(display->Get(), parent), 1);
  const XWindowAttributes attributes = AttributesOf(display->Get(), window);
  EXPECT_EQ(attributes.x, 10);
  EXPECT_EQ(attributes.y, 20);
  EXPECT_EQ(attributes.width, 700);
  EXPECT_EQ(attributes.height, 400);
  EXPECT_EQ(loop->watchesStarted, 2);
  EXPECT_TRUE(loop->Ticking());
}

TEST_F(LinuxEditorTest, NoWindowWithoutARunLoopOrWithoutAParentWindow)
{
  EXPECT_EQ(graphics->OpenEditorWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent))), nullptr);

  graphics->UseRunLoop(std::make_unique<TestRunLoop>());
  EXPECT_EQ(graphics->OpenEditorWindow(nullptr), nullptr);
  // An id that names no window: the server refuses, the editor reports it.
  EXPECT_EQ(graphics->OpenEditorWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x3FFFFFF))), nullptr);
  EXPECT_FALSE(graphics->IsWindowOpen());
}

TEST_F(LinuxEditorTest, AHostThatDestroysItsWindowFirstLeavesAnEditorThatClosesCleanly)
{
  ASSERT_TRUE(OpenEditor());
  display->Destroy(parent);
  Pump(100ms);
  EXPECT_EQ(graphics->GetWindowHandle(), nullptr);
  graphics->CloseEditorWindow();
  EXPECT_FALSE(loop->Ticking());
  EXPECT_FALSE(loop->Watching());
}

TEST_F(LinuxEditorTest, TheTimerAloneKeepsTheEditorGoingWhenTheHostNeverCallsTheWatch)
{
  ASSERT_TRUE(OpenEditor());
  loop->callDescriptor = false;
  const int bypassX = 662;
  const int bypassY = 57;
  const std::uint32_t off = display->Screenshot(window, 760, 450)[bypassY * 760 + bypassX];
  display->Click(window, bypassX, bypassY);
  EXPECT_TRUE(Pump(1s, [&] { return plug.GetParam(ParamBypass)->Value() > 0.5; }));
  Pump(100ms);
  EXPECT_NE(display->Screenshot(window, 760, 450)[bypassY * 760 + bypassX], off);
}

TEST_F(LinuxEditorTest, WindowPixelsMeetEditorPixelsAtOneAndAHalf)
{
  display->SetDotsPerInch(144);
  ASSERT_TRUE(OpenEditor());
  EXPECT_DOUBLE_EQ(graphics->GetDisplayScale(), 1.5);
  const XWindowAttributes attributes = AttributesOf(display->Get(), window);
  EXPECT_EQ(attributes.width, 1140);
  EXPECT_EQ(attributes.height, 675);

  // The editor is drawn at the window's scale: every window pixel shows the
  // drawing surface's pixel at its place.
  ASSERT_EQ(graphics->DrawingSurface()->Width(), 1140);
  const std::vector<std::uint32_t> shown = display->Screenshot(window, 1140, 675);
  int different = 0;
  for (int y = 0; y < 675; y += 7)
    for (int x = 0; x < 1140; x += 5)
      different += shown[static_cast<size_t>(y) * 1140 + x] != SurfacePixel(x, y);
  EXPECT_EQ(different, 0);

  // A click at window pixel (993, 85) reaches the bypass button at editor pixel (662, 56).
  display->Click(window, 993, 85);
  EXPECT_TRUE(Pump(1s, [&] { return plug.GetParam(ParamBypass)->Value() > 0.5; }));
}
