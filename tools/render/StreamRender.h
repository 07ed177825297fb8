#pragma once

#include "AudioStream.h"
#include "BlockProcessor.h"
#include "MeterReadings.h"

#include <cstdint>
#include <functional>
#include <string>

struct StreamSettings
{
  int blockFrames = 512;
  // Called after each block with the input frames read so far and the
  // source's announced length (-1 when unknown).
  std::function<void(std::int64_t done, std::int64_t total)> progress;
};

struct StreamResult
{
  std::int64_t framesRead = 0;
  MeterSummary meters;
};

// Plays `source` through `processor` into `sink` one block at a time, so the
// memory taken does not grow with the length. The processor's latency is
// compensated: its first LatencyFrames() output frames are dropped and as
// many frames of silence follow the input, so the output lines up with the
// input and is exactly as long. The processor is stopped before returning.
// Runs on the caller's thread, which is the processor's audio thread for the
// whole render.
bool StreamRender(AudioSource& source, BlockProcessor& processor, AudioSink& sink, const StreamSettings& settings,
                  StreamResult& result, std::string& error);
