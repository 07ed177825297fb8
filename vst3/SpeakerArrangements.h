#pragma once

#include "pluginterfaces/vst/vstspeaker.h"

// The arrangement a bus of n channels gets when the adapter creates it.
Steinberg::Vst::SpeakerArrangement DefaultArrangement(int nChannels);
int SpeakerCount(Steinberg::Vst::SpeakerArrangement arrangement);
