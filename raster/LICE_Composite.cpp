#include "raster/LICE_Composite.h"

#include "raster/BlendOperators.h"
#include "raster/CompositeWindow.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace
{
constexpr int kOperatorMask = 0xFF;
constexpr int kFullWeight = 256;
// Weights beyond alpha +-256 keep every product of the blend formulas inside
// int32 and the float-to-int conversion defined.
constexpr double kWeightLimit = 65536.0;

// Walks the rows of one bitmap from a window's top-left pixel, honouring
// bottom-up storage.
struct RowCursor
{
  LICE_pixel* first;
  std::ptrdiff_t step;

  LICE_pixel* Row(int j) const { return first + step * j; }
};

RowCursor CursorAt(LICE_IBitmap& bitmap, LICE_pixel* pixels, int x, int y)
{
  const std::ptrdiff_t stride = bitmap.RowStride();
  if (bitmap.IsBottomUp())
    return {pixels + stride * (bitmap.Height() - 1 - y) + x, -stride};
  return {pixels + stride * y + x, stride};
}

struct CompositeRows
{
  RowCursor dest;
  RowCursor src;
  int width;
  int height;
};

void CopyRows(const CompositeRows& rows)
{
  const std::size_t rowBytes = static_cast<std::size_t>(rows.width) * sizeof(LICE_pixel);
  for (int j = 0; j < rows.height; ++j)
    std::memmove(rows.dest.Row(j), rows.src.Row(j), rowBytes);
}

template <typename Operator>
void BlendRows(const CompositeRows& rows, Operator blend)
{
  for (int j = 0; j < rows.height; ++j)
  {
    LICE_pixel* d = rows.dest.Row(j);
    const LICE_pixel* s = rows.src.Row(j);
    for (int i = 0; i < rows.width; ++i)
      d[i] = blend(d[i], s[i]);
  }
}

int WeightOf(float alpha)
{
  const double scaled = static_cast<double>(alpha) * 256.0;
  if (std::isnan(scaled))
    return 0;
  return static_cast<int>(std::clamp(scaled, -kWeightLimit, kWeightLimit));
}

void CompositeCopy(const CompositeRows& rows, int weight, bool useSourceAlpha)
{
  if (useSourceAlpha)
  {
    if (weight == kFullWeight)
      BlendRows(rows, Blend::CopySourceAlphaFull{});
    else
      BlendRows(rows, Blend::CopySourceAlphaWeighted{weight});
  }
  else if (weight == kFullWeight)
    CopyRows(rows);
  else
    BlendRows(rows, Blend::CopyWeighted{weight});
}
} // namespace

void LICE_Composite(LICE_IBitmap* dest, LICE_IBitmap* src, int destX, int destY, const IRectI* srcRect, float alpha,
                    int mode)
{
  if (dest == nullptr || src == nullptr || alpha == 0.0f)
    return;

  const std::optional<CompositeWindow> window =
    ClipComposite(dest->Width(), dest->Height(), src->Width(), src->Height(), destX, destY, srcRect);
  if (!window)
    return;

  LICE_pixel* destPixels = dest->PixelData();
  LICE_pixel* srcPixels = src->PixelData();
  if (destPixels == nullptr || srcPixels == nullptr)
    return;

  const CompositeRows rows{CursorAt(*dest, destPixels, window->destX, window->destY),
                           CursorAt(*src, srcPixels, window->srcX, window->srcY), window->width, window->height};
  const int op = mode & kOperatorMask;
  const bool useSourceAlpha = (mode & ModeUseSourceAlpha) != 0;

  if (op == ModeCopy && !useSourceAlpha && alpha == 0.5f)
  {
    BlendRows(rows, Blend::HalfCopy{});
    return;
  }

  const int weight = WeightOf(alpha);
  if (weight == 0)
    return;

  switch (op)
  {
  case ModeAdd:
    if (useSourceAlpha)
      BlendRows(rows, Blend::AddSourceAlpha{weight});
    else
      BlendRows(rows, Blend::Add{weight});
    break;
  case ModeDodge:
    if (useSourceAlpha)
      BlendRows(rows, Blend::DodgeSourceAlpha{weight});
    else
      BlendRows(rows, Blend::Dodge{weight});
    break;
  default:
    CompositeCopy(rows, weight, useSourceAlpha);
    break;
  }
}
