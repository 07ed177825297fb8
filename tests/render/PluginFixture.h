#pragma once

#include "tools/render/ParameterSetting.h"
#include "tools/render/PublishedParameters.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The built bundle loaded as the tool loads it, with one instance.
class PluginTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string error;
    module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
    ASSERT_TRUE(module) << error;
    plug = VstHost::PluginInstance::Create(*module, STR16("velkortape-render tests"), error);
    ASSERT_TRUE(plug) << error;
  }

  std::vector<ParameterSetting> Resolve(const std::vector<std::string>& texts)
  {
    std::vector<ParameterSetting> settings;
    std::string error;
    EXPECT_TRUE(ResolveSettings(*plug, texts, settings, error)) << error;
    return settings;
  }

  // What the plug-in shows for the parameter called `title` now.
  std::string Shown(const std::string& title)
  {
    for (const PublishedParameter& parameter : PublishedParameters(*plug))
      if (parameter.title == title)
        return DisplayText(*plug, parameter.id, plug->Normalized(parameter.id));
    ADD_FAILURE() << "no parameter " << title;
    return "";
  }

  std::unique_ptr<VstHost::Vst3Module> module;
  std::unique_ptr<VstHost::PluginInstance> plug;
};
