#include "LinuxEditorFixture.h"

#include "platform/linux/PopupMenuLayout.h"
#include "tape/TapeParams.h"

#include <X11/keysym.h>

#include <atomic>

namespace
{
// The user's part, on a thread of its own with its own connection.
std::thread AsUser(std::function<void(TestDisplay&)> script)
{
  return std::thread([script] {
    if (std::unique_ptr<TestDisplay> user = TestDisplay::Open())
      script(*user);
  });
}
} // namespace

TEST_F(LinuxEditorTest, AMenuReturnsTheChosenItemOrNoneWhenDismissed)
{
  ASSERT_TRUE(OpenEditor());
  PopupMenuRecord menu;
  menu.items = {{"one", 0}, {"two", 0}, {"three", PopupItemChecked}};

  std::thread user = AsUser([](TestDisplay& me) {
    const Window popup = me.WaitForHeldPopup();
    const PopupMenuLayout layout = PopupMenuLayout::AtScale(1.0);
    me.MoveTo(popup, 20, layout.ItemTop(1) + 4);
    me.Click(popup, 20, layout.ItemTop(1) + layout.itemHeight / 2);
  });
  const PopupMenuRecord* chosen = graphics->ShowPopupMenu(menu, {100, 100, 150, 118});
  user.join();
  ASSERT_EQ(chosen, &menu);
  EXPECT_EQ(menu.chosenIndex, 1);

  for (const auto& dismiss : std::vector<std::function<void(TestDisplay&)>>{
         [](TestDisplay& me) { me.Key(XK_Escape); },
         [this](TestDisplay& me) { me.Click(window, 700, 430); }})
  {
    PopupMenuRecord again;
    again.items = {{"one", 0}, {"two", 0}};
    user = AsUser([dismiss](TestDisplay& me) {
      me.WaitForHeldPopup();
      dismiss(me);
    });
    EXPECT_EQ(graphics->ShowPopupMenu(again, {100, 100, 150, 118}), nullptr);
    user.join();
    EXPECT_EQ(again.chosenIndex, -1);
  }
  EXPECT_TRUE(display->MappedPopups().empty());
  // The menu took the pointer: no control holds it any more.
  EXPECT_EQ(graphics->CaptureIndex(), -1);
}

TEST_F(LinuxEditorTest, AMenuOpensBelowItsRectangleAtLeastAsWide)
{
  display->SetDotsPerInch(144);
  ASSERT_TRUE(OpenEditor());
  PopupMenuRecord menu;
  menu.items = {{"+0 dB", PopupItemChecked}, {"+3 dB", 0}, {"+6 dB", 0}};
  XWindowAttributes shown{};
  std::thread user = AsUser([&shown](TestDisplay& me) {
    const Window popup = me.WaitForHeldPopup();
    XGetWindowAttributes(me.Get(), popup, &shown);
    me.Key(XK_Escape);
  });
  graphics->ShowPopupMenu(menu, {391, 333, 441, 351});
  user.join();
  EXPECT_EQ(shown.x, 586);
  EXPECT_EQ(shown.y, 527);
  EXPECT_GE(shown.width, 75);
  EXPECT_EQ(shown.height, PopupMenuLayout::AtScale(1.5).Height(3));
}

TEST_F(LinuxEditorTest, ClosingTheEditorWhileItsMenuIsOpenEndsTheMenuAndLeavesNothingBehind)
{
  ASSERT_TRUE(OpenEditor());
  // A host that closes the editor from a call the editor makes while its menu is up.
  plug.onIdle = [this] {
    if (graphics->MenuWindow() != 0)
      graphics->CloseEditorWindow();
  };
  std::atomic<bool> popupSeen{false};
  std::thread user = AsUser([&](TestDisplay& me) {
    me.Click(window, 662, 207);
    popupSeen = me.WaitForHeldPopup() != 0;
  });
  Pump(3s, [&] { return popupSeen.load() && !graphics->IsWindowOpen(); });
  user.join();
  plug.onIdle = nullptr;
  EXPECT_TRUE(popupSeen);
  EXPECT_FALSE(graphics->IsWindowOpen());
  EXPECT_TRUE(display->MappedPopups().empty());
  EXPECT_FALSE(loop->Ticking());
  EXPECT_FALSE(loop->Watching());
  EXPECT_EQ(plug.GetParam(ParamDeckType)->Value(), 0.0);

  ASSERT_TRUE(OpenEditor());
  EXPECT_TRUE(graphics->IsWindowOpen());
}
