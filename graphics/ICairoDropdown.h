#pragma once

#include "graphics/IControl.h"
#include "raster/ycairo_gui.h"
#include "raster/ycairo_text.h"

#include <string>

// Prints its parameter's current value, centred, with cairo in the font the
// module embeds, and offers the parameter's choices in a menu (or a text
// field for a parameter without texts) when clicked. The box around the text
// is part of the background picture.
class ICairoDropdown : public IControl, private ycairo_gui, private ycairo_text
{
public:
  static constexpr int kFontResourceId = 107;

  ICairoDropdown(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IColorRGBA& textColour);

  void PressAt(int x, int y, const IMouseState& state) override;
  void DoubleClickAt(int x, int y, const IMouseState& state) override;
  bool Render(IGraphics& graphics) override;

  // What the last pass printed.
  const std::string& ShownText() const { return mShownText; }
  using ycairo_text::FontLoaded;
  using ycairo_text::TextExtents;
  using ycairo_text::FontExtents;

private:
  IColorRGBA mTextColour;
  std::string mShownText;
};
