#include "BitmapFixture.h"
#include "raster/LICE_Composite.h"
#include "raster/LICE_SysBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace
{
constexpr LICE_pixel kUntouched = 0xDEADBEEF;

// Where a composite should land: the destination block at (destX, destY) of
// width x height receives the source block starting at (srcX, srcY).
struct Placement
{
  int destX;
  int destY;
  int srcX;
  int srcY;
  int width;
  int height;
};

struct ClipCase
{
  std::string name;
  int srcWidth;
  int srcHeight;
  int destX;
  int destY;
  std::optional<IRectI> srcRect;
  std::optional<Placement> expected; // none: nothing drawn
};

// Two ways to move whole pixels: the byte copy, and the source-alpha copy of
// opaque pixels, which runs the per-pixel loop.
struct CopyKind
{
  const char* name;
  int mode;
};

constexpr int kDestSize = 8;

void ExpectPlacement(LICE_IBitmap& dest, const std::optional<Placement>& expected)
{
  for (int y = 0; y < dest.Height(); ++y)
  {
    for (int x = 0; x < dest.Width(); ++x)
    {
      LICE_pixel want = kUntouched;
      if (expected && x >= expected->destX && x < expected->destX + expected->width && y >= expected->destY &&
          y < expected->destY + expected->height)
        want = PositionPixel(expected->srcX + x - expected->destX, expected->srcY + y - expected->destY);
      ASSERT_EQ(PixelAt(dest, x, y), want) << "at (" << x << ", " << y << ")";
    }
  }
}

std::vector<ClipCase> ClipCases()
{
  return {
    {"whole source inside", 3, 2, 2, 3, std::nullopt, Placement{2, 3, 0, 0, 3, 2}},
    {"rectangle selects a block", 6, 6, 1, 2, IRectI{2, 1, 5, 3}, Placement{1, 2, 2, 1, 3, 2}},
    // left -2: the destination moves right by 2 and drawing starts at column 0.
    {"negative rectangle left", 3, 2, 1, 1, IRectI{-2, 0, 3, 2}, Placement{3, 1, 0, 0, 3, 2}},
    {"negative rectangle top", 3, 2, 0, 0, IRectI{1, -1, 3, 2}, Placement{0, 1, 1, 0, 2, 2}},
    {"destination at -5, -5", 10, 10, -5, -5, std::nullopt, Placement{0, 0, 5, 5, 5, 5}},
    {"rectangle past the source", 4, 4, 0, 0, IRectI{2, 2, 10, 10}, Placement{0, 0, 2, 2, 2, 2}},
    {"past the destination", 4, 4, 6, 7, std::nullopt, Placement{6, 7, 0, 0, 2, 1}},
    {"larger than the destination", 12, 12, 0, 0, std::nullopt, Placement{0, 0, 0, 0, 8, 8}},
    {"right of the destination", 4, 4, kDestSize, 0, std::nullopt, std::nullopt},
    {"below the destination", 4, 4, 0, kDestSize, std::nullopt, std::nullopt},
    {"left of the destination", 4, 4, -4, 0, std::nullopt, std::nullopt},
    {"empty rectangle", 4, 4, 0, 0, IRectI{2, 0, 2, 4}, std::nullopt},
    {"all-zero rectangle", 4, 4, 0, 0, IRectI{}, std::nullopt},
    {"rectangle right of the source", 4, 4, 0, 0, IRectI{5, 0, 9, 4}, std::nullopt},
    {"extreme negative rectangle left", 4, 4, 0, 0, IRectI{INT_MIN, 0, 2, 2}, std::nullopt},
    {"extreme negative position", 4, 4, INT_MIN, INT_MIN, std::nullopt, std::nullopt},
    {"extreme positive position", 4, 4, INT_MAX, INT_MAX, std::nullopt, std::nullopt},
    {"extreme rectangle and position", 4, 4, 1, 0, IRectI{INT_MIN, 0, INT_MAX, 4}, std::nullopt},
    // dx - left = 0 exactly: the whole source lands at the origin.
    {"extreme rectangle cancelled by position", 4, 4, INT_MIN, 0, IRectI{INT_MIN, 0, INT_MAX, 4},
     Placement{0, 0, 0, 0, 4, 4}},
  };
}

TEST(CompositeClipping, PlacesTheClippedBlockAndNothingElse)
{
  const CopyKind kinds[] = {{"byte copy", ModeCopy}, {"source-alpha copy", ModeUseSourceAlpha}};
  for (const CopyKind& kind : kinds)
  {
    for (const ClipCase& c : ClipCases())
    {
      SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
      auto dest = MakeFilled(kDestSize, kDestSize, kUntouched);
      auto src = MakePositionCoded(c.srcWidth, c.srcHeight);
      const IRectI* rect = c.srcRect ? &*c.srcRect : nullptr;
      LICE_Composite(dest.get(), src.get(), c.destX, c.destY, rect, 1.0f, kind.mode);
      ExpectPlacement(*dest, c.expected);
    }
  }
}

TEST(CompositeClipping, MissingOrEmptyBitmapsDrawNothing)
{
  auto dest = MakeFilled(4, 4, kUntouched);
  auto src = MakePositionCoded(4, 4);
  LICE_MemBitmap emptySource;
  LICE_MemBitmap emptyDest;

  LICE_Composite(dest.get(), nullptr, 0, 0, nullptr, 1.0f, ModeCopy);
  LICE_Composite(nullptr, src.get(), 0, 0, nullptr, 1.0f, ModeCopy);
  LICE_Composite(dest.get(), &emptySource, 0, 0, nullptr, 1.0f, ModeCopy);
  LICE_Composite(&emptyDest, src.get(), 0, 0, nullptr, 1.0f, ModeCopy);

  ExpectPlacement(*dest, std::nullopt);
  EXPECT_EQ(emptyDest.PixelData(), nullptr);
}

TEST(CompositeClipping, WorksBetweenSystemAndMemoryBitmaps)
{
  LICE_SysBitmap surface;
  ASSERT_TRUE(surface.SetSize(kDestSize, kDestSize));
  Fill(surface, kUntouched);
  auto src = MakePositionCoded(5, 3);

  LICE_Composite(&surface, src.get(), 4, 6, nullptr, 1.0f, ModeUseSourceAlpha);
  ExpectPlacement(surface, Placement{4, 6, 0, 0, 4, 2});

  LICE_MemBitmap copy;
  copy.SetSize(2, 2);
  Fill(copy, kUntouched);
  const IRectI block{4, 6, 6, 8};
  LICE_Composite(&copy, &surface, 0, 0, &block, 1.0f, ModeCopy);
  ExpectPlacement(copy, Placement{0, 0, 0, 0, 2, 2});
}

// A bitmap stored bottom row first: row r lives at memory row height - 1 - r.
class BottomUpBitmap final : public LICE_IBitmap
{
public:
  BottomUpBitmap(int width, int height) : width_(width), height_(height), pixels_(width * height, kUntouched) {}

  LICE_pixel* PixelData() override { return pixels_.data(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RowStride() const override { return width_; }
  bool IsBottomUp() const override { return true; }
  bool SetSize(int, int) override { return false; }

  LICE_pixel MemoryPixel(int x, int memoryRow) const { return pixels_[static_cast<std::size_t>(memoryRow * width_ + x)]; }

private:
  int width_;
  int height_;
  std::vector<LICE_pixel> pixels_;
};

TEST(CompositeClipping, HonoursBottomUpStorageOnBothSides)
{
  const int kModes[] = {ModeCopy, ModeUseSourceAlpha};
  for (const int mode : kModes)
  {
    SCOPED_TRACE(mode);
    BottomUpBitmap dest(4, 3);
    auto src = MakePositionCoded(2, 2);
    LICE_Composite(&dest, src.get(), 1, 1, nullptr, 1.0f, mode);

    // Picture rows 1 and 2 are memory rows 1 and 0.
    EXPECT_EQ(dest.MemoryPixel(1, 1), PositionPixel(0, 0));
    EXPECT_EQ(dest.MemoryPixel(2, 1), PositionPixel(1, 0));
    EXPECT_EQ(dest.MemoryPixel(1, 0), PositionPixel(0, 1));
    EXPECT_EQ(dest.MemoryPixel(2, 0), PositionPixel(1, 1));
    EXPECT_EQ(dest.MemoryPixel(1, 2), kUntouched);

    LICE_MemBitmap back;
    back.SetSize(2, 2);
    const IRectI block{1, 1, 3, 3};
    LICE_Composite(&back, &dest, 0, 0, &block, 1.0f, mode);
    ExpectPlacement(back, Placement{0, 0, 0, 0, 2, 2});
  }
}
} // namespace
