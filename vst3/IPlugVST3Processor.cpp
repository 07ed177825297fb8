#include "IPlugVST3.h"

#include "SpeakerArrangements.h"
#include "StateStream.h"
#include "Vst3Strings.h"
#include "core/HostKind.h"

#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int kApiVst3 = 1;
}

IPlugVST3::IPlugVST3(int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                     const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID,
                     int latency, bool plugDoesMidi, bool isInstrument, int nSideChainChannels)
  : IPlugBase(nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID, mfrID,
              latency, plugDoesMidi, isInstrument, kApiVst3),
    mSideChainChannels(nSideChainChannels),
    mGestureOpen(std::max(nParams, 0), false),
    mSlice32(std::max(NInChannels(), NOutChannels())),
    mSlice64(std::max(NInChannels(), NOutChannels()))
{
  SetInputChannelsConnected(0, NInChannels(), true);
  SetOutputChannelsConnected(0, NOutChannels(), true);
  SetInputBusName(0, "Main Input");
  if (mSideChainChannels)
    SetInputBusName(1, "Aux Input");
  if (isInstrument)
  {
    for (int m = 0; 2 * m < NOutChannels(); ++m)
    {
      char name[32];
      std::snprintf(name, sizeof name, "Output %i", m + 1);
      SetOutputBusName(m, name);
    }
  }
  else
  {
    SetOutputBusName(0, "Output");
  }
}

IPlugVST3::~IPlugVST3() = default;

tresult PLUGIN_API IPlugVST3::initialize(FUnknown* context)
{
  // Hosts initialise, and restart, their plug-ins on their UI thread.
  mUiThread.store(std::this_thread::get_id());
  const tresult result = SingleComponentEffect::initialize(context);

  if (FUnknownPtr<IHostApplication> host(context); host)
  {
    String128 name{};
    if (host->getName(name) == kResultOk)
      IdentifyHost(NarrowText(name, 127).c_str(), 0);
  }
  if (result == kResultOk)
  {
    AddBuses();
    AddParameters();
  }
  AdapterInitialised();
  ApplyPreset(0);
  return result;
}

tresult PLUGIN_API IPlugVST3::terminate()
{
  mViews.clear();
  return SingleComponentEffect::terminate();
}

void IPlugVST3::AddBuses()
{
  const int nMain = NInChannels() - mSideChainChannels;
  if (nMain >= 1 && nMain <= 6)
    addAudioInput(WidenText(InputBusNames()[0].c_str()).c_str(), DefaultArrangement(nMain));

  if (IsInstrument())
  {
    for (int m = 0; 2 * m < NOutChannels(); ++m)
      addAudioOutput(WidenText(OutputBusNames()[m].c_str()).c_str(), SpeakerArr::kStereo);
  }
  else
  {
    addAudioOutput(WidenText(OutputBusNames()[0].c_str()).c_str(), DefaultArrangement(NOutChannels()));
  }

  if (mSideChainChannels)
  {
    mSideChainChannels = std::min(mSideChainChannels, 2);
    addAudioInput(WidenText(InputBusNames()[1].c_str()).c_str(), DefaultArrangement(mSideChainChannels), kAux, 0);
  }
  if (DoesMidi())
    addEventInput(STR16("MIDI Input"), 1);
}

tresult PLUGIN_API IPlugVST3::setActive(TBool state)
{
  ActivationChanged(state != 0);
  DeliverHostNotifications();
  return kResultOk;
}

namespace
{
// Replaces an audio bus in place when its channel count differs from the host's.
void MatchBusChannels(BusList& buses, int index, int nChannels, const TChar* name, BusType type, int32 flags)
{
  if (index >= static_cast<int>(buses.size()))
    return;
  auto* bus = FCast<AudioBus>(buses[index].get());
  if (!bus || SpeakerCount(bus->getArrangement()) == nChannels)
    return;
  buses[index] = owned(new AudioBus(name, type, flags, DefaultArrangement(nChannels)));
}
}

tresult PLUGIN_API IPlugVST3::setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                                 int32 numOuts)
{
  if (!inputs || !outputs || numIns < 1 || numOuts < 1)
    return kResultFalse;
  const int nIn = SpeakerCount(inputs[0]);
  const int nOut = SpeakerCount(outputs[0]);
  // A refused arrangement leaves the current one in place, so a host that
  // goes on processing still hears the plug-in.
  if (!LegalIO(nIn, nOut))
    return kResultFalse;

  SetInputChannelsConnected(0, NInChannels(), false);
  SetOutputChannelsConnected(0, NOutChannels(), false);
  MatchBusChannels(audioInputs, 0, nIn, STR16("Input"), kMain, BusInfo::kDefaultActive);
  SetInputChannelsConnected(0, nIn, true);
  MatchBusChannels(audioOutputs, 0, nOut, STR16("Output"), kMain, BusInfo::kDefaultActive);
  SetOutputChannelsConnected(0, nOut, true);

  if (mSideChainChannels)
  {
    if (numIns != 2)
      return kResultFalse;
    MatchBusChannels(audioInputs, 1, SpeakerCount(inputs[1]), STR16("Sidechain Input"), kAux, 0);
    return kResultOk;
  }
  return numIns == 1 ? kResultOk : kResultFalse;
}

tresult PLUGIN_API IPlugVST3::canProcessSampleSize(int32 symbolicSampleSize)
{
  return symbolicSampleSize == kSample32 || symbolicSampleSize == kSample64 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API IPlugVST3::getLatencySamples()
{
  return static_cast<uint32>(std::max(Latency(), 0));
}

uint32 PLUGIN_API IPlugVST3::getTailSamples()
{
  return static_cast<uint32>(std::max(TailLength(), 0));
}

tresult PLUGIN_API IPlugVST3::setupProcessing(ProcessSetup& setup)
{
  if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
    return kResultFalse;
  if (!(setup.sampleRate > 0.0 && std::isfinite(setup.sampleRate)) || setup.maxSamplesPerBlock < 0)
    return kResultFalse;

  // The bypass flag is left alone: it belongs to the session's state, which
  // the host may have restored before setting up processing.
  SetSampleRate(setup.sampleRate);
  try
  {
    PrepareBlockSize(setup.maxSamplesPerBlock);
  }
  catch (const std::bad_alloc&)
  {
    return kResultFalse;
  }
  ResetProcessing();
  processSetup = setup;
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setProcessing(TBool)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::process(ProcessData& data)
{
  PlugLockGuard guard(Lock());
  mAudioThread.store(std::this_thread::get_id());
  mOutputChanges = data.outputParameterChanges;

  if (data.processContext)
  {
    mProcessContext = *data.processContext;
    mHasProcessContext = true;
  }
  if (data.inputParameterChanges)
    ApplyParameterChanges(*data.inputParameterChanges);
  ProcessAudio(data);

  mOutputChanges = nullptr;
  mAudioThread.store(std::thread::id());
  return kResultOk;
}

void IPlugVST3::ApplyParameterChanges(IParameterChanges& changes)
{
  const int32 nQueues = changes.getParameterCount();
  for (int32 i = 0; i < nQueues; ++i)
  {
    IParamValueQueue* queue = changes.getParameterData(i);
    if (!queue)
      continue;
    // One value per block: the last point, applied before the audio.
    const int32 nPoints = queue->getPointCount();
    int32 offset = 0;
    ParamValue value = 0.0;
    if (nPoints < 1 || queue->getPoint(nPoints - 1, offset, value) != kResultOk)
      continue;
    ApplyParameterChange(queue->getParameterId(), value);
  }
}

void IPlugVST3::ApplyParameterChange(ParamID id, ParamValue value)
{
  if (!std::isfinite(value))
    return;
  value = std::clamp(value, 0.0, 1.0);

  if (id == kBypassParamId)
  {
    SetBypassed(value > 0.5);
  }
  else if (id == kPresetParamId)
  {
    ApplyPreset(static_cast<int>(value * NPresets()));
  }
  else if (IPlugParam* param = ParamOfId(id))
  {
    if (HostKind() == kHostLive)
      return;
    param->SetFromNormalized(value);
    if (IPlugEditor* editor = GetGUI())
      editor->ApplyParamToControls(static_cast<int>(id), param->Normalized(), true);
    HandleParamChange(static_cast<int>(id), ChangeFromHost);
  }
}

namespace
{
template <class Sample>
Sample* const* BusChannels(AudioBusBuffers& bus);

template <>
float* const* BusChannels<float>(AudioBusBuffers& bus)
{
  return bus.channelBuffers32;
}

template <>
double* const* BusChannels<double>(AudioBusBuffers& bus)
{
  return bus.channelBuffers64;
}

// Points `slice` at the host's channels of one bus, `offset` frames in; a
// missing channel array leaves null pointers, which the base reads as silence.
template <class Sample>
int SliceOfBus(AudioBusBuffers& bus, int maxChannels, int offset, std::vector<Sample*>& slice)
{
  const int count = std::clamp(static_cast<int>(bus.numChannels), 0, std::min(maxChannels, static_cast<int>(slice.size())));
  Sample* const* channels = BusChannels<Sample>(bus);
  for (int c = 0; c < count; ++c)
    slice[c] = channels && channels[c] ? channels[c] + offset : nullptr;
  return count;
}

// Host output channels that no plug-in channel writes would otherwise keep
// whatever the host left in them.
template <class Sample>
void SilenceUnusedOutputs(AudioBusBuffers& bus, int firstUnused, int offset, int nFrames)
{
  Sample* const* channels = BusChannels<Sample>(bus);
  if (!channels)
    return;
  for (int c = std::max(firstUnused, 0); c < bus.numChannels; ++c)
    if (channels[c])
      std::fill_n(channels[c] + offset, nFrames, Sample(0));
}
}

void IPlugVST3::ProcessAudio(ProcessData& data)
{
  const int nFrames = data.numSamples;
  if (nFrames <= 0)
    return;
  if (BlockSize() <= 0)
  {
    // Processing was never set up: nothing can run, but the host hears silence.
    for (int b = 0; data.outputs && b < data.numOutputs; ++b)
    {
      if (data.symbolicSampleSize == kSample64)
        SilenceUnusedOutputs<double>(data.outputs[b], 0, 0, nFrames);
      else
        SilenceUnusedOutputs<float>(data.outputs[b], 0, 0, nFrames);
    }
    return;
  }
  // Hosts may exceed the block size they announced; such blocks run in slices.
  for (int offset = 0; offset < nFrames; offset += BlockSize())
    RunSlice(data, offset, std::min(BlockSize(), nFrames - offset));
}

int IPlugVST3::ConnectedOutputsIn(int first, int count) const
{
  int connected = 0;
  for (int c = first; c < first + count; ++c)
    connected += IsOutputChannelConnected(c) ? 1 : 0;
  return connected;
}

void IPlugVST3::RunSlice(ProcessData& data, int offset, int nFrames)
{
  // The block says what its buffers hold; trust it over the set-up.
  const bool is64 = data.symbolicSampleSize == kSample64;

  // Only the main input bus feeds the input channels.
  int nIn = 0;
  if (data.inputs && data.numInputs > 0)
    nIn = is64 ? SliceOfBus(data.inputs[0], NInChannels(), offset, mSlice64)
               : SliceOfBus(data.inputs[0], NInChannels(), offset, mSlice32);
  if (is64)
  {
    ConnectInputBuffers(0, nIn, mSlice64.data());
    ConnectInputBuffers(nIn, NInChannels() - nIn, nullptr);
  }
  else
  {
    ConnectInputBuffersFloat(0, nIn, mSlice32.data(), nFrames);
    ConnectInputBuffersFloat(nIn, NInChannels() - nIn, nullptr, nFrames);
  }

  int first = 0;
  for (int b = 0; data.outputs && b < data.numOutputs; ++b)
  {
    AudioBusBuffers& bus = data.outputs[b];
    const int room = std::max(NOutChannels() - first, 0);
    if (is64)
      ConnectOutputBuffers(first, SliceOfBus(bus, room, offset, mSlice64), mSlice64.data());
    else
      ConnectOutputBuffersFloat(first, SliceOfBus(bus, room, offset, mSlice32), mSlice32.data());
    first += std::max(static_cast<int>(bus.numChannels), 0);
  }
  if (first < NOutChannels())
  {
    if (is64)
      ConnectOutputBuffers(first, NOutChannels() - first, nullptr);
    else
      ConnectOutputBuffersFloat(first, NOutChannels() - first, nullptr);
  }

  if (is64)
    IsBypassed() ? BypassBlock(nFrames) : RunBlock(nFrames);
  else
    IsBypassed() ? BypassBlockFloat(nFrames) : RunBlockFloat(nFrames);

  first = 0;
  for (int b = 0; data.outputs && b < data.numOutputs; ++b)
  {
    AudioBusBuffers& bus = data.outputs[b];
    const int written = ConnectedOutputsIn(first, std::min<int>(bus.numChannels, std::max(NOutChannels() - first, 0)));
    if (is64)
      SilenceUnusedOutputs<double>(bus, written, offset, nFrames);
    else
      SilenceUnusedOutputs<float>(bus, written, offset, nFrames);
    first += std::max(static_cast<int>(bus.numChannels), 0);
  }
}

void IPlugVST3::ReadTransport(ITransportInfo& info)
{
  info = ITransportInfo{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0, 0, false, false};
  if (!mHasProcessContext)
    return;
  const ProcessContext& context = mProcessContext;
  info.tempo = context.tempo;
  info.samplePosition = static_cast<double>(context.projectTimeSamples);
  info.musicPosition = context.projectTimeMusic;
  info.barStart = context.barPositionMusic;
  info.cycleStart = context.cycleStartMusic;
  info.cycleEnd = context.cycleEndMusic;
  info.timeSigNumerator = context.timeSigNumerator;
  info.timeSigDenominator = context.timeSigDenominator;
  info.isPlaying = (context.state & ProcessContext::kPlaying) != 0;
  info.isCycling = (context.state & ProcessContext::kCycleActive) != 0;
}

void IPlugVST3::ChangeLatency(int samples)
{
  if (samples == Latency())
    return;
  IPlugBase::ChangeLatency(samples);
  RequestRestart(kLatencyChanged);
}

void IPlugVST3::RequestRestart(int32 flags)
{
  mPendingRestartFlags.fetch_or(flags);
}

void IPlugVST3::DeliverHostNotifications()
{
  if (std::this_thread::get_id() != mUiThread.load() || mPendingRestartFlags.load() == 0)
    return;
  const int32 flags = mPendingRestartFlags.exchange(0);
  if (flags != 0 && componentHandler)
    componentHandler->restartComponent(flags);
}

// The host's stream is read and written with PlugLock released: a host may
// take its time over it, and the audio thread must not wait for that.
tresult PLUGIN_API IPlugVST3::getState(IBStream* state)
{
  if (!state)
    return kResultFalse;
  IStateChunk chunk;
  {
    PlugLockGuard guard(Lock());
    if (!SaveStateChunk(chunk) || !chunk.AppendInt32(IsBypassed() ? 1 : 0))
      return kResultFalse;
  }
  state->write(const_cast<uint8*>(chunk.Data()), chunk.Size(), nullptr);
  DeliverHostNotifications();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setState(IBStream* state)
{
  IStateChunk chunk;
  if (!ReadStateStream(state, chunk, kMaxStateBytes, HostKind() == kHostWavelab))
    return kResultFalse;

  {
    PlugLockGuard guard(Lock());
    // Everything is checked before anything changes: a broken stream leaves
    // every parameter and the bypass flag as they were.
    const int bypassPos = CheckStateChunk(chunk, 0);
    int32_t bypass = 0;
    if (bypassPos < 0 || chunk.ReadInt32At(bypassPos, bypass) < 0)
      return kResultFalse;

    LoadStateChunk(chunk, 0);
    SetBypassed(bypass != 0);
    SyncEditorToParams();
  }
  DeliverHostNotifications();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setComponentState(IBStream* state)
{
  return setState(state);
}
