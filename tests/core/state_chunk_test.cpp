#include "TestPlug.h"
#include "core/Trace.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace
{
constexpr int kParams = 11;
const double kValues[kParams] = {0.0, 1.0, 2.0, -3.0, 12.0, 0.5, 7.0, 1.0, 0.0, 0.0, -76.0};

class StateChunk : public ::testing::Test
{
protected:
  StateChunk()
  {
    for (int i = 0; i < kParams; ++i)
      plug.GetParam(i)->DefineDouble("p", 0.0, -100.0, 100.0, 0.1);
  }

  void SetValues(const double* values)
  {
    for (int i = 0; i < kParams; ++i)
      plug.GetParam(i)->SetClamped(values[i]);
  }

  std::vector<double> Values()
  {
    std::vector<double> values;
    for (int i = 0; i < kParams; ++i)
      values.push_back(plug.GetParam(i)->Value());
    return values;
  }

  static IStateChunk ChunkOf(int32_t count, const std::vector<double>& values)
  {
    IStateChunk chunk;
    chunk.AppendInt32(count);
    for (double v : values)
      chunk.AppendDouble(v);
    return chunk;
  }

  static IStateChunk Truncated(const IStateChunk& chunk, int size)
  {
    IStateChunk cut;
    cut.AppendBytes(chunk.Data(), size);
    return cut;
  }

  TestPlug plug{kParams};
};
}

TEST_F(StateChunk, SerializedLayoutIsCountThenLittleEndianDoubles)
{
  SetValues(kValues);
  IStateChunk chunk;
  ASSERT_TRUE(plug.SerializeParams(chunk));

  // IEEE-754 encodings worked out by hand: 1.0 = 3FF0..., 2.0 = 4000..., -3.0 = C008...,
  // 12.0 = 4028..., 0.5 = 3FE0..., 7.0 = 401C..., -76.0 = C053...
  const uint8_t z[6] = {0, 0, 0, 0, 0, 0};
  std::vector<uint8_t> expected = {0x0B, 0x00, 0x00, 0x00};
  const uint8_t highBytes[kParams][2] = {{0x00, 0x00}, {0xF0, 0x3F}, {0x00, 0x40}, {0x08, 0xC0},
                                         {0x28, 0x40}, {0xE0, 0x3F}, {0x1C, 0x40}, {0xF0, 0x3F},
                                         {0x00, 0x00}, {0x00, 0x00}, {0x53, 0xC0}};
  for (const auto& high : highBytes)
  {
    expected.insert(expected.end(), z, z + 6);
    expected.insert(expected.end(), high, high + 2);
  }
  ASSERT_EQ(chunk.Size(), 92);
  EXPECT_EQ(std::vector<uint8_t>(chunk.Data(), chunk.Data() + chunk.Size()), expected);
}

TEST_F(StateChunk, RoundTripRestoresEveryValueAndAnnouncesEveryParameter)
{
  SetValues(kValues);
  IStateChunk chunk;
  plug.SerializeParams(chunk);
  const double zeros[kParams] = {};
  SetValues(zeros);

  EXPECT_EQ(plug.CheckStateChunk(chunk, 0), 92);
  EXPECT_TRUE(plug.changes.empty());
  EXPECT_EQ(plug.UnserializeParams(chunk, 0), 92);
  EXPECT_EQ(Values(), std::vector<double>(kValues, kValues + kParams));
  ASSERT_EQ(plug.changes.size(), size_t(kParams));
  for (int i = 0; i < kParams; ++i)
    EXPECT_EQ(plug.changes[i], std::make_pair(i, ChangeFromRecall));
}

TEST_F(StateChunk, OlderChunkWithFewerValuesRestoresThoseAndKeepsTheRest)
{
  SetValues(kValues);
  const IStateChunk chunk = ChunkOf(3, {9.0, 8.0, 7.0});
  EXPECT_EQ(plug.UnserializeParams(chunk, 0), 28);
  std::vector<double> expected(kValues, kValues + kParams);
  expected[0] = 9.0, expected[1] = 8.0, expected[2] = 7.0;
  EXPECT_EQ(Values(), expected);
  EXPECT_EQ(plug.changes.size(), size_t(kParams));
}

TEST_F(StateChunk, NewerChunkWithMoreValuesPointsPastAllOfThem)
{
  std::vector<double> stored(13, 5.0);
  IStateChunk chunk = ChunkOf(13, stored);
  chunk.AppendInt32(1);  // what follows the chunk, e.g. a bypass flag
  EXPECT_EQ(plug.UnserializeParams(chunk, 0), 4 + 13 * 8);
  EXPECT_EQ(Values(), std::vector<double>(kParams, 5.0));
}

TEST_F(StateChunk, ValuesAreClampedToTheirRangeNotSnapped)
{
  std::vector<double> stored(kParams, 0.123);
  stored[0] = 1000.0;
  stored[1] = -1000.0;
  plug.UnserializeParams(ChunkOf(kParams, stored), 0);
  EXPECT_EQ(plug.GetParam(0)->Value(), 100.0);
  EXPECT_EQ(plug.GetParam(1)->Value(), -100.0);
  EXPECT_EQ(plug.GetParam(2)->Value(), 0.123);
}

TEST_F(StateChunk, ChunkAfterOtherDataIsReadFromItsStartPosition)
{
  SetValues(kValues);
  IStateChunk chunk;
  chunk.AppendInt32(77);
  chunk.AppendInt32(78);
  plug.SerializeParams(chunk);
  const double zeros[kParams] = {};
  SetValues(zeros);
  EXPECT_EQ(plug.UnserializeParams(chunk, 8), 100);
  EXPECT_EQ(Values(), std::vector<double>(kValues, kValues + kParams));
}

TEST_F(StateChunk, BadChunksAreRefusedWholeWithNothingChanged)
{
  SetValues(kValues);
  IStateChunk good;
  plug.SerializeParams(good);

  std::vector<double> withNan(kParams, 1.0), withInf(kParams, 1.0), withNegInf(kParams, 1.0);
  withNan[5] = std::numeric_limits<double>::quiet_NaN();
  withInf[10] = std::numeric_limits<double>::infinity();
  withNegInf[0] = -std::numeric_limits<double>::infinity();
  std::vector<double> extrasWithNan(13, 1.0);
  extrasWithNan[12] = std::numeric_limits<double>::quiet_NaN();

  struct Case { const char* what; IStateChunk chunk; int start; };
  const Case cases[] = {
    {"empty", IStateChunk{}, 0},
    {"only part of the count", Truncated(good, 3), 0},
    {"ends inside the values", Truncated(good, 60), 0},
    {"ends one byte short", Truncated(good, 91), 0},
    {"NaN value", ChunkOf(kParams, withNan), 0},
    {"infinite value", ChunkOf(kParams, withInf), 0},
    {"minus infinite value", ChunkOf(kParams, withNegInf), 0},
    {"NaN among a newer build's extra values", ChunkOf(13, extrasWithNan), 0},
    {"negative count", ChunkOf(-1, {1.0, 2.0}), 0},
    {"absurd count", ChunkOf(0x7FFFFFFF, {1.0, 2.0}), 0},
    {"count larger than the values", ChunkOf(12, std::vector<double>(11, 1.0)), 0},
    {"negative start", good, -4},
    {"start past the end", good, 200},
  };
  for (const Case& c : cases)
  {
    plug.changes.clear();
    EXPECT_EQ(plug.CheckStateChunk(c.chunk, c.start), -1) << c.what;
    EXPECT_EQ(plug.UnserializeParams(c.chunk, c.start), -1) << c.what;
    EXPECT_EQ(Values(), std::vector<double>(kValues, kValues + kParams)) << c.what;
    EXPECT_TRUE(plug.changes.empty()) << c.what;
  }
}

TEST(StateChunkReads, FailedReadsReturnMinusOneAndZero)
{
  IStateChunk chunk;
  chunk.AppendInt32(-5);
  chunk.AppendDouble(2.5);
  int32_t i = 0;
  double d = 0.0;
  EXPECT_EQ(chunk.ReadInt32At(0, i), 4);
  EXPECT_EQ(i, -5);
  EXPECT_EQ(chunk.ReadDoubleAt(4, d), 12);
  EXPECT_EQ(d, 2.5);
  EXPECT_EQ(chunk.ReadDoubleAt(5, d), -1);
  EXPECT_EQ(d, 0.0);
  EXPECT_EQ(chunk.ReadInt32At(-1, i), -1);
  EXPECT_EQ(i, 0);
  EXPECT_EQ(chunk.ReadInt32At(12, i), -1);
}

namespace
{
std::vector<std::string> gTraced;
void RecordTrace(const char* function, int, const char*, va_list)
{
  gTraced.emplace_back(function);
}
}

TEST_F(StateChunk, SaveAndRestoreReportToTheTraceHook)
{
  gTraced.clear();
  SetTraceHook(RecordTrace);
  IStateChunk chunk;
  plug.SerializeParams(chunk);
  plug.UnserializeParams(chunk, 0);
  SetTraceHook(nullptr);
  EXPECT_EQ(gTraced, (std::vector<std::string>{"IPlugBase::SerializeParams", "IPlugBase::UnserializeParams"}));
}
