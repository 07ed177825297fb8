#pragma once

// Before the X headers, whose None and Bool macros it would not survive.
#include <gtest/gtest.h>

#include "ModuleEditorChecks.h"
#include "TestDisplay.h"
#include "tools/vst3host/HostRunLoop.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
using namespace Steinberg;
using namespace Steinberg::Vst;

// The built bundle's editor attached to a window of the test, as a Linux
// host attaches it: a frame with the host's run loop, which the test runs.
class ModuleEditorTest : public ::testing::Test
{
protected:
  static constexpr const char* kPlatformType = "X11EmbedWindowID";
  static constexpr ParamID kBiasLevel = 5;

  void SetUp() override
  {
    display = TestDisplay::Open();
    if (display == nullptr)
      GTEST_SKIP() << kNoDisplayMessage;
    std::string error;
    module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
    ASSERT_TRUE(module) << error;
    plug = VstHost::PluginInstance::Create(*module, u"Editor Test Host", error);
    ASSERT_TRUE(plug) << error;
    runLoop = new VstHost::HostRunLoop;
    frame = new VstHost::EditorFrame(runLoop);
    parent = display->CreateTopLevel(1200, 700);
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
    if (frame != nullptr)
      frame->release();
    if (runLoop != nullptr)
      runLoop->release();
  }

  bool Attach()
  {
    view->setFrame(frame);
    attached = view->attached(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)), kPlatformType) == kResultOk;
    if (!attached)
      return false;
    const std::vector<Window> children = display->Children(parent);
    editorWindow = children.empty() ? 0 : children.front();
    Run(200ms);
    return editorWindow != 0;
  }

  void Remove()
  {
    view->removed();
    attached = false;
  }

  bool Run(std::chrono::milliseconds limit, const std::function<bool()>& done = {}) { return runLoop->Run(limit, done); }

  double Value(ParamID id) { return plug->Normalized(id); }
  std::vector<std::uint32_t> Shot() { return display->Screenshot(editorWindow, kEditorWidth, kEditorHeight); }

  // Runs `script` as the user, on a thread of its own with its own
  // connection, while the host's loop runs here until the script is done.
  void AsUser(const std::function<void(TestDisplay&)>& script)
  {
    std::atomic<bool> done{false};
    std::thread user([&] {
      std::unique_ptr<TestDisplay> own = TestDisplay::Open();
      if (own != nullptr)
        script(*own);
      done = true;
    });
    Run(20s, [&] { return done.load(); });
    user.join();
  }

  std::unique_ptr<TestDisplay> display;
  std::unique_ptr<VstHost::Vst3Module> module;
  std::unique_ptr<VstHost::PluginInstance> plug;
  VstHost::HostRunLoop* runLoop = nullptr;
  VstHost::EditorFrame* frame = nullptr;
  IPlugView* view = nullptr;
  bool attached = false;
  Window parent = 0;
  Window editorWindow = 0;
};

// Clicks item `index` of the popup at display scale 1.
void ClickMenuItem(TestDisplay& user, Window popup, int index);
