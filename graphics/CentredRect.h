#pragma once

#include "core/IRectI.h"

// The rectangle of the same centre and half sizes, each computed in single
// precision and truncated: odd sizes lose their last pixel. Prompts open over it.
inline IRectI SameCentreRect(const IRectI& rect)
{
  const int cx = static_cast<int>(static_cast<float>(rect.left + rect.right) * 0.5f);
  const int cy = static_cast<int>(static_cast<float>(rect.top + rect.bottom) * 0.5f);
  const int halfWidth = static_cast<int>(static_cast<float>(rect.right - rect.left) * 0.5f);
  const int halfHeight = static_cast<int>(static_cast<float>(rect.bottom - rect.top) * 0.5f);
  return {cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
}
