#pragma once

#include "graphics/IColorRGBA.h"

class LICE_CachedFont;

enum TextStyleWeight : int
{
  TextStyleNormal = 0,
  TextStyleBold = 1,
  TextStyleItalic = 2,
};

enum TextStyleAlignment : int
{
  TextAlignLeft = 0,
  TextAlignCentre = 1,
  TextAlignRight = 2,
};

enum TextStyleQuality : int
{
  TextQualityDefault = 0,
  TextQualityNonAntialiased = 1,
  TextQualityAntialiased = 2,
  TextQualityClearType = 3,
};

// How a control prints text, and how the platform's text-entry field looks
// while it edits the control's value.
struct ITextStyle
{
  static constexpr int kFontNameLength = 32;  // 31 characters and a terminator

  char fontName[kFontNameLength] = "Arial";
  // Font height in pixels.
  int size = 12;
  IColorRGBA colour = kColorBlack;
  IColorRGBA entryBackground = kColorWhite;
  IColorRGBA entryText = kColorBlack;
  int style = TextStyleNormal;
  int alignment = TextAlignCentre;
  // 1 asks for bottom placement.
  int verticalPlacement = 0;
  // Degrees.
  int orientation = 0;
  int quality = TextQualityDefault;
  // Taken from the process-wide font cache on first use; not owned.
  LICE_CachedFont* cachedFont = nullptr;

  ITextStyle() = default;
  ITextStyle(const char* font, int sizePixels, const IColorRGBA& textColour);
};
