#include "RecordingPlug.h"
#include "tests/raster/BitmapFixture.h"
#include "TestGraphics.h"
#include "graphics/IBitmapControl.h"

#include <gtest/gtest.h>

namespace
{
constexpr LICE_pixel kUnder = 0xFF204060;
// Half-transparent: A 128, R 0xC0, G 0x80, B 0x40.
constexpr LICE_pixel kSource = 0x80C08040;

struct Editor
{
  RecordingPlug plug;
  TestGraphics graphics{plug, 8, 8};
  std::unique_ptr<LICE_MemBitmap> raster;
  IFrameBitmap bitmap;

  explicit Editor(std::unique_ptr<LICE_MemBitmap> picture, int frameCount = 1) : raster(std::move(picture))
  {
    bitmap = {raster.get(), raster->Width(), raster->Height(), frameCount, false};
    graphics.CreateDrawingSurfaces();
    Fill(*graphics.DrawingSurface(), kUnder);
  }

  IControl& AddPicture(int x, int y, int blendKind)
  {
    const int index = graphics.AddControl(std::make_unique<IBitmapControl>(plug, x, y, bitmap, blendKind));
    return *graphics.GetControl(index);
  }

  LICE_pixel At(int x, int y) { return PixelAt(*graphics.DrawingSurface(), x, y); }
};
} // namespace

// Expected pixels from the blend formulas over destination (R, G, B) =
// (32, 64, 96), alpha 255, and source (192, 128, 64), alpha 128.
TEST(FrameBitmapDraw, BlendKindsMapToTheirOperators)
{
  struct Case
  {
    int kind;
    bool disabled;
    LICE_pixel expected;
  };
  const Case cases[] = {
    // d = s + (d - s) * 127 / 256 per colour channel; alpha saturates.
    {BlendSourceAlpha, false, 0xFF71614F},
    // A plain copy ignores the alpha.
    {BlendCopy, false, kSource},
    // w = 129: d + s * 129 / 256.
    {BlendAdd, false, 0xFF808080},
    // w = 129: d * 256 / (256 - s * 129 / 256).
    {BlendColourDodge, false, 0xFF33556D},
    // Unknown kinds copy with the source alpha.
    {7, false, 0xFF71614F},
    // Disabled: weight 0.25, n = 129 * 64 / 256 = 32, d = s + (d - s) * 224 / 256.
    {BlendSourceAlpha, true, 0xFF34485C},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.disabled ? " disabled" : ""));
    Editor editor(MakeFilled(2, 2, kSource));
    IControl& picture = editor.AddPicture(3, 3, c.kind);
    picture.SetDisabled(c.disabled);
    editor.graphics.DrawAll();
    EXPECT_EQ(editor.At(3, 3), c.expected);
    EXPECT_EQ(editor.At(4, 4), c.expected);
    EXPECT_EQ(editor.At(2, 3), kUnder);
    EXPECT_EQ(editor.At(5, 4), kUnder);
  }
}

TEST(FrameBitmapDraw, OnlyTheRegionBeingDrawnChanges)
{
  Editor editor(MakePositionCoded(4, 4));
  editor.AddPicture(2, 2, BlendSourceAlpha);
  editor.graphics.DrawRegion({3, 1, 5, 7});

  for (int y = 0; y < 8; ++y)
  {
    for (int x = 0; x < 8; ++x)
    {
      const bool inPicture = x >= 2 && x < 6 && y >= 2 && y < 6;
      const bool inRegion = x >= 3 && x < 5 && y >= 1 && y < 7;
      const LICE_pixel expected = inPicture && inRegion ? PositionPixel(x - 2, y - 2) : kUnder;
      EXPECT_EQ(editor.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(FrameBitmapDraw, RegionsTouchingThePictureDrawNothing)
{
  // A region ending where the picture starts reaches the control (its
  // edges count as meeting) but clips the blit to nothing; one starting
  // where it ends does not reach it at all.
  const IRectI touching[] = {{0, 0, 2, 8}, {6, 0, 8, 8}, {0, 0, 8, 2}, {0, 6, 8, 8}};
  for (const IRectI& region : touching)
  {
    Editor editor(MakePositionCoded(4, 4));
    editor.AddPicture(2, 2, BlendSourceAlpha);
    editor.graphics.DrawRegion(region);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        ASSERT_EQ(editor.At(x, y), kUnder) << x << "," << y;
  }
}

TEST(FrameBitmapDraw, PictureCutAtTheSurfaceEdge)
{
  Editor editor(MakePositionCoded(4, 4));
  editor.AddPicture(6, 6, BlendCopy);
  editor.graphics.DrawAll();
  EXPECT_EQ(editor.At(6, 6), PositionPixel(0, 0));
  EXPECT_EQ(editor.At(7, 7), PositionPixel(1, 1));
  EXPECT_EQ(editor.At(5, 5), kUnder);
}

TEST(FrameBitmapDraw, ChosenFrameOfAStackedStrip)
{
  // Three 2 x 2 frames stacked: value 0.5 shows frame 2 from source row 2,
  // value 1 frame 3 from row 4.
  struct Case
  {
    double value;
    int sourceRow;
  };
  for (const Case c : {Case{0.0, 0}, Case{0.5, 2}, Case{1.0, 4}})
  {
    Editor editor(MakePositionCoded(2, 6), 3);
    IControl& strip = editor.AddPicture(1, 1, BlendSourceAlpha);
    EXPECT_EQ(strip.DrawRect(), (IRectI{1, 1, 3, 3}));
    strip.TakePlugValue(c.value);
    editor.graphics.DrawAll();
    EXPECT_EQ(editor.At(1, 1), PositionPixel(0, c.sourceRow)) << c.value;
    EXPECT_EQ(editor.At(2, 2), PositionPixel(1, c.sourceRow + 1)) << c.value;
  }
}
