#include "WinEditorFixture.h"

#include "tape/TapeParams.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr int kBiasSelectorX = 416;
constexpr int kBiasSelectorY = 342;
constexpr IRectI kBiasSelector{391, 333, 441, 351};

// What the open menu showed, read from inside its own message loop.
struct ShownMenu
{
  std::vector<std::string> items;
  std::vector<bool> checked;
  RECT placed{};
};

// Runs once the menu shows, from a timer that the menu's loop dispatches.
std::function<void(HWND menuWindow)> gWhileOpen;

void CALLBACK WatchForMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
  const HWND menuWindow = FindWindowA("#32768", nullptr);
  if (menuWindow == nullptr || !IsWindowVisible(menuWindow))
    return;
  KillTimer(nullptr, timer);
  if (gWhileOpen)
    gWhileOpen(menuWindow);
}

ShownMenu Read(HWND menuWindow)
{
  ShownMenu shown;
  const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
  {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    shown.items.push_back(text);
    shown.checked.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
  }
  GetWindowRect(menuWindow, &shown.placed);
  return shown;
}

std::vector<PlugEvent::Kind> KindsOf(const std::vector<PlugEvent>& events)
{
  std::vector<PlugEvent::Kind> kinds;
  for (const PlugEvent& event : events)
    kinds.push_back(event.kind);
  return kinds;
}
} // namespace

class WinPopupMenuTest : public WinEditorTest
{
protected:
  // Presses on the bias selector; while its menu is open, `whileOpen` runs.
  void ClickSelector(const std::function<void(HWND menuWindow)>& whileOpen)
  {
    gWhileOpen = whileOpen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchForMenu);
    TestDesktop::Press(window, kBiasSelectorX, kBiasSelectorY);
    KillTimer(nullptr, timer);
    gWhileOpen = nullptr;
  }

  void PressKeys(const std::vector<WPARAM>& keys)
  {
    for (WPARAM key : keys)
      PostMessageA(window, WM_KEYDOWN, key, 1);
  }
};

TEST_F(WinPopupMenuTest, TheMenuShowsTheTextsWithTheCurrentCheckedBelowTheSelector)
{
  ASSERT_TRUE(OpenEditor());
  ShownMenu shown;
  ClickSelector([&](HWND menuWindow) {
    shown = Read(menuWindow);
    PressKeys({VK_ESCAPE});
  });
  const IPlugParam& bias = *plug.GetParam(ParamBiasLevel);
  ASSERT_EQ(static_cast<int>(shown.items.size()), bias.DisplayTextCount());
  for (int i = 0; i < bias.DisplayTextCount(); ++i)
  {
    EXPECT_EQ(shown.items[static_cast<size_t>(i)], bias.DisplayTextFor(i));
    EXPECT_EQ(shown.checked[static_cast<size_t>(i)], i == static_cast<int>(bias.Value())) << i;
  }
  POINT corner{kBiasSelector.left, kBiasSelector.bottom};
  ClientToScreen(window, &corner);
  EXPECT_EQ(shown.placed.left, corner.x);
  EXPECT_EQ(shown.placed.top, corner.y);
}

TEST_F(WinPopupMenuTest, AChoiceSetsTheParameterInOneGestureAndADismissalChangesNothing)
{
  ASSERT_TRUE(OpenEditor());
  struct Case
  {
    const char* name;
    std::vector<WPARAM> keys;
    double bias;
  };
  // The first Down lights the first item.
  const Case cases[] = {
    {"the second item", {VK_DOWN, VK_DOWN, VK_RETURN}, 1.0},
    {"the third item", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 2.0},
    {"Escape", {VK_ESCAPE}, 2.0},
    {"the first item", {VK_DOWN, VK_RETURN}, 0.0},
  };
  for (const Case& c : cases)
  {
    plug.events.clear();
    ClickSelector([&](HWND) { PressKeys(c.keys); });
    EXPECT_EQ(PlainValue(ParamBiasLevel), c.bias) << c.name;
    const bool chose = c.keys.back() == VK_RETURN;
    const std::vector<PlugEvent::Kind> gesture =
      chose ? std::vector{PlugEvent::Begin, PlugEvent::Inform, PlugEvent::End}
            : std::vector{PlugEvent::Begin, PlugEvent::End};
    EXPECT_EQ(KindsOf(plug.events), gesture) << c.name;
    for (const PlugEvent& event : plug.events)
      EXPECT_EQ(event.paramIdx, ParamBiasLevel) << c.name;
    // The pointer is free again: a move with the button held drags nothing.
    EXPECT_EQ(graphics->CaptureIndex(), -1) << c.name;
    EXPECT_NE(GetCapture(), window) << c.name;
  }
}

TEST_F(WinPopupMenuTest, TheEditorClosingUnderAnOpenMenuEndsItWithoutAChoice)
{
  ASSERT_TRUE(OpenEditor());
  ClickSelector([&](HWND) {
    graphics->CloseEditorWindow();
    PressKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  });
  Pump(50ms);
  EXPECT_EQ(graphics->GetWindowHandle(), nullptr);
  EXPECT_EQ(PlainValue(ParamBiasLevel), 0.0);
  EXPECT_EQ(FindWindowA("#32768", nullptr) != nullptr && IsWindowVisible(FindWindowA("#32768", nullptr)), false);
}
