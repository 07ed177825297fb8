#include "BitmapFixture.h"
#include "raster/CairoTextPlacement.h"
#include "raster/LICE_SysBitmap.h"
#include "raster/ModuleResource.h"
#include "raster/ycairo_canvas.h"
#include "raster/ycairo_gui.h"
#include "raster/ycairo_text.h"
#include "tests/core/TestPlug.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// Just a drawing surface, as the graphics core provides one.
class SurfaceEditor : public IPlugEditor
{
public:
  SurfaceEditor(int width, int height) { surface.SetSize(width, height); }

  void CreateDrawingSurfaces() override {}
  LICE_IBitmap* DrawingSurface() override { return &surface; }
  double DrawScale() const override { return 1.0; }
  void TakeBoundParamValue(int, double) override {}
  void ApplyParamToControls(int, double, bool) override {}
  void MarkAllControlsDirty() override {}
  void* OpenEditorWindow(void*) override { return nullptr; }
  void CloseEditorWindow() override {}
  double GetDisplayScale() override { return 1.0; }
  bool SetHostScaleFactor(double) override { return false; }
  int Width() const override { return surface.Width(); }
  int Height() const override { return surface.Height(); }

  LICE_SysBitmap surface;
};

// Pixels whose colour differs from white, ignoring the fourth byte that
// cairo does not keep.
InkBox FindInkOnWhite(LICE_IBitmap& bitmap)
{
  return FindInk(bitmap, [](LICE_pixel pixel) { return (pixel & 0xFFFFFF) != 0xFFFFFF; });
}
} // namespace

TEST(CairoTextPlacement, PenAndBaselineFromTheExtents)
{
  const IRectI rect{0, 0, 100, 20};
  // Width 40, x bearing 1: centred at (100 - 0 - 40 - 1) * 0.5 + 0.
  EXPECT_DOUBLE_EQ(CairoPenX(rect, CairoHAlignCentre, 40.0, 1.0), 29.5);
  EXPECT_DOUBLE_EQ(CairoPenX(rect, CairoHAlignLeft, 40.0, 1.0), 0.0);
  EXPECT_DOUBLE_EQ(CairoPenX(rect, CairoHAlignRight, 40.0, 1.0), 59.0);
  EXPECT_DOUBLE_EQ(CairoPenX({441, 242, 491, 260}, CairoHAlignCentre, 21.25, 0.5), 455.125);
  // Font height 12, descent 3, ascent 9: middle 20 - (20 - 12) * 0.5 - 3.
  EXPECT_DOUBLE_EQ(CairoBaselineY(rect, CairoVAlignMiddle, 9.0, 3.0, 12.0), 13.0);
  EXPECT_DOUBLE_EQ(CairoBaselineY(rect, CairoVAlignTop, 9.0, 3.0, 12.0), 9.0);
  EXPECT_DOUBLE_EQ(CairoBaselineY(rect, CairoVAlignBottom, 9.0, 3.0, 12.0), 17.0);
  EXPECT_DOUBLE_EQ(CairoBaselineY({603, 114, 721, 132}, CairoVAlignMiddle, 8.5, 2.5, 10.5), 125.75);
}

TEST(CairoCanvas, BindingPaintsTheSurfaceAndRebindingFollowsNewPixels)
{
  SurfaceEditor editor(30, 20);
  Fill(editor.surface, 0xFF000000);
  ycairo_canvas canvas;
  canvas.SetClearColour(1.0, 0.0, 1.0);
  canvas.BindCanvas(editor);
  ASSERT_NE(canvas.Context(), nullptr);
  EXPECT_EQ(canvas.Width(), 30);
  EXPECT_EQ(canvas.Height(), 20);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{29, 19}, std::pair{12, 7}})
    EXPECT_EQ(PixelAt(editor.surface, x, y) & 0xFFFFFF, 0xFF00FFu);

  // New pixels (larger than the old store): bound again, cairo draws there.
  editor.surface.SetSize(64, 48);
  Fill(editor.surface, 0xFF000000);
  canvas.SetClearColour(0.0, 1.0, 0.0);
  canvas.BindCanvas(editor);
  EXPECT_EQ(canvas.Width(), 64);
  EXPECT_EQ(PixelAt(editor.surface, 63, 47) & 0xFFFFFF, 0x00FF00u);
}

TEST(CairoCanvas, NoPixelsLeaveTheCanvasUnbound)
{
  SurfaceEditor editor(0, 0);
  ycairo_canvas canvas;
  canvas.BindCanvas(editor);
  EXPECT_EQ(canvas.Context(), nullptr);
  EXPECT_EQ(canvas.Surface(), nullptr);
}

TEST(CairoGui, DrawingIsClippedToTheControlRectangle)
{
  TestPlug plug;
  SurfaceEditor editor(40, 30);
  auto owned = std::make_unique<ycairo_canvas>();
  ycairo_canvas& canvas = *owned;
  plug.SetCanvas(std::move(owned));
  const IRectI rect{10, 5, 25, 12};
  ycairo_gui gui(plug, rect);
  EXPECT_EQ(gui.BeginCairoClip(), nullptr) << "unbound canvas";

  canvas.BindCanvas(editor);
  Fill(editor.surface, 0xFF000000);
  cairo_t* context = gui.BeginCairoClip();
  ASSERT_EQ(context, canvas.Context());
  cairo_set_source_rgb(context, 1.0, 1.0, 1.0);
  cairo_paint(context);
  gui.EndCairoClip();
  // After the clip ends the whole surface is reachable again.
  cairo_set_source_rgb(context, 0.0, 0.0, 1.0);
  cairo_rectangle(context, 0, 0, 2, 2);
  cairo_fill(context);
  cairo_surface_flush(canvas.Surface());

  for (int y = 0; y < 30; ++y)
  {
    for (int x = 0; x < 40; ++x)
    {
      LICE_pixel expected = rect.Contains(x, y) ? 0xFFFFFF : 0x000000;
      if (x < 2 && y < 2)
        expected = 0x0000FF;
      ASSERT_EQ(PixelAt(editor.surface, x, y) & 0xFFFFFF, expected) << x << "," << y;
    }
  }
}

TEST(CairoText, TextLandsWhereTheExtentsPutIt)
{
  SurfaceEditor editor(200, 40);
  ycairo_canvas canvas;
  canvas.SetClearColour(1.0, 1.0, 1.0);
  canvas.BindCanvas(editor);
  ycairo_text text;
  text.LoadFontResource(107, kResourceTypeRawData);
  ASSERT_TRUE(text.FontLoaded());

  const IRectI rect{20, 10, 180, 28};
  text.ShowTextInRect(canvas.Context(), "HIJ 15 IPS", 9.0, 0xFF404040, rect, CairoHAlignCentre, CairoVAlignMiddle);
  cairo_surface_flush(canvas.Surface());
  EXPECT_EQ(text.Text(), "HIJ 15 IPS");
  EXPECT_EQ(text.TextRect(), rect);

  const cairo_text_extents_t& extents = text.TextExtents();
  const cairo_font_extents_t& font = text.FontExtents();
  EXPECT_GT(extents.width, 20.0);
  const double x = (180 - 20 - extents.width - extents.x_bearing) * 0.5 + 20;
  const double baseline = 28 - ((28 - 10) - font.height) * 0.5 - font.descent;
  const InkBox ink = FindInkOnWhite(editor.surface);
  // Anti-aliased edges may reach one pixel beyond the exact outline.
  EXPECT_NEAR(ink.left, x + extents.x_bearing, 1.0);
  EXPECT_NEAR(ink.right, x + extents.x_bearing + extents.width, 1.0);
  EXPECT_NEAR(ink.bottom, baseline + extents.height + extents.y_bearing, 1.0);
  EXPECT_NEAR(ink.top, baseline + extents.y_bearing, 1.0);
}

TEST(CairoText, EmptyTextDrawsNothingAndMissingFontStaysUnloaded)
{
  SurfaceEditor editor(50, 20);
  ycairo_canvas canvas;
  canvas.SetClearColour(1.0, 1.0, 1.0);
  canvas.BindCanvas(editor);
  ycairo_text text;
  text.LoadFontResource(9999, kResourceTypeRawData);
  EXPECT_FALSE(text.FontLoaded());
  text.LoadFontResource(107, kResourceTypeRawData);
  text.ShowTextInRect(canvas.Context(), "", 10.0, 0xFF000000, {0, 0, 50, 20}, CairoHAlignCentre, CairoVAlignMiddle);
  text.ShowTextInRect(canvas.Context(), nullptr, 10.0, 0xFF000000, {0, 0, 50, 20}, CairoHAlignCentre,
                      CairoVAlignMiddle);
  cairo_surface_flush(canvas.Surface());
  EXPECT_EQ(FindInkOnWhite(editor.surface).right, -1);
  EXPECT_DOUBLE_EQ(text.TextExtents().width, 0.0);
}

TEST(CairoText, FacesOutliveTheirOwnersWhileCairoHoldsThem)
{
  // Each selector frees its face when it goes, while cairo may still cache
  // fonts made from it; drawing on must not touch a freed face.
  SurfaceEditor editor(80, 20);
  ycairo_canvas canvas;
  canvas.BindCanvas(editor);
  for (int round = 0; round < 3; ++round)
  {
    auto text = std::make_unique<ycairo_text>();
    text->LoadFontResource(107, kResourceTypeRawData);
    text->ShowTextInRect(canvas.Context(), "Group 1", 9.0, 0xFFFFFFFF, {0, 0, 80, 20}, CairoHAlignCentre,
                         CairoVAlignMiddle);
    text->LoadFontResource(107, kResourceTypeRawData);
    text->ShowTextInRect(canvas.Context(), "Group 2", 9.0, 0xFFFFFFFF, {0, 0, 80, 20}, CairoHAlignCentre,
                         CairoVAlignMiddle);
  }
  cairo_text_extents_t extents;
  cairo_text_extents(canvas.Context(), "still here", &extents);
  cairo_show_text(canvas.Context(), "still here");
  EXPECT_EQ(cairo_status(canvas.Context()), CAIRO_STATUS_SUCCESS);
}
