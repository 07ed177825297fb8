#include "BitmapFixture.h"
#include "raster/LoadPngResource.h"
#include "raster/ModuleResource.h"
#include "resource_module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
// The files the test build embeds (tests/raster/CMakeLists.txt).
constexpr int kPictureId = 201;
constexpr int kRawNoteId = 202;
constexpr int kFiveBytesId = 203;
constexpr int kOtherModulePictureId = 301;

std::vector<unsigned char> ReadTestFile(const std::string& name)
{
  std::ifstream file(std::string(VELKOR_RASTER_TEST_DATA) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> BytesOf(const ModuleResource& resource)
{
  if (resource.data == nullptr)
    return {};
  return {resource.data, resource.data + resource.size};
}

TEST(ModuleResources, FindsEmbeddedBytesByIdAndType)
{
  struct Case
  {
    std::string name;
    int id;
    ResourceType type;
    std::string file;
  };
  const Case cases[] = {
    {"named type", kPictureId, "PNG", "two_by_two_rgba.png"},
    {"type name in lower case", kPictureId, "png", "two_by_two_rgba.png"},
    {"type name in mixed case", kPictureId, "pNg", "two_by_two_rgba.png"},
    {"only the low 16 bits of the id count", kPictureId + 0x10000, "PNG", "two_by_two_rgba.png"},
    {"numbered type", kRawNoteId, kResourceTypeRawData, "raw_note.txt"},
    {"tiny file", kFiveBytesId, "PNG", "five_bytes.bin"},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    const std::vector<unsigned char> expected = ReadTestFile(c.file);
    ASSERT_FALSE(expected.empty());
    const ModuleResource resource = FindModuleResource(c.id, c.type);
    ASSERT_NE(resource.data, nullptr);
    EXPECT_EQ(resource.size, static_cast<int>(expected.size()));
    EXPECT_EQ(BytesOf(resource), expected);
  }
}

TEST(ModuleResources, MissingOrMismatchedResourcesGiveNone)
{
  struct Case
  {
    std::string name;
    int id;
    ResourceType type;
  };
  const Case cases[] = {
    {"unknown id", 299, "PNG"},
    {"id zero", 0, "PNG"},
    {"named type of a numbered resource", kRawNoteId, "PNG"},
    {"numbered type of a named resource", kPictureId, kResourceTypeRawData},
    {"type name with a different ending", kPictureId, "PNGX"},
    {"prefix of the type name", kPictureId, "PN"},
    {"number written as a name", kRawNoteId, "10"},
    {"no type name", kPictureId, static_cast<const char*>(nullptr)},
    {"another module's resource", kOtherModulePictureId, "PNG"},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    const ModuleResource resource = FindModuleResource(c.id, c.type);
    EXPECT_EQ(resource.data, nullptr);
    EXPECT_EQ(resource.size, 0);
  }
}

TEST(LoadPngResource, DecodesPngResourcesWhoseNameEndsInPng)
{
  for (const char* name : {"knob.PNG", "resources/img/knob.png", "a.b.Png"})
  {
    SCOPED_TRACE(name);
    const auto bitmap = LoadPngResource(kPictureId, name);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->Width(), 2);
    ASSERT_EQ(bitmap->Height(), 2);
    // The file holds opaque red, opaque green, blue at alpha 128 and white at alpha 0.
    EXPECT_EQ(PixelAt(*bitmap, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(PixelAt(*bitmap, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(PixelAt(*bitmap, 0, 1), 0x800000FFu);
    EXPECT_EQ(PixelAt(*bitmap, 1, 1), 0x00FFFFFFu);
  }
}

TEST(LoadPngResource, RefusesOtherNamesAndUnusableResources)
{
  for (const char* name : {"knob.jpg", "knob", "png", "knob.png.bak", "knob.", ".pngx", ""})
  {
    SCOPED_TRACE(name);
    EXPECT_EQ(LoadPngResource(kPictureId, name), nullptr);
  }
  EXPECT_EQ(LoadPngResource(kPictureId, nullptr), nullptr);
  EXPECT_EQ(LoadPngResource(299, "knob.png"), nullptr);
  EXPECT_EQ(LoadPngResource(kRawNoteId, "knob.png"), nullptr);
  EXPECT_EQ(LoadPngResource(kFiveBytesId, "knob.png"), nullptr);
}

TEST(ModuleResources, SharedModuleSeesItsOwnResourcesOnly)
{
  const std::vector<unsigned char> picture = ReadTestFile("two_by_two_rgba.png");
  EXPECT_EQ(ResourceModuleResourceSize(kOtherModulePictureId, "PNG"), static_cast<int>(picture.size()));
  EXPECT_EQ(ResourceModuleResourceSize(kPictureId, "PNG"), -1);
  EXPECT_EQ(ResourceModulePngWidth(kOtherModulePictureId), 2);
}
} // namespace
