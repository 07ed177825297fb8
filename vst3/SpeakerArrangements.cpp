#include "SpeakerArrangements.h"

#include <bit>

using namespace Steinberg::Vst;

SpeakerArrangement DefaultArrangement(int nChannels)
{
  switch (nChannels)
  {
    case 1: return SpeakerArr::kMono;
    case 2: return SpeakerArr::kStereo;
    case 3: return SpeakerArr::k30Music;
    case 4: return SpeakerArr::kAmbi1stOrderACN;
    case 5: return SpeakerArr::k50;
    case 6: return SpeakerArr::k51;
    default: return SpeakerArr::kEmpty;
  }
}

int SpeakerCount(SpeakerArrangement arrangement)
{
  return std::popcount(arrangement);
}
