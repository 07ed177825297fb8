#include "graphics/ITextStyle.h"

#include <cstdio>

ITextStyle::ITextStyle(const char* font, int sizePixels, const IColorRGBA& textColour)
  : size(sizePixels), colour(textColour)
{
  std::snprintf(fontName, sizeof fontName, "%s", font != nullptr ? font : "");
}
