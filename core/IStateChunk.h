#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Growable byte buffer of little-endian values. Reads take an explicit byte
// position and return the position after the value, or -1 and a value of 0
// when the value is not there (negative position, or too few bytes left).
class IStateChunk
{
public:
  bool AppendInt32(int32_t value);
  bool AppendDouble(double value);
  bool AppendBytes(const void* data, int size);

  int ReadInt32At(int position, int32_t& value) const;
  int ReadDoubleAt(int position, double& value) const;

  const uint8_t* Data() const { return mBytes.data(); }
  int Size() const { return static_cast<int>(mBytes.size()); }
  void Clear() { mBytes.clear(); }

private:
  // Zeroes `value` when the bytes are not there.
  int ReadAt(int position, void* value, int size) const;

  std::vector<uint8_t> mBytes;
};

struct IPlugPreset
{
  static constexpr int kNameLength = 256;  // 255 characters and a terminator

  bool used = false;
  std::string name = "empty";
  IStateChunk state;
};
