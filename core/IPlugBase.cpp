#include "IPlugBase.h"

#include "BoundedText.h"
#include "CopySamples.h"
#include "HostKind.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// Each output takes the input of the same number, or silence where there is none.
void PassThrough(const double* const* inputs, int nIn, double* const* outputs, int nOut, int nFrames)
{
  for (int i = 0; i < nOut; ++i)
  {
    if (i < nIn)
      CopySamples(outputs[i], inputs[i], nFrames);
    else
      std::fill_n(outputs[i], nFrames, 0.0);
  }
}

// Hands the host's buffers, in order, to the connected ones of the channels
// first..first+count-1; a channel that is not connected, or every channel
// when the array is missing, is handed none.
template <class Slot, class Buffer, class Take>
void HandOutBuffers(std::vector<Slot>& slots, int first, int count, Buffer* const* buffers, Take take)
{
  const int end = std::min(first + count, static_cast<int>(slots.size()));
  int next = 0;
  for (int i = std::max(first, 0); i < end; ++i)
  {
    Slot& slot = slots[i];
    take(slot, slot.connected && buffers ? buffers[next++] : nullptr);
  }
}

void SetBusName(std::vector<std::string>& names, int busIdx, const char* name)
{
  if (busIdx < static_cast<int>(names.size()))
    names[busIdx] = name;
  else
    names.emplace_back(name);
}
}

IPlugBase::IPlugBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                     const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
                     int mfrID, int latency, bool plugDoesMidi, bool isInstrument, int apiKind)
  : mIOConfigs(ParseChannelIO(channelIOStr)),
    mEffectName(BoundedText(effectName, kNameLength - 1)),
    mProductName(BoundedText(productName, kNameLength - 1)),
    mMfrName(BoundedText(mfrName, kNameLength - 1)),
    mUniqueID(uniqueID),
    mMfrID(mfrID),
    mVersion(vendorVersion),
    mApiKind(apiKind),
    mIsInstrument(isInstrument),
    mDoesMidi(plugDoesMidi),
    mLatency(latency),
    mParams(std::max(nParams, 0)),
    mPresets(std::max(nPresets, 0))
{
  Trace("IPlugBase::IPlugBase", __LINE__, "%s %d %s", mEffectName.c_str(), nParams, channelIOStr);

  int maxIn = 0, maxOut = 0;
  for (const ChannelIOConfig& config : mIOConfigs)
  {
    maxIn = std::max(maxIn, config.inputs);
    maxOut = std::max(maxOut, config.outputs);
  }
  mInputPointers.assign(maxIn, nullptr);
  mOutputPointers.assign(maxOut, nullptr);
  mInChannels.resize(maxIn);
  mOutChannels.resize(maxOut);
  for (int i = 0; i < maxIn; ++i)
    mInChannels[i].entry = &mInputPointers[i];
  for (int i = 0; i < maxOut; ++i)
    mOutChannels[i].entry = &mOutputPointers[i];
  SetInputChannelsConnected(0, maxIn, false);
  SetOutputChannelsConnected(0, maxOut, false);
}

IPlugBase::~IPlugBase()
{
  mEditor.reset();
  mCanvas.reset();
}

bool IPlugBase::SaveStateChunk(IStateChunk& chunk)
{
  return SerializeParams(chunk);
}

int IPlugBase::LoadStateChunk(const IStateChunk& chunk, int startPos)
{
  return UnserializeParams(chunk, startPos);
}

int IPlugBase::CheckStateChunk(const IStateChunk& chunk, int startPos) const
{
  return CheckSerializedParams(chunk, startPos);
}

void IPlugBase::SetParamFromEditor(int paramIdx, double normalized)
{
  IPlugParam* param = GetParam(paramIdx);
  if (!param)
    return;
  double taken = 0.0;
  {
    PlugLockGuard guard(mPlugLock);
    param->SetFromNormalized(normalized);
    taken = param->Normalized();
    HandleParamChange(paramIdx, ChangeFromEditor);
  }
  // The host may take its time over an edit (automation recording, a
  // sandbox's IPC); the audio thread must not wait for it on the lock. It
  // hears the value the parameter took (snapped and clamped).
  InformHostOfParamChange(paramIdx, taken);
}

void IPlugBase::ProcessAudioBlock(double** inputs, double** outputs, int nFrames)
{
  PassThrough(inputs, NInChannels(), outputs, NOutChannels(), nFrames);
}

void IPlugBase::BindGraphics(IPlugEditor* editor)
{
  PlugLockGuard guard(mPlugLock);
  if (!editor)
    return;
  editor->CreateDrawingSurfaces();
  for (int i = 0; i < NParams(); ++i)
    editor->TakeBoundParamValue(i, mParams[i].Normalized());
  mEditor.reset(editor);
  if (mCanvas)
    mCanvas->BindCanvas(*mEditor);
}

void IPlugBase::SetCanvas(std::unique_ptr<IPlugCanvas> canvas)
{
  mCanvas = std::move(canvas);
}

void IPlugBase::SyncEditorToParams()
{
  if (!mEditor)
    return;
  for (int i = 0; i < NParams(); ++i)
    mEditor->ApplyParamToControls(i, mParams[i].Value(), false);
}

void IPlugBase::PrepareBlockSize(int nFrames)
{
  nFrames = std::max(nFrames, 0);
  if (nFrames == mBlockSize)
    return;
  for (std::vector<ChannelSlot>* slots : {&mInChannels, &mOutChannels})
  {
    for (ChannelSlot& slot : *slots)
    {
      slot.scratch.assign(nFrames, 0.0);
      // A channel on its scratch buffer must follow the buffer to its new place.
      if (!slot.connected)
        *slot.entry = slot.scratch.data();
    }
  }
  mBlockSize = nFrames;
}

bool IPlugBase::LegalIO(int nIn, int nOut) const
{
  Trace("IPlugBase::LegalIO", __LINE__, "%d %d", nIn, nOut);
  return std::any_of(mIOConfigs.begin(), mIOConfigs.end(), [&](const ChannelIOConfig& config) {
    return (nIn < 0 || nIn == config.inputs) && (nOut < 0 || nOut == config.outputs);
  });
}

void IPlugBase::SetInputChannelsConnected(int first, int count, bool connected)
{
  const int end = std::min(first + count, NInChannels());
  for (int i = std::max(first, 0); i < end; ++i)
  {
    mInChannels[i].connected = connected;
    if (!connected)
      *mInChannels[i].entry = mInChannels[i].scratch.data();
  }
}

void IPlugBase::SetOutputChannelsConnected(int first, int count, bool connected)
{
  const int end = std::min(first + count, NOutChannels());
  for (int i = std::max(first, 0); i < end; ++i)
  {
    mOutChannels[i].connected = connected;
    if (!connected)
    {
      *mOutChannels[i].entry = mOutChannels[i].scratch.data();
      mOutChannels[i].dest32 = nullptr;
    }
  }
}

bool IPlugBase::IsInputChannelConnected(int channel) const
{
  return channel >= 0 && channel < NInChannels() && mInChannels[channel].connected;
}

bool IPlugBase::IsOutputChannelConnected(int channel) const
{
  return channel >= 0 && channel < NOutChannels() && mOutChannels[channel].connected;
}

int IPlugBase::FramesToRun(int nFrames) const
{
  return std::clamp(nFrames, 0, mBlockSize);
}

void IPlugBase::ConnectToScratch(ChannelSlot& slot, int nFrames)
{
  std::fill_n(slot.scratch.begin(), FramesToRun(nFrames), 0.0);
  *slot.entry = slot.scratch.data();
}

void IPlugBase::ConnectInputBuffers(int first, int count, double* const* buffers)
{
  HandOutBuffers(mInChannels, first, count, buffers, [&](ChannelSlot& slot, double* buffer) {
    if (buffer)
      *slot.entry = buffer;
    else
      ConnectToScratch(slot, mBlockSize);
  });
}

void IPlugBase::ConnectOutputBuffers(int first, int count, double* const* buffers)
{
  HandOutBuffers(mOutChannels, first, count, buffers, [](ChannelSlot& slot, double* buffer) {
    *slot.entry = buffer ? buffer : slot.scratch.data();
    slot.dest32 = nullptr;
  });
}

void IPlugBase::ConnectInputBuffersFloat(int first, int count, float* const* buffers, int nFrames)
{
  const int n = FramesToRun(nFrames);
  HandOutBuffers(mInChannels, first, count, buffers, [&](ChannelSlot& slot, const float* buffer) {
    if (!buffer)
    {
      ConnectToScratch(slot, n);
      return;
    }
    std::copy_n(buffer, n, slot.scratch.begin());
    *slot.entry = slot.scratch.data();
  });
}

void IPlugBase::ConnectOutputBuffersFloat(int first, int count, float* const* buffers)
{
  HandOutBuffers(mOutChannels, first, count, buffers, [](ChannelSlot& slot, float* buffer) {
    *slot.entry = slot.scratch.data();
    slot.dest32 = buffer;
  });
}

void IPlugBase::ConvertOutputsToFloat(int nFrames)
{
  for (ChannelSlot& slot : mOutChannels)
  {
    if (!slot.connected || !slot.dest32)
      continue;
    for (int s = 0; s < nFrames; ++s)
      slot.dest32[s] = static_cast<float>(slot.scratch[s]);
  }
}

void IPlugBase::RunBlock(int nFrames)
{
  ProcessAudioBlock(mInputPointers.data(), mOutputPointers.data(), FramesToRun(nFrames));
}

void IPlugBase::RunBlockFloat(int nFrames)
{
  const int n = FramesToRun(nFrames);
  ProcessAudioBlock(mInputPointers.data(), mOutputPointers.data(), n);
  ConvertOutputsToFloat(n);
}

void IPlugBase::BypassBlock(int nFrames)
{
  PassThrough(mInputPointers.data(), NInChannels(), mOutputPointers.data(), NOutChannels(), FramesToRun(nFrames));
}

void IPlugBase::BypassBlockFloat(int nFrames)
{
  BypassBlock(nFrames);
  ConvertOutputsToFloat(FramesToRun(nFrames));
}

IPlugParam* IPlugBase::GetParam(int paramIdx)
{
  return paramIdx >= 0 && paramIdx < NParams() ? &mParams[paramIdx] : nullptr;
}

const IPlugParam* IPlugBase::GetParam(int paramIdx) const
{
  return paramIdx >= 0 && paramIdx < NParams() ? &mParams[paramIdx] : nullptr;
}

void IPlugBase::AnnounceAllParams(ParamChangeSource source)
{
  for (int i = 0; i < NParams(); ++i)
    HandleParamChange(i, source);
}

bool IPlugBase::SerializeParams(IStateChunk& chunk)
{
  PlugLockGuard guard(mPlugLock);
  Trace("IPlugBase::SerializeParams", __LINE__, "%d %s", NParams(), mEffectName.c_str());
  if (!chunk.AppendInt32(NParams()))
    return false;
  for (const IPlugParam& param : mParams)
    if (!chunk.AppendDouble(param.Value()))
      return false;
  return true;
}

int IPlugBase::CheckSerializedParams(const IStateChunk& chunk, int startPos) const
{
  int32_t storedCount = 0;
  const int valuesPos = chunk.ReadInt32At(startPos, storedCount);
  if (valuesPos < 0 || storedCount < 0 || storedCount > (chunk.Size() - valuesPos) / 8)
    return -1;
  int pos = valuesPos;
  for (int i = 0; i < storedCount; ++i)
  {
    double value = 0.0;
    pos = chunk.ReadDoubleAt(pos, value);
    if (pos < 0 || !std::isfinite(value))
      return -1;
  }
  return pos;
}

int IPlugBase::UnserializeParams(const IStateChunk& chunk, int startPos)
{
  PlugLockGuard guard(mPlugLock);
  Trace("IPlugBase::UnserializeParams", __LINE__, "%d %d", startPos, chunk.Size());

  // A chunk is applied whole or not at all: every stored value must be there
  // and finite before the first one is set. Values are read twice rather than
  // copied, because presets may be recalled on the audio thread.
  const int endPos = CheckSerializedParams(chunk, startPos);
  if (endPos < 0)
    return -1;

  // A newer build's extra values are skipped, an older build's missing ones
  // keep their current values.
  int32_t storedCount = 0;
  int pos = chunk.ReadInt32At(startPos, storedCount);
  const int nApplied = std::min<int>(storedCount, NParams());
  for (int i = 0; i < nApplied; ++i)
  {
    double value = 0.0;
    pos = chunk.ReadDoubleAt(pos, value);
    mParams[i].SetClamped(value);
  }
  AnnounceAllParams(ChangeFromRecall);
  return endPos;
}

void IPlugBase::AddDefaultPresets(const char* name, int count)
{
  for (int n = 0; n < count; ++n)
  {
    auto unused = std::find_if(mPresets.begin(), mPresets.end(), [](const IPlugPreset& p) { return !p.used; });
    if (unused == mPresets.end())
      return;
    unused->used = true;
    unused->name = name ? name : "Empty";
    unused->state.Clear();
    SaveStateChunk(unused->state);
  }
}

bool IPlugBase::ApplyPreset(int presetIdx)
{
  if (presetIdx < 0 || presetIdx >= NPresets())
    return false;

  IPlugPreset& preset = mPresets[presetIdx];
  bool ok = false;
  if (preset.used)
  {
    ok = LoadStateChunk(preset.state, 0) > 0;
  }
  else
  {
    preset.used = true;
    const auto userPresets = std::count_if(mPresets.begin(), mPresets.end(), [](const IPlugPreset& p) {
      return p.name.find("user preset") != std::string::npos;
    });
    char name[IPlugPreset::kNameLength];
    std::snprintf(name, sizeof name, "%s %d", "user preset", static_cast<int>(userPresets) + 1);
    preset.name = name;
    preset.state.Clear();
    ok = SaveStateChunk(preset.state);
  }

  if (ok)
  {
    mCurrentPreset = presetIdx;
    PresetApplied();
    SyncEditorToParams();
  }
  return ok;
}

const char* IPlugBase::PresetName(int presetIdx) const
{
  return presetIdx >= 0 && presetIdx < NPresets() ? mPresets[presetIdx].name.c_str() : "";
}

void IPlugBase::IdentifyHost(const char* hostName, int hostVersion)
{
  mHostKind = LookUpHostKind(hostName);
  mHostVersion = hostVersion;
}

void IPlugBase::SetInputBusName(int busIdx, const char* name)
{
  if (busIdx == 0 || busIdx == 1)
    SetBusName(mInputBusNames, busIdx, name);
}

void IPlugBase::SetOutputBusName(int busIdx, const char* name)
{
  if (busIdx >= 0)
    SetBusName(mOutputBusNames, busIdx, name);
}
