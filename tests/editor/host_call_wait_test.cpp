#include "ModuleEditorChecks.h"
#include "ModuleEditorFixture.h"
#include "tests/module/HostCallLatch.h"

#include <X11/keysym.h>

#include <thread>

// A host may take its time over an edit (automation recording, a sandbox's
// IPC): every editor gesture and the group pick-up of the editor's tick tell
// the host while the audio thread goes on processing.
namespace
{
using Edit = VstHost::ComponentHandler::Edit;

constexpr int kBlock = 256;
constexpr ParamID kGroup = 8;
constexpr int kInputTextY = 335;
constexpr int kBypassButtonX = 662;
constexpr int kBypassButtonY = 57;

class HostCallWaitTest : public ModuleEditorTest
{
protected:
  // Holds the host's first call of `kind` for `id` on `instance`'s handler.
  void HoldFirst(VstHost::PluginInstance& instance, Edit::Kind kind, ParamID id)
  {
    instance.Handler().onEdit = [this, kind, id](const Edit& edit) {
      if (edit.kind == kind && edit.id == id)
        latch.Hold();
    };
  }

  // While the host's call is held on this thread by the editor, a block of
  // `instance` runs on another thread and must come back.
  bool BlockReturnsWhileHeld(VstHost::PluginInstance& instance, const std::function<void()>& gesture)
  {
    bool returned = false;
    std::thread checker([&] { returned = ReturnsWhileHeld(latch, [&] { ProcessBlock(instance); }); });
    gesture();
    Run(35s, [&] { return latch.Released(); });
    checker.join();
    instance.Handler().onEdit = nullptr;
    return returned;
  }

  static void ProcessBlock(VstHost::PluginInstance& instance)
  {
    std::vector<float> left(kBlock, 0.25f), right(kBlock, -0.25f);
    float* channels[] = {left.data(), right.data()};
    instance.Process(channels, 2, channels, 2, kBlock);
  }

  HostCallLatch latch;

public:
  // The gestures, as the user makes them.
  void DragInputKnob()
  {
    display->MoveTo(editorWindow, kInputKnobX, kInputKnobY);
    display->Press(1);
    for (int step = 1; step <= 3; ++step)
    {
      display->MoveTo(editorWindow, kInputKnobX, kInputKnobY - 10 * step);
      Run(40ms);
    }
    display->Release(1);
  }

  void ClickBypass() { display->Click(editorWindow, kBypassButtonX, kBypassButtonY); }

  void ChooseSwiss30()
  {
    AsUser([&](TestDisplay& user) {
      user.Click(editorWindow, kDeckSelectorX, kDeckSelectorY);
      if (const Window popup = user.WaitForHeldPopup())
        ClickMenuItem(user, popup, kSwiss30);
    });
  }

  void TypeInputLevel()
  {
    display->Click(editorWindow, kInputKnobX, kInputTextY);
    Run(2s, [&] { return display->Children(editorWindow).size() == 1; });
    display->Type("6");
    display->Key(XK_Return);
  }
};

struct HeldGesture
{
  const char* name;
  Edit::Kind held;
  ParamID id;
  void (HostCallWaitTest::*gesture)();
};

void PrintTo(const HeldGesture& gesture, std::ostream* out)
{
  *out << gesture.name;
}

class EditorGestureTest : public HostCallWaitTest, public ::testing::WithParamInterface<HeldGesture>
{
};

TEST_P(EditorGestureTest, ABlockRunsWhileTheHostHoldsTheEdit)
{
  const HeldGesture& held = GetParam();
  ASSERT_TRUE(Attach());
  ASSERT_TRUE(plug->Prepare(48000, kBlock, kSample32));
  HoldFirst(*plug, held.held, held.id);
  EXPECT_TRUE(BlockReturnsWhileHeld(*plug, [&] { (this->*held.gesture)(); }));
  EXPECT_TRUE(latch.Released());
}

INSTANTIATE_TEST_SUITE_P(
  EveryGesture, EditorGestureTest,
  ::testing::Values(HeldGesture{"KnobDragPerform", Edit::Perform, kInputLevel, &HostCallWaitTest::DragInputKnob},
                    HeldGesture{"KnobDragBegin", Edit::Begin, kInputLevel, &HostCallWaitTest::DragInputKnob},
                    HeldGesture{"KnobDragEnd", Edit::End, kInputLevel, &HostCallWaitTest::DragInputKnob},
                    HeldGesture{"ButtonClickPerform", Edit::Perform, kBypass, &HostCallWaitTest::ClickBypass},
                    HeldGesture{"ButtonClickEnd", Edit::End, kBypass, &HostCallWaitTest::ClickBypass},
                    HeldGesture{"MenuChoicePerform", Edit::Perform, kDeckType, &HostCallWaitTest::ChooseSwiss30},
                    HeldGesture{"TypedValuePerform", Edit::Perform, kInputLevel, &HostCallWaitTest::TypeInputLevel},
                    HeldGesture{"TypedValueEnd", Edit::End, kInputLevel, &HostCallWaitTest::TypeInputLevel}),
  [](const ::testing::TestParamInfo<HeldGesture>& gesture) { return gesture.param.name; });

TEST_F(HostCallWaitTest, ABlockRunsWhileTheHostHoldsAGroupPickUpOfTheEditorsTick)
{
  // Both in "Group 1"; this one's editor is open, the other changes the deck.
  std::string error;
  auto other = VstHost::PluginInstance::Create(*module, u"Editor Test Host", error);
  ASSERT_TRUE(other) << error;
  for (VstHost::PluginInstance* instance : {plug.get(), other.get()})
  {
    instance->QueueParameter(kGroup, 1.0 / 8.0);
    instance->FlushParameters();
  }
  ASSERT_TRUE(Attach());
  ASSERT_TRUE(plug->Prepare(48000, kBlock, kSample32));
  HoldFirst(*plug, Edit::Perform, kDeckType);

  EXPECT_TRUE(BlockReturnsWhileHeld(*plug, [&] {
    other->QueueParameter(kDeckType, kSwiss30 / 7.0);
    other->FlushParameters();
  }));
  EXPECT_EQ(Value(kDeckType), kSwiss30 / 7.0);
}
} // namespace
