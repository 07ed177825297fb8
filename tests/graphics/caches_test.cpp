#include "EditorFixture.h"
#include "tests/raster/BitmapFixture.h"
#include "graphics/IBitmapControl.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
int Count(const std::vector<int>& ids, int id) { return static_cast<int>(std::count(ids.begin(), ids.end(), id)); }
} // namespace

TEST(GraphicsCaches, EachPictureIsDecodedOncePerProcess)
{
  EditorFixture first;
  const IFrameBitmap& knob = first.graphics->LoadFrameBitmap(105, "resources/img/knob.png", 73, false);
  const IFrameBitmap& knobAgain = first.graphics->LoadFrameBitmap(105, "resources/img/knob.png", 1, true);
  EXPECT_LE(Count(first.graphics->pngLoads, 105), 1) << "earlier tests may have decoded it already";
  EXPECT_NE(&knob, &knobAgain) << "every request gets a descriptor of its own";
  EXPECT_EQ(knob.raster, knobAgain.raster);
  EXPECT_EQ(knob.width, 120);
  EXPECT_EQ(knob.height, 8760);
  EXPECT_EQ(knob.frameCount, 73);
  EXPECT_FALSE(knob.framesSideBySide);
  EXPECT_EQ(knob.FrameHeight(), 120);
  EXPECT_EQ(knobAgain.frameCount, 1);
  EXPECT_TRUE(knobAgain.framesSideBySide);

  EditorFixture second;
  const IFrameBitmap& secondKnob = second.graphics->LoadFrameBitmap(105, "resources/img/knob.png", 73, false);
  EXPECT_EQ(secondKnob.raster, knob.raster);
  EXPECT_TRUE(second.graphics->pngLoads.empty());
}

TEST(GraphicsCaches, MissingPictureGivesAControlThatDrawsNothing)
{
  EditorFixture editor(20, 20);
  const IFrameBitmap& missing = editor.graphics->LoadFrameBitmap(4321, "resources/img/missing.png", 0, false);
  EXPECT_EQ(missing.width, 0);
  EXPECT_EQ(missing.height, 0);
  EXPECT_EQ(missing.frameCount, 1) << "never fewer than one frame";
  ASSERT_NE(missing.raster, nullptr);

  auto& picture = editor.Add<IBitmapControl>(5, 5, missing, BlendSourceAlpha);
  editor.graphics->CreateDrawingSurfaces();
  Fill(*editor.graphics->DrawingSurface(), 0xFF123456);
  picture.TakePlugValue(0.0);
  picture.TakePlugValue(1.0);
  editor.graphics->DrawAll();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(PixelAt(*editor.graphics->DrawingSurface(), x, y), 0xFF123456u);
  editor.graphics->PointerDown(5, 5, {true, false, false, false, false});
  EXPECT_EQ(editor.graphics->CaptureIndex(), -1);

  // Nothing was cached for it: a later request tries again.
  editor.graphics->LoadFrameBitmap(4321, "resources/img/missing.png", 1, false);
  EXPECT_EQ(Count(editor.graphics->pngLoads, 4321), 2);
}
