#include "raster/LICE_MemBitmap.h"

#include "raster/PixelArea.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr std::size_t kPixelAlignment = 64;
constexpr std::size_t kAlignmentSlack = kPixelAlignment - 1;

std::size_t AlignmentOffset(const unsigned char* block)
{
  return (kPixelAlignment - (reinterpret_cast<std::uintptr_t>(block) & kAlignmentSlack)) & kAlignmentSlack;
}

unsigned char* AllocateBlock(int pixelBytes)
{
  return static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(pixelBytes) + kAlignmentSlack));
}
} // namespace

LICE_MemBitmap::~LICE_MemBitmap() { std::free(block_); }

LICE_pixel* LICE_MemBitmap::PixelData()
{
  if (block_ == nullptr)
    return nullptr;
  return reinterpret_cast<LICE_pixel*>(block_ + AlignmentOffset(block_));
}

int LICE_MemBitmap::RowStride() const { return (width_ + rowAlignMask_) & ~rowAlignMask_; }

bool LICE_MemBitmap::SetSize(int width, int height)
{
  if (width == width_ && height == height_)
    return false;

  const std::optional<int> stride = PaddedRowStride(width, rowAlignMask_);
  const std::optional<int> bytes = stride ? PixelAreaBytes(*stride, height) : std::nullopt;
  if (width > 0 && height > 0 && bytes && Reserve(*bytes))
  {
    width_ = width;
    height_ = height;
  }
  else
  {
    Release();
    width_ = 0;
    height_ = 0;
  }
  return true;
}

bool LICE_MemBitmap::Reserve(int bytes)
{
  if (block_ != nullptr && allocatedBytes_ >= bytes)
    return true;

  if (block_ != nullptr)
  {
    const int grown = static_cast<int>(std::min<std::int64_t>(std::int64_t{bytes} / 4 * 5, INT_MAX));
    const std::size_t oldOffset = AlignmentOffset(block_);
    if (auto* moved = static_cast<unsigned char*>(std::realloc(block_, static_cast<std::size_t>(grown) + kAlignmentSlack)))
    {
      // realloc keeps the bytes but not their distance to the next 64-byte
      // boundary; move the pixels back to where PixelData will point.
      const std::size_t newOffset = AlignmentOffset(moved);
      if (newOffset != oldOffset)
        std::memmove(moved + newOffset, moved + oldOffset, static_cast<std::size_t>(allocatedBytes_));
      block_ = moved;
      allocatedBytes_ = grown;
      return true;
    }
    std::free(block_);
  }

  block_ = AllocateBlock(bytes);
  allocatedBytes_ = block_ != nullptr ? bytes : 0;
  return block_ != nullptr;
}

void LICE_MemBitmap::Release()
{
  std::free(block_);
  block_ = nullptr;
  allocatedBytes_ = 0;
}
