#include "EditorFixture.h"
#include "ReferenceCairoFace.h"
#include "tests/raster/BitmapFixture.h"
#include "graphics/ICairoDropdown.h"
#include "raster/ycairo_canvas.h"

#include <gtest/gtest.h>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};
constexpr IMouseState kRight{false, true, false, false, false};
constexpr IMouseState kMiddle{};
constexpr IColorRGBA kGrey{255, 64, 64, 64};
const IRectI kDeckRect{603, 198, 721, 216};
const IRectI kHissRect{440, 413, 490, 431};

struct DropdownEditor : EditorFixture
{
  DropdownEditor() : EditorFixture(760, 450) { plug.SetCanvas(std::make_unique<ycairo_canvas>()); }
};

// cairo's extents for `text` at `size` in the reference face.
cairo_text_extents_t ReferenceExtents(const char* text, double size)
{
  cairo_font_face_t* cairoFace = CreateReferenceCairoFace();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 10, 10);
  cairo_t* context = cairo_create(surface);
  cairo_set_font_face(context, cairoFace);
  cairo_set_font_size(context, size);
  cairo_text_extents_t extents;
  cairo_text_extents(context, text, &extents);
  cairo_destroy(context);
  cairo_surface_destroy(surface);
  cairo_font_face_destroy(cairoFace);
  return extents;
}
} // namespace

TEST(Dropdown, ShowsTheCurrentChoiceAndOffersEveryChoice)
{
  DropdownEditor editor;
  auto& deck = editor.Add<ICairoDropdown>(kDeckRect, ParamDeckType, kGrey);
  auto& twin = editor.Add<ICairoDropdown>(IRectI{603, 250, 721, 268}, ParamDeckType, kGrey);
  editor.Bind();
  EXPECT_TRUE(deck.FontLoaded());
  editor.graphics->DrawAll();
  EXPECT_EQ(deck.ShownText(), "Japan 15 IPS");

  editor.graphics->menuChoices = {3};
  editor.graphics->PointerDown(650, 205, kLeft);
  editor.graphics->PointerUp(650, 205, kLeft);
  ASSERT_EQ(editor.graphics->menus.size(), 1u);
  const TestGraphics::ShownMenu& shown = editor.graphics->menus[0];
  EXPECT_EQ(shown.rect, kDeckRect);
  ASSERT_EQ(shown.menu.items.size(), 8u);
  EXPECT_EQ(shown.menu.items[0].text, "Japan 15 IPS");
  EXPECT_EQ(shown.menu.items[0].flags, PopupItemChecked);
  EXPECT_EQ(shown.menu.items[7].text, "American 2 30 IPS");
  EXPECT_EQ(shown.menu.items[7].flags, 0);

  // The fourth item: 3 of 7, inside the gesture the press began.
  ASSERT_EQ(editor.plug.events.size(), 3u);
  EXPECT_EQ(editor.plug.events[0], (PlugEvent{PlugEvent::Begin, ParamDeckType}));
  EXPECT_EQ(editor.plug.events[1].kind, PlugEvent::Inform);
  EXPECT_DOUBLE_EQ(editor.plug.events[1].value, 3.0 / 7.0);
  EXPECT_EQ(editor.plug.events[2], (PlugEvent{PlugEvent::End, ParamDeckType}));
  EXPECT_DOUBLE_EQ(twin.Value(), 3.0 / 7.0);

  editor.graphics->DrawAll();
  EXPECT_EQ(deck.ShownText(), "American 30 IPS");
  EXPECT_EQ(twin.ShownText(), "American 30 IPS");
}

TEST(Dropdown, DismissedMenuChangesNothing)
{
  DropdownEditor editor;
  auto& deck = editor.Add<ICairoDropdown>(kDeckRect, ParamDeckType, kGrey);
  editor.Bind();
  editor.graphics->PointerDoubleClick(650, 205, kLeft);  // a double click opens it too
  ASSERT_EQ(editor.graphics->menus.size(), 1u);
  EXPECT_DOUBLE_EQ(deck.Value(), 0.0);
  EXPECT_DOUBLE_EQ(editor.plug.GetParam(ParamDeckType)->Value(), 0.0);
  EXPECT_TRUE(editor.plug.events.empty());
}

TEST(Dropdown, OnlyLeftAndRightPressesOpenIt)
{
  DropdownEditor editor;
  auto& deck = editor.Add<ICairoDropdown>(kDeckRect, ParamDeckType, kGrey);
  editor.Bind();
  deck.PressAt(650, 205, kMiddle);
  EXPECT_TRUE(editor.graphics->menus.empty());
  deck.PressAt(650, 205, kRight);
  EXPECT_EQ(editor.graphics->menus.size(), 1u);
  // Through the graphics core a right press is the host's.
  editor.graphics->PointerDown(650, 205, kRight);
  EXPECT_EQ(editor.graphics->menus.size(), 1u);
  EXPECT_EQ(editor.plug.events[0], (PlugEvent{PlugEvent::HostMenu, ParamDeckType, 0.0, 650, 205}));
}

TEST(Dropdown, HissLevelShowsItsUnitAndOpensATextField)
{
  DropdownEditor editor;
  auto& hiss = editor.Add<ICairoDropdown>(kHissRect, ParamHissLevel, kGrey);
  editor.Bind();
  editor.graphics->DrawAll();
  EXPECT_EQ(hiss.ShownText(), "-76dB");

  // An 18-pixel selector prints at size 9.
  const cairo_text_extents_t expected = ReferenceExtents("-76dB", 9.0);
  EXPECT_DOUBLE_EQ(hiss.TextExtents().width, expected.width);
  EXPECT_DOUBLE_EQ(hiss.TextExtents().height, expected.height);

  editor.graphics->PointerDown(460, 420, kLeft);
  ASSERT_EQ(editor.graphics->textEntries.size(), 1u);
  const TestGraphics::TextEntry& entry = editor.graphics->textEntries[0];
  EXPECT_EQ(entry.text, "-76");
  EXPECT_EQ(entry.rect, kHissRect);
  EXPECT_EQ(entry.control, &hiss);
  EXPECT_TRUE(editor.graphics->menus.empty());
}

TEST(Dropdown, HostChangesShowAtTheNextPass)
{
  DropdownEditor editor;
  auto& group = editor.Add<ICairoDropdown>(IRectI{603, 114, 721, 132}, ParamGroup, kGrey);
  editor.Bind();
  editor.graphics->DrawAll();
  EXPECT_EQ(group.ShownText(), "No group");

  editor.plug.GetParam(ParamGroup)->SetClamped(4.0);
  editor.graphics->ApplyParamToControls(ParamGroup, 4.0, false);
  IRectI region;
  ASSERT_TRUE(editor.graphics->CollectDirtyRegion(region));
  EXPECT_EQ(region, (IRectI{603, 114, 721, 132}));
  editor.graphics->DrawRegion(region);
  EXPECT_EQ(group.ShownText(), "Group 4");
}

TEST(Dropdown, TextStaysInsideTheSelector)
{
  DropdownEditor editor;
  // Far too narrow for its text: what does not fit is clipped away.
  editor.Add<ICairoDropdown>(IRectI{100, 100, 112, 118}, ParamDeckType, kGrey);
  editor.Bind();
  Fill(*editor.graphics->DrawingSurface(), 0xFFFFFFFF);
  editor.graphics->DrawAll();
  LICE_IBitmap& surface = *editor.graphics->DrawingSurface();
  bool inkInside = false;
  for (int y = 80; y < 140; ++y)
  {
    for (int x = 60; x < 160; ++x)
    {
      const bool changed = (PixelAt(surface, x, y) & 0xFFFFFF) != 0xFFFFFF;
      const bool inside = x >= 100 && x < 112 && y >= 100 && y < 118;
      if (!inside)
      {
        ASSERT_FALSE(changed) << x << "," << y;
      }
      inkInside = inkInside || changed;
    }
  }
  EXPECT_TRUE(inkInside);
}

TEST(Dropdown, WithoutABoundCanvasNothingIsDrawn)
{
  EditorFixture editor(760, 450);
  auto& deck = editor.Add<ICairoDropdown>(kDeckRect, ParamDeckType, kGrey);
  auto& unknown = editor.Add<ICairoDropdown>(IRectI{10, 10, 50, 28}, 77, kGrey);
  editor.Bind();
  EXPECT_NO_FATAL_FAILURE(editor.graphics->DrawAll());
  EXPECT_EQ(deck.ShownText(), "Japan 15 IPS");
  EXPECT_EQ(unknown.ShownText(), "");
  unknown.PressAt(20, 20, kLeft);
  EXPECT_TRUE(editor.graphics->menus.empty());
}

TEST(Dropdown, RecreatedSurfaceIsDrawnInto)
{
  DropdownEditor editor;
  editor.Add<ICairoDropdown>(kDeckRect, ParamDeckType, kGrey);
  editor.Bind();
  // A new size recreates the surface; the canvas must follow it.
  editor.graphics->Resize(800, 480);
  EXPECT_EQ(editor.plug.resizedWidth, 800);
  EXPECT_EQ(editor.graphics->DrawingSurface()->Width(), 800);
  Fill(*editor.graphics->DrawingSurface(), 0xFFFFFFFF);
  editor.graphics->DrawAll();
  bool inked = false;
  for (int y = kDeckRect.top; y < kDeckRect.bottom; ++y)
    for (int x = kDeckRect.left; x < kDeckRect.right; ++x)
      inked = inked || (PixelAt(*editor.graphics->DrawingSurface(), x, y) & 0xFFFFFF) != 0xFFFFFF;
  EXPECT_TRUE(inked);
}
