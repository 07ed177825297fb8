#include "raster/LICE_Resample.h"

#include "raster/LICE_Bitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace
{
constexpr double kCubicReach = 2.0;

// Catmull-Rom: 1 at 0, 0 at every other whole distance.
double Cubic(double x)
{
  x = std::abs(x);
  if (x < 1.0)
    return (1.5 * x - 2.5) * x * x + 1.0;
  if (x < 2.0)
    return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
  return 0.0;
}

// The source pixels one row or column of destination pixels takes, with
// their weights: taps [first[i], first[i] + count[i]) for destination i.
struct Taps
{
  std::vector<int> first;
  std::vector<int> count;
  std::vector<float> weights;
  std::vector<std::size_t> offset;
};

Taps TapsFor(int destCount, double origin, double step, int areaStart, int areaEnd)
{
  Taps taps;
  const double widen = std::max(1.0, step);
  const double reach = kCubicReach * widen;
  std::vector<double> gathered;
  for (int i = 0; i < destCount; ++i)
  {
    const double centre = origin + (i + 0.5) * step;
    const int low = static_cast<int>(std::floor(centre - reach - 0.5));
    const int high = static_cast<int>(std::ceil(centre + reach - 0.5));
    // Beyond the area the edge pixel stands in: its weights gather there.
    const int first = std::clamp(low, areaStart, areaEnd - 1);
    const int last = std::clamp(high, areaStart, areaEnd - 1);
    gathered.assign(static_cast<std::size_t>(last - first + 1), 0.0);
    double total = 0.0;
    for (int j = low; j <= high; ++j)
    {
      const double weight = Cubic((j + 0.5 - centre) / widen);
      gathered[static_cast<std::size_t>(std::clamp(j, areaStart, areaEnd - 1) - first)] += weight;
      total += weight;
    }
    taps.first.push_back(first);
    taps.count.push_back(last - first + 1);
    taps.offset.push_back(taps.weights.size());
    for (const double weight : gathered)
      taps.weights.push_back(static_cast<float>(total != 0.0 ? weight / total : 0.0));
  }
  return taps;
}

using Premultiplied = std::array<float, 4>;

Premultiplied PremultipliedOf(LICE_pixel p)
{
  const float alpha = static_cast<float>(LICE_GetA(p));
  const float weight = alpha / 255.0f;
  return {static_cast<float>(LICE_GetB(p)) * weight, static_cast<float>(LICE_GetG(p)) * weight,
          static_cast<float>(LICE_GetR(p)) * weight, alpha};
}

int Channel(float value) { return static_cast<int>(std::lround(std::clamp(value, 0.0f, 255.0f))); }

LICE_pixel StraightOf(const Premultiplied& p)
{
  const int alpha = Channel(p[3]);
  if (alpha == 0)
    return 0;
  const float unweight = 255.0f / std::clamp(p[3], 1.0f, 255.0f);
  return LICE_RGBA(Channel(p[2] * unweight), Channel(p[1] * unweight), Channel(p[0] * unweight), alpha);
}

const LICE_pixel* RowOf(LICE_IBitmap& bitmap, int y)
{
  const int row = bitmap.IsBottomUp() ? bitmap.Height() - 1 - y : y;
  return bitmap.PixelData() + static_cast<std::ptrdiff_t>(row) * bitmap.RowStride();
}
} // namespace

void LICE_Resample(LICE_IBitmap& dest, LICE_IBitmap& source, const IRectI& area, const LICE_SampleGrid& grid)
{
  const IRectI inside = area.ClippedTo(source.Width(), source.Height());
  const int width = dest.Width();
  const int height = dest.Height();
  if (dest.PixelData() == nullptr || source.PixelData() == nullptr || width <= 0 || height <= 0 ||
      inside.Width() <= 0 || inside.Height() <= 0 || !(grid.step > 0.0))
    return;

  const Taps columns = TapsFor(width, grid.originX, grid.step, inside.left, inside.right);
  const Taps rows = TapsFor(height, grid.originY, grid.step, inside.top, inside.bottom);

  // Across first, for the source rows the rows' taps reach.
  const int firstRow = rows.first.front();
  const int lastRow = rows.first.back() + rows.count.back() - 1;
  std::vector<Premultiplied> across(static_cast<std::size_t>(lastRow - firstRow + 1) * width);
  std::vector<Premultiplied> sourceRow(static_cast<std::size_t>(inside.Width()));
  for (int y = firstRow; y <= lastRow; ++y)
  {
    const LICE_pixel* pixels = RowOf(source, y);
    for (int x = inside.left; x < inside.right; ++x)
      sourceRow[static_cast<std::size_t>(x - inside.left)] = PremultipliedOf(pixels[x]);
    Premultiplied* out = across.data() + static_cast<std::ptrdiff_t>(y - firstRow) * width;
    for (int x = 0; x < width; ++x)
    {
      Premultiplied sum{};
      const float* weights = columns.weights.data() + columns.offset[static_cast<std::size_t>(x)];
      const Premultiplied* taps = sourceRow.data() + (columns.first[static_cast<std::size_t>(x)] - inside.left);
      for (int k = 0; k < columns.count[static_cast<std::size_t>(x)]; ++k)
        for (int c = 0; c < 4; ++c)
          sum[static_cast<std::size_t>(c)] += weights[k] * taps[k][static_cast<std::size_t>(c)];
      out[x] = sum;
    }
  }

  for (int y = 0; y < height; ++y)
  {
    LICE_pixel* out = const_cast<LICE_pixel*>(RowOf(dest, y));
    const float* weights = rows.weights.data() + rows.offset[static_cast<std::size_t>(y)];
    const Premultiplied* taps = across.data() + static_cast<std::ptrdiff_t>(rows.first[static_cast<std::size_t>(y)] - firstRow) * width;
    for (int x = 0; x < width; ++x)
    {
      Premultiplied sum{};
      for (int k = 0; k < rows.count[static_cast<std::size_t>(y)]; ++k)
        for (int c = 0; c < 4; ++c)
          sum[static_cast<std::size_t>(c)] += weights[k] * taps[static_cast<std::ptrdiff_t>(k) * width + x][static_cast<std::size_t>(c)];
      out[x] = StraightOf(sum);
    }
  }
}
