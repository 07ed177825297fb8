#include "StreamRender.h"

#include <algorithm>
#include <vector>

namespace
{
// One buffer per channel, with the pointer arrays the interfaces take.
struct BlockBuffers
{
  BlockBuffers(int channels, int frames)
    : samples(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(frames)))
  {
    for (std::vector<float>& channel : samples)
      pointers.push_back(channel.data());
    offsetPointers = pointers;
  }

  float* const* From(int frame)
  {
    for (size_t c = 0; c < samples.size(); ++c)
      offsetPointers[c] = samples[c].data() + frame;
    return offsetPointers.data();
  }

  void Silence(int frames)
  {
    for (std::vector<float>& channel : samples)
      std::fill_n(channel.begin(), frames, 0.0f);
  }

  std::vector<std::vector<float>> samples;
  std::vector<float*> pointers;
  std::vector<float*> offsetPointers;
};

bool Play(AudioSource& source, BlockProcessor& processor, AudioSink& sink, const StreamSettings& settings,
          StreamResult& result, std::string& error)
{
  const int channels = source.Channels();
  const int blockFrames = std::max(settings.blockFrames, 1);
  BlockBuffers input(channels, blockFrames);
  BlockBuffers output(channels, blockFrames);
  std::int64_t framesToDrop = std::max(processor.LatencyFrames(), 0);
  std::int64_t silenceToAppend = framesToDrop;
  MeterReadings meters;
  meters.Start(channels, source.SampleRate());
  bool inputEnded = false;

  while (!inputEnded || silenceToAppend > 0)
  {
    int frames = 0;
    if (!inputEnded)
    {
      frames = source.Read(input.pointers.data(), blockFrames);
      inputEnded = frames <= 0;
      if (inputEnded)
        continue;
      result.framesRead += frames;
    }
    else
    {
      frames = static_cast<int>(std::min<std::int64_t>(blockFrames, silenceToAppend));
      silenceToAppend -= frames;
      input.Silence(frames);
    }

    if (!processor.Process(input.pointers.data(), output.pointers.data(), frames, error))
      return false;
    if (!inputEnded)
      meters.MeasureInput(input.pointers.data(), frames, processor.InputLevelDb());

    const int dropped = static_cast<int>(std::min<std::int64_t>(framesToDrop, frames));
    framesToDrop -= dropped;
    if (frames > dropped)
    {
      float* const* aligned = output.From(dropped);
      meters.MeasureOutput(aligned, frames - dropped);
      if (!sink.Write(aligned, frames - dropped, error))
        return false;
    }
    if (settings.progress)
      settings.progress(result.framesRead, source.AnnouncedFrames());
  }
  result.meters = meters.Summary();
  return true;
}
}

bool StreamRender(AudioSource& source, BlockProcessor& processor, AudioSink& sink, const StreamSettings& settings,
                  StreamResult& result, std::string& error)
{
  result = StreamResult{};
  if (!processor.Start(source.SampleRate(), std::max(settings.blockFrames, 1), source.Channels(), error))
    return false;
  const bool played = Play(source, processor, sink, settings, result, error);
  processor.Stop();
  return played;
}
