#include "LoadedModule.h"
#include "platform/win/ModuleHandles.h"
#include "raster/LoadPngResource.h"
#include "raster/ModuleResource.h"
#include "tape/TapePictures.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
std::vector<unsigned char> ReadPicture(const std::string& name)
{
  std::ifstream file(std::string(VELKOR_IMAGE_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> BytesOf(const ModuleResource& resource)
{
  if (resource.data == nullptr)
    return {};
  return {resource.data, resource.data + resource.size};
}

// This program has no entry point of a plug-in module: its own module is
// where resources are looked up, and it carries none.
TEST(ResourceModuleHandle, IsTheProgramItselfUntilInitDllNamesAnother)
{
  EXPECT_EQ(ModuleHandle(), GetModuleHandleW(nullptr));
  EXPECT_EQ(ResourceModuleHandle(), GetModuleHandleW(nullptr));
  EXPECT_EQ(FindModuleResource(101, "PNG").data, nullptr);
}

// What InitDll does inside the plug-in, done here on the loaded plug-in's
// handle: every look-up then reads that module's resources.
TEST_F(LoadedModule, LookUpsReadTheModuleThatInitDllNamed)
{
  RememberModuleHandle(library);
  UseModuleHandleForResources();
  EXPECT_EQ(ResourceModuleHandle(), library);

  struct Case
  {
    int id;
    const char* file;
  };
  const Case pictures[] = {{101, "bkg.png"},   {102, "button.png"}, {103, "led.png"},
                           {104, "vumeter.png"}, {105, "knob.png"},   {106, "recorders.png"}};
  for (const Case& c : pictures)
  {
    SCOPED_TRACE(c.file);
    const std::vector<unsigned char> expected = ReadPicture(c.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(BytesOf(FindModuleResource(c.id, "PNG")), expected);
    EXPECT_EQ(BytesOf(FindModuleResource(c.id + 0x10000, "png")), expected);
  }
  const ModuleResource font = FindModuleResource(107, kResourceTypeRawData);
  ASSERT_NE(font.data, nullptr);
  EXPECT_GT(font.size, 10000);

  struct Missing
  {
    const char* what;
    int id;
    ResourceType type;
  };
  const Missing missing[] = {
    {"unknown id", 108, "PNG"},
    {"id zero", 0, "PNG"},
    {"picture asked for as raw data", 101, kResourceTypeRawData},
    {"font asked for as a picture", 107, "PNG"},
    {"type number zero", 107, 0},
    {"type number beyond 16 bits", 107, kResourceTypeRawData + 0x10000},
    {"number written as a name", 107, "10"},
    {"no type name", 101, static_cast<const char*>(nullptr)},
  };
  for (const Missing& m : missing)
  {
    SCOPED_TRACE(m.what);
    const ModuleResource resource = FindModuleResource(m.id, m.type);
    EXPECT_EQ(resource.data, nullptr);
    EXPECT_EQ(resource.size, 0);
  }

  // The drawings at twice the scale, under the ids the resource list gives them.
  for (const TapePicture& picture : kTapePictures)
  {
    SCOPED_TRACE(picture.doublePath);
    const std::string file = picture.doublePath;
    const std::vector<unsigned char> expected = ReadPicture(file.substr(file.find("/2x/") + 1));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(BytesOf(FindModuleResource(picture.doubleId, "PNG")), expected);
  }

  const auto knob = LoadPngResource(105, "resources/img/knob.PNG");
  ASSERT_NE(knob, nullptr);
  EXPECT_GT(knob->Width(), 0);
  EXPECT_GT(knob->Height(), 0);
  for (const char* name : {"resources/img/knob", "knob.jpg", "knob.png.bak"})
    EXPECT_EQ(LoadPngResource(105, name), nullptr) << name;
  EXPECT_EQ(LoadPngResource(107, "font.png"), nullptr);

  // Back to this program before the module is unloaded.
  RememberModuleHandle(GetModuleHandleW(nullptr));
  UseModuleHandleForResources();
}
} // namespace
