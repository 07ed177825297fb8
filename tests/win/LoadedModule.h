#pragma once

#include "tools/vst3host/ModuleLoading.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The built plug-in module, loaded as a host loads it, for the length of a test.
class LoadedModule : public testing::Test
{
protected:
  void SetUp() override
  {
    std::string error;
    library = static_cast<HMODULE>(VstHost::OpenLibrary(VstHost::ModuleBinaryPath(VELKOR_BUNDLE_PATH), error));
    ASSERT_NE(library, nullptr) << error;
  }

  void TearDown() override
  {
    if (library != nullptr)
      VstHost::CloseLibrary(library);
  }

  HMODULE library = nullptr;
};
