#include "raster/Utf8Reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<int> Codes(const std::string& bytes, int length)
{
  Utf8Reader reader(bytes.c_str(), length);
  std::vector<int> codes;
  for (int code = 0; reader.Next(code);)
    codes.push_back(code);
  return codes;
}
} // namespace

TEST(Utf8Reader, DecodesForgivingly)
{
  struct Case
  {
    const char* what;
    std::string bytes;
    int length;
    std::vector<int> codes;
  };
  const Case cases[] = {
    {"ascii", "Ab 1", -1, {'A', 'b', ' ', '1'}},
    {"two-byte", "\xC3\xA9", -1, {0xE9}},
    {"three-byte", "\xE2\x82\xAC!", -1, {0x20AC, '!'}},
    {"four-byte reads as a space", "a\xF0\x9F\x98\x80" "b", -1, {'a', 32, 'b'}},
    {"lone lead byte", "\xE9", -1, {0xE9}},
    {"stray continuation", "\x80\xBF", -1, {0x80, 0xBF}},
    {"C0 and C1 are never leads", "\xC0\x80\xC1\xBF", -1, {0xC0, 0x80, 0xC1, 0xBF}},
    {"F5 and above are never leads", "\xF5\x80\x80\x80", -1, {0xF5, 0x80, 0x80, 0x80}},
    {"lead without its continuation", "\xC3" "A", -1, {0xC3, 'A'}},
    {"three-byte cut short", "\xE2\x82" "x", -1, {0xE2, 0x82, 'x'}},
    {"zero ends the text", std::string("ab\0cd", 5), 5, {'a', 'b'}},
    {"length cuts the text", "abcdef", 3, {'a', 'b', 'c'}},
    {"length cuts a sequence", "\xC3\xA9", 1, {0xC3}},
    {"length cuts a four-byte sequence", "\xF0\x9F\x98\x80", 3, {0xF0, 0x9F, 0x98}},
    {"empty", "", -1, {}},
    {"zero length", "abc", 0, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Codes(c.bytes, c.length), c.codes) << c.what;
}

TEST(Utf8Reader, NoTextReadsAsEmpty)
{
  Utf8Reader reader(nullptr, -1);
  int code = 0;
  EXPECT_FALSE(reader.Next(code));
}
