#pragma once

#include "core/IStateChunk.h"
#include "pluginterfaces/base/ibstream.h"

// Reads a host stream from its current position to its end into `chunk`.
// Fails for a missing stream and for more than maxBytes (a broken stream must
// not eat memory). Some hosts report failure on reads that do deliver bytes;
// with keepFailedReads those bytes count and reading goes on.
bool ReadStateStream(Steinberg::IBStream* stream, IStateChunk& chunk, int maxBytes, bool keepFailedReads);
