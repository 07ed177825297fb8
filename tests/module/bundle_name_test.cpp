#include "tools/vst3host/ModuleLoading.h"

#include <gtest/gtest.h>

TEST(BundleName, IsTheLastPathPartWithoutItsExtension)
{
  struct Case
  {
    const char* path;
    const char* separators;
    const char* name;
  };
  for (const Case& c : {Case{"/usr/lib/vst3/VelkorTape.vst3", "/", "VelkorTape"},
                        Case{"VelkorTape.vst3//", "/", "VelkorTape"}, Case{"plug-ins/Other", "/", "Other"},
                        Case{".vst3", "/", ".vst3"}, Case{"C:\\VST3\\VelkorTape.vst3\\", "/\\", "VelkorTape"},
                        Case{"C:\\VST3\\VelkorTape.vst3\\", "/", "C:\\VST3\\VelkorTape.vst3\\"},
                        Case{"/", "/", ""}})
    EXPECT_EQ(VstHost::BundleName(c.path, c.separators), c.name) << c.path;
}
