#include "ModuleEditorChecks.h"
#include "ModuleEditorFixture.h"

#include "platform/linux/PopupMenuLayout.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivstcontextmenu.h"

#include <X11/keysym.h>

#include <atomic>
#include <cmath>
#include <vector>

namespace
{
using Edit = VstHost::ComponentHandler::Edit;

constexpr int kInputTextY = 335;
constexpr int kBiasSelectorX = 416;
constexpr int kBiasSelectorY = 342;
} // namespace

void ClickMenuItem(TestDisplay& user, Window popup, int index)
{
  const PopupMenuLayout layout = PopupMenuLayout::AtScale(1.0);
  XWindowAttributes attributes{};
  XGetWindowAttributes(user.Get(), popup, &attributes);
  const int y = layout.ItemTop(index) + layout.itemHeight / 2;
  // Onto the item first, as a hand moves, then the click.
  user.MoveTo(popup, attributes.width / 2, y - 3);
  user.Click(popup, attributes.width / 2, y);
}

TEST_F(ModuleEditorTest, TheSizeIsTheEditorsTimesTheDisplayScale)
{
  EXPECT_EQ(view->isPlatformTypeSupported(kPlatformType), kResultTrue);
  EXPECT_EQ(view->isPlatformTypeSupported("HWND"), kResultFalse);
  ViewRect size;
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 760);
  EXPECT_EQ(size.getHeight(), 450);

  display->SetDotsPerInch(144);
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 1140);
  EXPECT_EQ(size.getHeight(), 675);
  ASSERT_TRUE(Attach());
  XWindowAttributes attributes{};
  XGetWindowAttributes(display->Get(), editorWindow, &attributes);
  EXPECT_EQ(attributes.width, 1140);
  EXPECT_EQ(attributes.height, 675);
}

TEST_F(ModuleEditorTest, TheScreenShowsWhatTheEditorDrawsOffScreen)
{
  ASSERT_TRUE(Attach());
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error)) << error;
  EXPECT_EQ(DifferentPixels(Shot(), expected), 0);
}

TEST_F(ModuleEditorTest, AttachDrawRemoveAndAttachAgainWithTheSameValues)
{
  ASSERT_TRUE(Attach());
  EXPECT_EQ(runLoop->EventHandlerCount(), 1);
  EXPECT_EQ(runLoop->TimerCount(), 1);
  EXPECT_EQ(runLoop->TimerInterval(0), 33u);
  display->Click(editorWindow, 662, 57);
  ASSERT_TRUE(Run(2s, [&] { return Value(kBypass) == 1.0; }));
  Run(100ms);
  const std::vector<std::uint32_t> before = Shot();

  Remove();
  EXPECT_TRUE(display->Children(parent).empty());
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);
  EXPECT_EQ(runLoop->TimerCount(), 0);

  ASSERT_TRUE(Attach());
  EXPECT_EQ(Shot(), before);
}

TEST_F(ModuleEditorTest, AttachingTwiceLeavesOneWindowAndOneSetOfHandlers)
{
  ASSERT_TRUE(Attach());
  ASSERT_TRUE(Attach());
  EXPECT_EQ(display->Children(parent).size(), 1u);
  EXPECT_EQ(runLoop->EventHandlerCount(), 1);
  EXPECT_EQ(runLoop->TimerCount(), 1);
  Remove();
  EXPECT_TRUE(display->Children(parent).empty());
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);
  EXPECT_EQ(runLoop->TimerCount(), 0);
}

TEST_F(ModuleEditorTest, WithoutAFrameOrARunLoopTheViewRefusesToAttach)
{
  EXPECT_EQ(view->attached(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)), kPlatformType), kResultFalse);
  auto* bareFrame = new VstHost::EditorFrame(nullptr);
  view->setFrame(bareFrame);
  EXPECT_EQ(view->attached(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)), kPlatformType), kResultFalse);
  view->setFrame(nullptr);
  bareFrame->release();
  EXPECT_TRUE(display->Children(parent).empty());
}

TEST_F(ModuleEditorTest, DraggingTheInputKnobAFullTargetHeightUpMovesAQuarterOfTheRange)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  // 133 pixels of target height, geared 4 to 1: a full range is 532 pixels.
  display->MoveTo(editorWindow, kInputKnobX, kInputKnobY);
  display->Press(1);
  for (int step = 1; step <= 7; ++step)
  {
    display->MoveTo(editorWindow, kInputKnobX, kInputKnobY - 19 * step);
    Run(40ms);
  }
  display->Release(1);
  ASSERT_TRUE(Run(2s, [&] { return !KindsOf(plug->Handler().Edits(), kInputLevel).empty() &&
                                   KindsOf(plug->Handler().Edits(), kInputLevel).back() == Edit::End; }));
  EXPECT_NEAR(InputLevelDb(Value(kInputLevel)), 9.0, 1e-9);
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kInputLevel)));
}

TEST_F(ModuleEditorTest, AClickOnAButtonTogglesItsParameter)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  display->Click(editorWindow, 662, 57);
  ASSERT_TRUE(Run(2s, [&] { return Value(kBypass) == 1.0; }));
  Run(50ms);
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kBypass)));
  // Elsewhere on the button, so that it is no double click.
  display->Click(editorWindow, 652, 47);
  EXPECT_TRUE(Run(2s, [&] { return Value(kBypass) == 0.0; }));
}

TEST_F(ModuleEditorTest, TheDeckMenuChoosesSwiss30AndTheMachinePictureFollows)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  bool popupShown = false;
  AsUser([&](TestDisplay& user) {
    user.Click(editorWindow, kDeckSelectorX, kDeckSelectorY);
    const Window popup = user.WaitForHeldPopup();
    popupShown = popup != 0;
    if (popupShown)
      ClickMenuItem(user, popup, kSwiss30);
  });
  ASSERT_TRUE(popupShown);
  ASSERT_TRUE(Run(2s, [&] { return Value(kDeckType) == kSwiss30 / 7.0; }));
  EXPECT_EQ(plug->DisplayText(kDeckType), u"Swiss 30 IPS");
  EXPECT_TRUE(IsOneGesture(KindsOf(plug->Handler().Edits(), kDeckType)));
  EXPECT_TRUE(display->MappedPopups().empty());

  Run(150ms);
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({{kDeckType, kSwiss30 / 7.0}}, 0, expected, error)) << error;
  EXPECT_EQ(DifferentPixels(Shot(), expected), 0);
}

TEST_F(ModuleEditorTest, TheKeyboardChoosesInAMenuAndEscapeDismissesIt)
{
  ASSERT_TRUE(Attach());
  AsUser([&](TestDisplay& user) {
    user.Click(editorWindow, kBiasSelectorX, kBiasSelectorY);
    if (user.WaitForHeldPopup() == 0)
      return;
    user.Key(XK_Down);
    user.Key(XK_Down);
    user.Key(XK_Return);
  });
  ASSERT_TRUE(Run(2s, [&] { return Value(kBiasLevel) == 0.5; }));

  AsUser([&](TestDisplay& user) {
    user.Click(editorWindow, kBiasSelectorX + 6, kBiasSelectorY);
    if (user.WaitForHeldPopup() == 0)
      return;
    user.Key(XK_Up);
    user.Key(XK_Escape);
  });
  Run(200ms);
  EXPECT_EQ(Value(kBiasLevel), 0.5);
  EXPECT_TRUE(display->MappedPopups().empty());
}

TEST_F(ModuleEditorTest, TypingInTheInputLevelEntryCommitsTheNumberOnEnter)
{
  ASSERT_TRUE(Attach());
  plug->Handler().ClearEdits();
  display->Click(editorWindow, kInputKnobX, kInputTextY);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).size() == 1; }));
  display->Type("12a");
  display->Key(XK_Return);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).empty(); }));
  EXPECT_NEAR(InputLevelDb(Value(kInputLevel)), 12.0, 1e-9);
  EXPECT_EQ(plug->DisplayText(kInputLevel), u"12.0");
  // The press that opened the entry, then the entry's own change.
  const std::vector<Edit::Kind> kinds = KindsOf(plug->Handler().Edits(), kInputLevel);
  ASSERT_GE(kinds.size(), 5u);
  EXPECT_TRUE(IsOneGesture({kinds.end() - 3, kinds.end()}));
}

TEST_F(ModuleEditorTest, EscapeCancelsTheEntry)
{
  ASSERT_TRUE(Attach());
  display->Click(editorWindow, kInputKnobX, kInputTextY);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).size() == 1; }));
  display->Type("5");
  display->Key(XK_Escape);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).empty(); }));
  EXPECT_EQ(Value(kInputLevel), 0.5);
}

TEST_F(ModuleEditorTest, ClosingWithAnEntryOpenLeavesNothingBehindAndTheNextEntryWorks)
{
  ASSERT_TRUE(Attach());
  display->Click(editorWindow, kInputKnobX, kInputTextY);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).size() == 1; }));
  display->Type("7");
  Remove();
  EXPECT_TRUE(display->Children(parent).empty());
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);
  EXPECT_EQ(runLoop->TimerCount(), 0);
  EXPECT_EQ(Value(kInputLevel), 0.5);

  ASSERT_TRUE(Attach());
  display->Click(editorWindow, kInputKnobX + 10, kInputTextY);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).size() == 1; }));
  display->Type("-6");
  display->Key(XK_Return);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).empty(); }));
  EXPECT_NEAR(InputLevelDb(Value(kInputLevel)), -6.0, 1e-9);
}

TEST_F(ModuleEditorTest, AHostClosingItsWindowUnderAnOpenMenuLeavesNothingBehind)
{
  ASSERT_TRUE(Attach());
  bool popupShown = false;
  AsUser([&](TestDisplay& user) {
    user.Click(editorWindow, kDeckSelectorX, kDeckSelectorY);
    popupShown = user.WaitForHeldPopup() != 0;
    XDestroyWindow(user.Get(), parent);
    user.Sync();
  });
  EXPECT_TRUE(popupShown);
  Run(200ms);
  EXPECT_TRUE(display->MappedPopups().empty());
  Remove();
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);
  EXPECT_EQ(runLoop->TimerCount(), 0);
  EXPECT_EQ(Value(kDeckType), 0.0);
}

TEST_F(ModuleEditorTest, AHostRemovingTheViewFromAParameterChangeNeverUnregistersATimerInItsOwnCallback)
{
  ASSERT_TRUE(Attach());
  plug->Handler().onEdit = [this](const Edit& edit) {
    if (edit.kind == Edit::Perform && edit.id == kInputLevel && attached)
      Remove();
  };
  display->Click(editorWindow, kInputKnobX, kInputTextY);
  ASSERT_TRUE(Run(2s, [&] { return display->Children(editorWindow).size() == 1; }));
  display->Type("3");
  display->Key(XK_Return);
  ASSERT_TRUE(Run(2s, [&] { return !attached; }));
  Run(100ms);
  EXPECT_EQ(runLoop->TimersUnregisteredInOwnCallback(), 0);
  EXPECT_TRUE(display->Children(parent).empty());
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);

  plug->Handler().onEdit = nullptr;
  view->release();
  view = nullptr;
  EXPECT_EQ(runLoop->TimerCount(), 0);
  EXPECT_NEAR(InputLevelDb(Value(kInputLevel)), 3.0, 1e-9);
}

TEST_F(ModuleEditorTest, DestroyingThePlugInWithTheEditorOpenLeavesNothingBehind)
{
  ASSERT_TRUE(Attach());
  // A host that drops the view without removing it, then the plug-in.
  view->release();
  view = nullptr;
  plug.reset();
  EXPECT_TRUE(display->Children(parent).empty());
  EXPECT_EQ(runLoop->EventHandlerCount(), 0);
  EXPECT_EQ(runLoop->TimerCount(), 0);
}

TEST_F(ModuleEditorTest, TheEditorRunsOnItsTimerAloneWhenTheHostNeverCallsTheWatch)
{
  runLoop->callEventHandlers = false;
  ASSERT_TRUE(Attach());
  display->Click(editorWindow, 662, 57);
  EXPECT_TRUE(Run(2s, [&] { return Value(kBypass) == 1.0; }));
}

namespace
{
// As a host that supports content scaling tells the view its factor.
tresult SetContentScale(IPlugView* view, double factor)
{
  FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
  return scaling ? scaling->setContentScaleFactor(static_cast<float>(factor)) : kNoInterface;
}

IRectI WindowSizeOf(TestDisplay& display, Window window)
{
  XWindowAttributes attributes{};
  XGetWindowAttributes(display.Get(), window, &attributes);
  return {0, 0, attributes.width, attributes.height};
}
} // namespace

// A factor given before the window opens sizes it; one given while it is
// open resizes it, asks the host's frame for the new size once, and the
// screen shows the editor drawn off-screen at that scale, where a click at a
// window pixel reaches the control under it.
TEST_F(ModuleEditorTest, AtTheHostsScaleTheScreenShowsTheEditorDrawnOffScreenAtThatScale)
{
  // Room for the editor at twice its size.
  XResizeWindow(display->Get(), parent, 1600, 950);
  display->Sync();
  ASSERT_EQ(SetContentScale(view, 2.0), kResultTrue);
  ViewRect size;
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 1520);
  EXPECT_EQ(size.getHeight(), 900);
  ASSERT_TRUE(Attach());
  EXPECT_EQ(WindowSizeOf(*display, editorWindow), (IRectI{0, 0, 1520, 900}));
  EXPECT_EQ(frame->ResizeRequests(), 0);
  EditorPicture expected;
  std::string error;
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error, 2.0)) << error;
  ASSERT_EQ(expected.width, 1520);
  EXPECT_EQ(DifferentPixels(display->Screenshot(editorWindow, 1520, 900), expected), 0);

  ASSERT_EQ(SetContentScale(view, 1.5), kResultTrue);
  Run(200ms);
  EXPECT_EQ(WindowSizeOf(*display, editorWindow), (IRectI{0, 0, 1140, 675}));
  EXPECT_EQ(frame->ResizeRequests(), 1);
  EXPECT_EQ(frame->LastRequestedSize().getWidth(), 1140);
  EXPECT_EQ(frame->LastRequestedSize().getHeight(), 675);
  ASSERT_TRUE(DrawEditorPicture({}, 0, expected, error, 1.5)) << error;
  EXPECT_EQ(DifferentPixels(display->Screenshot(editorWindow, 1140, 675), expected), 0);

  display->Click(editorWindow, 662 * 3 / 2, 57 * 3 / 2);
  EXPECT_TRUE(Run(2s, [&] { return Value(kBypass) == 1.0; }));
}

// Hosts send 1 first and the real factor later, some the very scale the
// system already has: the editor takes each as the scale, never times the
// system's, and a factor it already has asks the host for nothing.
TEST_F(ModuleEditorTest, AFactorIsTheScaleWhateverTheSystemsAndRepeatingItChangesNothing)
{
  display->SetDotsPerInch(144);
  ASSERT_EQ(SetContentScale(view, 1.0), kResultTrue);
  ViewRect size;
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 760);
  ASSERT_TRUE(Attach());
  EXPECT_EQ(WindowSizeOf(*display, editorWindow), (IRectI{0, 0, 760, 450}));

  ASSERT_EQ(SetContentScale(view, 1.5), kResultTrue);
  ASSERT_EQ(SetContentScale(view, 1.5), kResultTrue);
  Run(100ms);
  EXPECT_EQ(WindowSizeOf(*display, editorWindow), (IRectI{0, 0, 1140, 675}));
  ASSERT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 1140);
  EXPECT_EQ(frame->ResizeRequests(), 1);
  EXPECT_EQ(SetContentScale(view, 0.0), kResultFalse);
  EXPECT_EQ(frame->ResizeRequests(), 1);

  // Closed and opened again, the host's factor holds.
  Remove();
  ASSERT_TRUE(Attach());
  EXPECT_EQ(WindowSizeOf(*display, editorWindow), (IRectI{0, 0, 1140, 675}));
}

namespace
{
// A host that offers its own parameter menu (IComponentHandler3) and notes
// where the plug-in asks it to pop up.
class MenuHost final : public IComponentHandler, public IComponentHandler3
{
public:
  struct Popup
  {
    ParamID id;
    UCoord x;
    UCoord y;
  };

  tresult PLUGIN_API queryInterface(const TUID interfaceId, void** object) override
  {
    if (FUnknownPrivate::iidEqual(interfaceId, IComponentHandler3::iid))
    {
      addRef();
      *object = static_cast<IComponentHandler3*>(this);
      return kResultOk;
    }
    if (FUnknownPrivate::iidEqual(interfaceId, IComponentHandler::iid) ||
        FUnknownPrivate::iidEqual(interfaceId, FUnknown::iid))
    {
      addRef();
      *object = static_cast<IComponentHandler*>(this);
      return kResultOk;
    }
    *object = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++mReferences; }
  uint32 PLUGIN_API release() override
  {
    const uint32 remaining = --mReferences;
    if (remaining == 0)
      delete this;
    return remaining;
  }
  tresult PLUGIN_API beginEdit(ParamID) override { return kResultOk; }
  tresult PLUGIN_API performEdit(ParamID, ParamValue) override { return kResultOk; }
  tresult PLUGIN_API endEdit(ParamID) override { return kResultOk; }
  tresult PLUGIN_API restartComponent(int32) override { return kResultOk; }
  IContextMenu* PLUGIN_API createContextMenu(IPlugView*, const ParamID* id) override
  {
    return new Menu(popups, id != nullptr ? *id : kNoParamId);
  }

  std::vector<Popup> popups;

private:
  class Menu : public VstHost::HostObject<IContextMenu>
  {
  public:
    Menu(std::vector<Popup>& popups, ParamID id) : mPopups(popups), mId(id) {}
    int32 PLUGIN_API getItemCount() override { return 0; }
    tresult PLUGIN_API getItem(int32, Item&, IContextMenuTarget**) override { return kResultFalse; }
    tresult PLUGIN_API addItem(const Item&, IContextMenuTarget*) override { return kResultOk; }
    tresult PLUGIN_API removeItem(const Item&, IContextMenuTarget*) override { return kResultOk; }
    tresult PLUGIN_API popup(UCoord x, UCoord y) override
    {
      mPopups.push_back({mId, x, y});
      return kResultOk;
    }

  private:
    std::vector<Popup>& mPopups;
    ParamID mId;
  };

  std::atomic<uint32> mReferences{1};
};
} // namespace

// The host places its parameter menu in the view's pixels: at scale 2 a
// right press at window pixel (168, 500), over the input knob, asks for it there.
TEST_F(ModuleEditorTest, TheHostsParameterMenuOpensWhereTheRightPressWasInTheViewsPixels)
{
  XResizeWindow(display->Get(), parent, 1600, 950);
  display->Sync();
  auto* host = new MenuHost;
  ASSERT_EQ(plug->Controller()->setComponentHandler(host), kResultOk);
  ASSERT_EQ(SetContentScale(view, 2.0), kResultTrue);
  ASSERT_TRUE(Attach());
  display->MoveTo(editorWindow, 2 * kInputKnobX, 2 * kInputKnobY);
  display->Press(3);
  display->Release(3);
  ASSERT_TRUE(Run(2s, [&] { return !host->popups.empty(); }));
  EXPECT_EQ(host->popups[0].id, kInputLevel);
  EXPECT_EQ(host->popups[0].x, 2 * kInputKnobX);
  EXPECT_EQ(host->popups[0].y, 2 * kInputKnobY);
  Remove();
  plug->Controller()->setComponentHandler(&plug->Handler());
  host->release();
}
