#pragma once

#include <climits>

// How DrawString lays out, clips and blends a string. The values are the
// platform's text-drawing flags, so a native path can pass them on unchanged.
enum TextFlags : int
{
  TextCentre = 0x1,
  TextRight = 0x2,
  TextMiddle = 0x4,
  TextBottom = 0x8,
  // A line feed counts as a space.
  TextOneLine = 0x20,
  // Clip to the target bitmap only, not to the rectangle.
  TextNoClip = 0x100,
  // Draw nothing; the rectangle's right and bottom receive the text's extent.
  TextMeasure = 0x400,
  // The text colour's alpha scales the combine alpha.
  TextUseForegroundAlpha = 0x40000000,
  // Bit 31: never hand the string to the platform.
  TextNoNative = INT_MIN,
};

// How a cached font treats the platform font attached to it.
enum FontFlags : int
{
  // Render codes 0..127 when the font is attached, and no others.
  FontPrecacheAscii = 0x4,
  // Destroy the platform font with the cached font.
  FontOwnsNative = 0x200,
  // Let the platform draw whole strings where it can.
  FontPreferNative = 0x400,
};

// Font flags that keep strings off the native path.
constexpr int kFontFlagsBlockingNative = 0x1F7;
