#include "graphics/KeyNumber.h"
#include "platform/win/FilePaths.h"
#include "platform/win/VirtualKeys.h"
#include "graphics/WindowRects.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(WindowRects, EditorAndWindowPixelsAtADisplayScale)
{
  const struct
  {
    IRectI editor;
    double scale;
    IRectI window;
  } cases[] = {
    {{10, 10, 20, 20}, 1.5, {15, 15, 30, 30}},
    {{0, 0, 760, 450}, 1.5, {0, 0, 1140, 675}},
    {{1, 1, 2, 2}, 1.5, {1, 1, 3, 3}},
    {{3, 5, 7, 9}, 1.0, {3, 5, 7, 9}},
    {{3, 5, 7, 9}, 2.0, {6, 10, 14, 18}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WindowRectFor(c.editor, c.scale), c.window) << c.scale;
  EXPECT_EQ(EditorRectFor({15, 15, 30, 30}, 1.5), (IRectI{10, 10, 20, 20}));
  // A window pixel past a whole editor pixel brings that pixel in.
  EXPECT_EQ(EditorRectFor({31, 31, 44, 44}, 1.5), (IRectI{20, 20, 30, 30}));
  EXPECT_EQ(EditorRectFor({300, 150, 301, 151}, 1.5), (IRectI{200, 100, 201, 101}));
  // Unusable scales leave rectangles as they are.
  EXPECT_EQ(WindowRectFor({1, 2, 3, 4}, 0.0), (IRectI{1, 2, 3, 4}));
  EXPECT_EQ(EditorRectFor({}, 1.5), IRectI{});
  EXPECT_EQ(ScaledSize(760, 1.5), 1140);
  EXPECT_EQ(ScaledSize(451, 1.5), 676);
}

TEST(VirtualKeys, SpaceArrowsDigitsAndLettersHaveNumbersAndNoOtherKey)
{
  const struct
  {
    unsigned int key;
    int number;
  } cases[] = {
    {VK_SPACE, KeySpace}, {VK_UP, KeyUp},          {VK_DOWN, KeyDown},  {VK_LEFT, KeyLeft},
    {VK_RIGHT, KeyRight}, {'0', KeyDigit0},        {'9', KeyDigit0 + 9}, {'A', KeyLetterA},
    {'Z', KeyLetterA + 25}, {VK_F1, -1},           {VK_NUMPAD5, -1},     {VK_RETURN, -1},
    {VK_ESCAPE, -1},      {'a', -1},               {VK_SHIFT, -1},       {VK_OEM_PERIOD, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeyNumberForVirtualKey(c.key), c.number) << c.key;
}

TEST(FilePaths, TheFolderEndsWithItsSeparator)
{
  EXPECT_EQ(FolderOf("C:\\Hosts\\host.exe"), "C:\\Hosts\\");
  EXPECT_EQ(FolderOf("C:\\host.exe"), "C:\\");
  EXPECT_EQ(FolderOf("D:/takes/one.wav"), "D:/takes/");
  EXPECT_EQ(FolderOf("host.exe"), "");
  EXPECT_EQ(FolderOf(""), "");
}

TEST(FilePaths, TheFilterHoldsThePatternTwiceAndTheFirstWordIsTheDefault)
{
  const struct
  {
    const char* extensions;
    std::string filter;
    std::string defaultExtension;
  } cases[] = {
    {"wav aif", "*.wav;*.aif\0*.wav;*.aif\0\0"s, "wav"},
    {"fxp", "*.fxp\0*.fxp\0\0"s, "fxp"},
    {"  wav   aif ", "*.wav;*.aif\0*.wav;*.aif\0\0"s, "wav"},
    {"", "", ""},
    {nullptr, "", ""},
  };
  for (const auto& c : cases)
  {
    const FileDialogFilter filter = FileDialogFilterFor(c.extensions);
    EXPECT_EQ(filter.filter, c.filter) << (c.extensions ? c.extensions : "none");
    EXPECT_EQ(filter.defaultExtension, c.defaultExtension);
  }
  // Long lists are no longer cut to a fixed buffer.
  std::string many;
  for (int i = 0; i < 40; ++i)
    many += "ext" + std::to_string(i) + " ";
  const FileDialogFilter filter = FileDialogFilterFor(many.c_str());
  EXPECT_EQ(filter.filter.size(), 2 * (filter.filter.find('\0') + 1) + 1);
  EXPECT_NE(filter.filter.find("*.ext39"), std::string::npos);
}
