#include "graphics/WindowRects.h"

#include <cmath>

namespace
{
// A hair below one pixel, so that products such as 20 x 1.5 = 30.000000001
// are not rounded up to a pixel they do not reach.
constexpr double kRoundingSlack = 1e-9;

int Down(double value) { return static_cast<int>(std::floor(value + kRoundingSlack)); }
int Up(double value) { return static_cast<int>(std::ceil(value - kRoundingSlack)); }

bool Usable(double scale) { return scale > 0.0 && std::isfinite(scale); }
} // namespace

IRectI WindowRectFor(const IRectI& editor, double scale)
{
  if (editor.IsEmpty() || !Usable(scale))
    return editor;
  return {Down(editor.left * scale), Down(editor.top * scale), Up(editor.right * scale), Up(editor.bottom * scale)};
}

IRectI EditorRectFor(const IRectI& window, double scale)
{
  if (window.IsEmpty() || !Usable(scale))
    return window;
  return {Down(window.left / scale), Down(window.top / scale), Up(window.right / scale), Up(window.bottom / scale)};
}

int ScaledSize(int editorPixels, double scale)
{
  return Usable(scale) ? static_cast<int>(std::trunc(editorPixels * scale)) : editorPixels;
}
