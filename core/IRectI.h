#pragma once

#include <algorithm>

// Integer rectangle in editor pixels; right and bottom are exclusive. The
// all-zero rectangle is empty: it contains no point and meets nothing.
struct IRectI
{
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return !IsEmpty() && left <= x && x < right && top <= y && y < bottom; }

  // The part of this rectangle inside (0, 0, width, height); its width or
  // height is zero or negative when nothing is inside.
  IRectI ClippedTo(int width, int height) const
  {
    return {std::max(left, 0), std::max(top, 0), std::min(right, width), std::min(bottom, height)};
  }

  IRectI Union(const IRectI& other) const
  {
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }

  bool operator==(const IRectI&) const = default;
};
