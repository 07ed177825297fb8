#include "IStateChunk.h"

#include <bit>
#include <cstring>
#include <new>

static_assert(std::endian::native == std::endian::little,
              "state chunks are stored in the in-memory order of a little-endian machine");

bool IStateChunk::AppendBytes(const void* data, int size)
{
  if (size <= 0)
    return size == 0;
  try
  {
    const auto* bytes = static_cast<const uint8_t*>(data);
    mBytes.insert(mBytes.end(), bytes, bytes + size);
  }
  catch (const std::bad_alloc&)
  {
    return false;
  }
  return true;
}

bool IStateChunk::AppendInt32(int32_t value)
{
  return AppendBytes(&value, sizeof value);
}

bool IStateChunk::AppendDouble(double value)
{
  return AppendBytes(&value, sizeof value);
}

int IStateChunk::ReadAt(int position, void* value, int size) const
{
  if (position < 0 || Size() - position < size)
  {
    std::memset(value, 0, size);
    return -1;
  }
  std::memcpy(value, mBytes.data() + position, size);
  return position + size;
}

int IStateChunk::ReadInt32At(int position, int32_t& value) const
{
  return ReadAt(position, &value, sizeof value);
}

int IStateChunk::ReadDoubleAt(int position, double& value) const
{
  return ReadAt(position, &value, sizeof value);
}
