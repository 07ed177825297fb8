#include "StateStream.h"

using namespace Steinberg;

bool ReadStateStream(IBStream* stream, IStateChunk& chunk, int maxBytes, bool keepFailedReads)
{
  if (!stream)
    return false;
  constexpr int32 kReadSize = 128;
  char buffer[kReadSize];
  for (;;)
  {
    int32 numRead = 0;
    const tresult result = stream->read(buffer, kReadSize, &numRead);
    if (numRead <= 0 || numRead > kReadSize)
      return true;
    if (result != kResultOk && !keepFailedReads)
      return true;
    if (chunk.Size() + numRead > maxBytes || !chunk.AppendBytes(buffer, numRead))
      return false;
  }
}
