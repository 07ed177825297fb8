#include "ExpectedPicture.h"
#include "ReferenceCairoFace.h"
#include "TapeEditorFixture.h"
#include "tests/raster/BitmapFixture.h"
#include "graphics/IBitmapControl.h"
#include "graphics/ICairoDropdown.h"
#include "graphics/IKnobMultiControlText.h"
#include "graphics/ISwitchControl.h"
#include "raster/LICE_DecodePng.h"
#include "raster/ModuleResource.h"
#include "tests/raster/FreeTypeReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};

// The background with `text` printed into `rect` straight through cairo,
// centred as a selector centres it.
std::unique_ptr<LICE_MemBitmap> SelectorReference(const IRectI& rect, const char* text)
{
  std::unique_ptr<LICE_MemBitmap> reference = Picture(101);
  cairo_font_face_t* face = CreateReferenceCairoFace();

  cairo_surface_t* surface =
    cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(reference->PixelData()), CAIRO_FORMAT_RGB24,
                                        reference->Width(), reference->Height(), reference->RowStride() * 4);
  cairo_t* context = cairo_create(surface);
  cairo_rectangle(context, rect.left, rect.top, rect.Width(), rect.Height());
  cairo_clip(context);
  cairo_set_source_rgba(context, 64 / 255.0, 64 / 255.0, 64 / 255.0, 1.0);
  cairo_set_font_face(context, face);
  cairo_set_font_size(context, rect.Height() / 2.0);
  cairo_font_extents_t fontExtents;
  cairo_text_extents_t textExtents;
  cairo_font_extents(context, &fontExtents);
  cairo_text_extents(context, text, &textExtents);
  const double x = rect.left + (rect.Width() - textExtents.width - textExtents.x_bearing) / 2.0;
  const double y = rect.bottom - (rect.Height() - fontExtents.height) / 2.0 - fontExtents.descent;
  cairo_move_to(context, x, y);
  cairo_show_text(context, text);
  cairo_destroy(context);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  cairo_font_face_destroy(face);
  return reference;
}

int PixelsDifferingInColour(LICE_IBitmap& a, LICE_IBitmap& b, const IRectI& rect)
{
  int differing = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if ((PixelAt(a, x, y) & 0xFFFFFF) != (PixelAt(b, x, y) & 0xFFFFFF))
        ++differing;
  return differing;
}

const IRectI kLeftKnob{24, 212, 144, 332};
const IRectI kRightKnob{180, 212, 300, 332};
const IRectI kLeftVu{20, 14, 270, 139};
const IRectI kRightVu{280, 14, 530, 139};
const IRectI kMachine{549, 228, 729, 408};
const IRectI kLeftLamp{39, 106, 55, 122};
const IRectI kRightLamp{299, 106, 315, 122};
const IRectI kAutoInputButton{344, 193, 386, 235};
} // namespace

TEST(TapeEditorLayout, ControlsInDrawingOrder)
{
  enum Kind
  {
    Picture,
    KnobWithText,
    Button,
    Selector,
  };
  struct Expected
  {
    Kind kind;
    IRectI draw;
    int paramIdx;
  };
  const Expected expected[] = {
    {Picture, {0, 0, 760, 450}, -1},
    // Knob pictures (24, 212, 144, 332) with their value text below.
    {KnobWithText, {24, 212, 144, 345}, ParamInputLevel},
    {KnobWithText, {180, 212, 300, 345}, ParamOutputLevel},
    {Button, {344, 193, 386, 235}, ParamAutoInput},
    {Button, {344, 282, 386, 324}, ParamOutputCompensation},
    {Button, {344, 365, 386, 407}, ParamHiss},
    {Button, {641, 36, 683, 78}, ParamBypass},
    {Selector, {441, 242, 491, 260}, ParamAutoInputLevel},
    {Selector, {391, 333, 441, 351}, ParamBiasLevel},
    {Selector, {603, 114, 721, 132}, ParamGroup},
    {Selector, {603, 198, 721, 216}, ParamDeckType},
    {Selector, {440, 413, 490, 431}, ParamHissLevel},
    {Picture, kLeftVu, -1},
    {Picture, kRightVu, -1},
    {Picture, {39, 106, 55, 122}, -1},
    {Picture, {299, 106, 315, 122}, -1},
    {Picture, kMachine, -1},
  };
  TapeEditorFixture editor;
  ASSERT_EQ(editor.graphics->NControls(), 17);
  for (int i = 0; i < 17; ++i)
  {
    IControl* control = editor.graphics->GetControl(i);
    const Expected& e = expected[i];
    SCOPED_TRACE(testing::Message() << "control " << i);
    EXPECT_EQ(control->DrawRect(), e.draw);
    EXPECT_EQ(control->ParamIdx(), e.paramIdx);
    EXPECT_EQ(control->ListIndex(), i);
    switch (e.kind)
    {
    case Picture:
      EXPECT_NE(dynamic_cast<IBitmapControl*>(control), nullptr);
      EXPECT_EQ(dynamic_cast<ISwitchControl*>(control), nullptr);
      break;
    case KnobWithText:
      EXPECT_NE(dynamic_cast<IKnobMultiControlText*>(control), nullptr);
      break;
    case Button:
      EXPECT_NE(dynamic_cast<ISwitchControl*>(control), nullptr);
      break;
    case Selector:
      EXPECT_NE(dynamic_cast<ICairoDropdown*>(control), nullptr);
      break;
    }
  }
  auto& knob = dynamic_cast<IKnobMultiControlText&>(*editor.graphics->GetControl(1));
  EXPECT_EQ(knob.KnobRect(), kLeftKnob);
  EXPECT_EQ(knob.TextRect(), (IRectI{24, 326, 144, 345}));
  EXPECT_EQ(knob.TextStyle().size, 15);
  EXPECT_EQ(knob.TextStyle().colour, (IColorRGBA{255, 64, 64, 64}));
  EXPECT_EQ(editor.meters.leftVu, 12);
  EXPECT_EQ(editor.meters.rightVu, 13);
  EXPECT_EQ(editor.meters.leftLamp, 14);
  EXPECT_EQ(editor.meters.rightLamp, 15);
  EXPECT_EQ(editor.meters.machine, 16);

  // Whatever this process had not decoded yet was loaded in layout order.
  const std::vector<int> order = {102, 103, 105, 104, 106, 101};
  std::vector<int> expectedLoads;
  for (const int id : order)
    if (std::find(editor.graphics->pngLoads.begin(), editor.graphics->pngLoads.end(), id) !=
        editor.graphics->pngLoads.end())
      expectedLoads.push_back(id);
  EXPECT_EQ(editor.graphics->pngLoads, expectedLoads);
}

TEST(TapeEditorPicture, DefaultStateAsItIsShown)
{
  TapeEditorFixture editor;
  editor.graphics->DrawAll();
  LICE_IBitmap& surface = editor.Surface();

  // Knobs at the middle frame, 37 of 73; Auto input and Bypass off,
  // Output compensation and Hiss on; meters at rest, lamps dark, the Japan
  // machine.
  ExpectedPicture expected;
  expected.Layer(105, kLeftKnob, 37).Layer(105, kRightKnob, 37);
  expected.Layer(102, kAutoInputButton, 1).Layer(102, {344, 282, 386, 324}, 2).Layer(102, {344, 365, 386, 407}, 2);
  expected.Layer(102, {641, 36, 683, 78}, 1);
  expected.Layer(104, kLeftVu, 1).Layer(104, kRightVu, 1).Layer(103, kLeftLamp, 1).Layer(103, kRightLamp, 1);
  expected.Layer(106, kMachine, 1);
  // The knobs down to where their value text begins.
  EXPECT_EQ(expected.Differences(surface, {24, 212, 144, 326}), 0);
  EXPECT_EQ(expected.Differences(surface, {180, 212, 300, 326}), 0);
  for (const IRectI& rect : {kAutoInputButton, IRectI{344, 282, 386, 324}, IRectI{344, 365, 386, 407},
                             IRectI{641, 36, 683, 78}, kLeftVu, kRightVu, kMachine})
    EXPECT_EQ(expected.Differences(surface, rect), 0) << rect.left << "," << rect.top;
  ExpectedPicture turned;
  turned.Layer(105, kLeftKnob, 36);
  EXPECT_GT(turned.Differences(surface, {24, 212, 144, 326}), 0);
  ExpectedPicture pressed;
  pressed.Layer(102, kAutoInputButton, 2);
  EXPECT_GT(pressed.Differences(surface, kAutoInputButton), 0);

  // Selector texts, exactly as cairo prints them centred in each window.
  struct Selector
  {
    int index;
    IRectI rect;
    const char* text;
  };
  const Selector selectors[] = {
    {7, {441, 242, 491, 260}, "+0 VU"},   {8, {391, 333, 441, 351}, "+0 dB"},
    {9, {603, 114, 721, 132}, "No group"}, {10, {603, 198, 721, 216}, "Japan 15 IPS"},
    {11, {440, 413, 490, 431}, "-76dB"},
  };
  for (const Selector& s : selectors)
  {
    auto& selector = dynamic_cast<ICairoDropdown&>(*editor.graphics->GetControl(s.index));
    EXPECT_EQ(selector.ShownText(), s.text);
    const std::unique_ptr<LICE_MemBitmap> reference = SelectorReference(s.rect, s.text);
    EXPECT_EQ(PixelsDifferingInColour(surface, *reference, s.rect), 0) << s.text;
    EXPECT_GT(PixelsDifferingInColour(surface, *Picture(101), s.rect), 0) << s.text << " is printed";
  }
}

TEST(TapeEditorPicture, KnobValueTextSitsCentredInItsStrip)
{
  TapeEditorFixture editor;
  editor.graphics->DrawAll();
  auto& knob = dynamic_cast<IKnobMultiControlText&>(*editor.graphics->GetControl(1));
  EXPECT_EQ(knob.ValueText(), "0.0 dB");

  // Where the surface differs from the knob over the background is ink.
  LICE_IBitmap& surface = editor.Surface();
  const std::unique_ptr<LICE_MemBitmap> background = Picture(101);
  const std::unique_ptr<LICE_MemBitmap> strip = Picture(105);
  InkBox ink;
  for (int y = 300; y < 360; ++y)
  {
    for (int x = 0; x < 170; ++x)
    {
      LICE_pixel expected = PixelAt(*background, x, y);
      if (kLeftKnob.Contains(x, y))
        expected = Over(expected, PixelAt(*strip, x - 24, 36 * 120 + y - 212));
      if (PixelAt(surface, x, y) != expected)
        ink.Include(x, y);
    }
  }

  // From FreeType: the text is measured, centred on x = 84 and placed with
  // its 15-pixel cell in the middle of the 19 pixels from 326.
  const FreeTypeReference reference(15);
  int width = 0;
  int pen = 0;
  int expectedLeft = 1 << 20;
  int expectedRight = -1;
  int expectedTop = 1 << 20;
  for (const char c : std::string("0.0 dB"))
  {
    const ReferenceGlyph glyph = reference.Glyph(c);
    if (glyph.width > 0)
    {
      expectedLeft = std::min(expectedLeft, pen + glyph.left);
      expectedRight = std::max(expectedRight, pen + glyph.left + glyph.width);
      expectedTop = std::min(expectedTop, reference.Ascent() - glyph.top);
    }
    width = std::max({width, pen + glyph.advance, pen + glyph.left + glyph.width});
    pen += glyph.advance;
  }
  const int penX = 84 - width / 2;
  const int cellTop = 326 + (19 - 15) / 2;
  EXPECT_EQ(ink.left, penX + expectedLeft);
  EXPECT_EQ(ink.right, penX + expectedRight);
  EXPECT_EQ(ink.top, cellTop + expectedTop);
  EXPECT_EQ(ink.bottom, cellTop + reference.Ascent());
  EXPECT_EQ(knob.TextRect(), (IRectI{penX, 326, penX + width, 345}));
}

TEST(TapeEditorPicture, ChoosingSwissThirtyShowsTheThirdMachine)
{
  TapeEditorFixture editor;
  editor.ShowSettled();
  editor.graphics->menuChoices = {5};
  editor.graphics->PointerDown(660, 207, kLeft);
  editor.graphics->PointerUp(660, 207, kLeft);
  EXPECT_DOUBLE_EQ(editor.plug.GetParam(ParamDeckType)->Value(), 5.0);
  EXPECT_DOUBLE_EQ(editor.graphics->GetControl(editor.meters.machine)->Value(), 2.0 / 3.0);

  IRectI region;
  ASSERT_TRUE(editor.graphics->CollectDirtyRegion(region));
  EXPECT_EQ(region, (IRectI{549, 198, 729, 408})) << "the selector and the machine";
  editor.graphics->DrawRegion(region);
  ExpectedPicture expected;
  expected.Layer(106, kMachine, 3);
  EXPECT_EQ(expected.Differences(editor.Surface(), kMachine), 0);
  EXPECT_EQ(dynamic_cast<ICairoDropdown&>(*editor.graphics->GetControl(10)).ShownText(), "Swiss 30 IPS");
  const std::unique_ptr<LICE_MemBitmap> reference = SelectorReference({603, 198, 721, 216}, "Swiss 30 IPS");
  EXPECT_EQ(PixelsDifferingInColour(editor.Surface(), *reference, {603, 198, 721, 216}), 0);
}

TEST(TapeEditorPicture, MetersMoveWhenTheAudioThreadPushesValues)
{
  TapeEditorFixture editor;
  editor.ShowSettled();
  IRectI region;

  // Meters are bound to no parameter: the first value they take is also
  // their first value shown.
  std::thread audio([&editor] {
    editor.graphics->GetControl(editor.meters.leftVu)->TakePlugValue(0.5);
    editor.graphics->GetControl(editor.meters.leftLamp)->TakePlugValue(1.0);
  });
  audio.join();
  region = {};
  ASSERT_TRUE(editor.graphics->CollectDirtyRegion(region));
  EXPECT_EQ(region, kLeftVu);
  editor.graphics->DrawRegion(region);

  // 0.5 of 100 frames is frame 51; the lamp at 1 is frame 20, on top.
  ExpectedPicture expected;
  expected.Layer(104, kLeftVu, 51).Layer(103, kLeftLamp, 20).Layer(104, kRightVu, 1).Layer(103, kRightLamp, 1);
  EXPECT_EQ(expected.Differences(editor.Surface(), kLeftVu), 0);
  EXPECT_EQ(expected.Differences(editor.Surface(), kRightVu), 0) << "the right meter did not move";
}

TEST(TapeEditorPicture, ASecondEditorDecodesNothingAndSharesFonts)
{
  TapeEditorFixture first;
  first.graphics->DrawAll();
  TapeEditorFixture second;
  second.graphics->DrawAll();
  EXPECT_TRUE(second.graphics->pngLoads.empty());
  auto& firstKnob = dynamic_cast<IKnobMultiControlText&>(*first.graphics->GetControl(1));
  auto& secondKnob = dynamic_cast<IKnobMultiControlText&>(*second.graphics->GetControl(2));
  ASSERT_NE(firstKnob.TextStyle().cachedFont, nullptr);
  EXPECT_EQ(secondKnob.TextStyle().cachedFont, firstKnob.TextStyle().cachedFont);
  EXPECT_EQ(PixelsDifferingInColour(first.Surface(), second.Surface(), {0, 0, 760, 450}), 0);
}
