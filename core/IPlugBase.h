#pragma once

#include "ChannelIOConfig.h"
#include "IPlugEditor.h"
#include "IPlugParam.h"
#include "IRectI.h"
#include "IStateChunk.h"
#include "ITransportInfo.h"
#include "ParamChangeSource.h"
#include "PlugLock.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The API-neutral plug-in: parameters, presets, state, channel buffers, the
// instance's lock and the paths that carry a parameter change between host,
// editor and plug-in. An API adapter derives from it and drives it; the
// concrete plug-in derives from the adapter.
class IPlugBase
{
public:
  static constexpr int kNameLength = 128;  // 127 characters and a terminator

  IPlugBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName,
            const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID,
            int latency, bool plugDoesMidi, bool isInstrument, int apiKind);
  virtual ~IPlugBase();

  IPlugBase(const IPlugBase&) = delete;
  IPlugBase& operator=(const IPlugBase&) = delete;

  // Plug-in hooks.

  // Adapter, when processing is (re)configured; host UI thread, no lock held.
  virtual void ResetProcessing() {}
  // Every parameter change ends here; PlugLock is held by whoever changed the value.
  virtual void HandleParamChange(int /*paramIdx*/, ParamChangeSource /*source*/) {}
  // Audio thread, PlugLock held. Default: pass-through.
  virtual void ProcessAudioBlock(double** inputs, double** outputs, int nFrames);
  // Adapter's editor view, after the editor window opened; UI thread.
  virtual void EditorOpened() {}
  // Adapter's editor view, before the editor window closes; UI thread.
  virtual void EditorClosing() {}
  // Graphics core, on every second consecutive timer tick with nothing to redraw; UI thread.
  virtual void EditorIdleHook() {}
  // Graphics core, on every timer tick of the open editor; UI thread, PlugLock not held.
  virtual void EditorTimerTick() {}
  // Adapter, when the host switches processing on or off.
  virtual void ActivationChanged(bool /*active*/) {}
  // State save and presets; any host thread. Default: SerializeParams.
  virtual bool SaveStateChunk(IStateChunk& chunk);
  // State load and presets; any host thread. Returns the end position or -1.
  virtual int LoadStateChunk(const IStateChunk& chunk, int startPos);
  // What LoadStateChunk would return, without changing anything. A plug-in
  // that overrides LoadStateChunk overrides this too.
  virtual int CheckStateChunk(const IStateChunk& chunk, int startPos) const;
  // Adapter's editor view, when the host resized the editor as asked.
  virtual void HostResizedEditor(const IRectI& /*viewRect*/) {}
  // Adapter, at the end of its initialisation.
  virtual void AdapterInitialised() {}

  // Host operations, supplied by the adapter.

  // Graphics core, on a right click on a control; UI thread.
  virtual void ShowHostParamMenu(int paramIdx, int x, int y) = 0;
  // Controls, during an editor gesture; UI thread. Takes PlugLock for the
  // change only and tells the host after releasing it.
  virtual void SetParamFromEditor(int paramIdx, double normalized);
  // Graphics core, at the start and end of a gesture; UI thread, PlugLock
  // not held.
  virtual void BeginInformHostOfParamChange(int paramIdx) = 0;
  // SetParamFromEditor and the plug-in. Off the audio thread it calls into
  // the host, so PlugLock must not be held; inside a block (audio thread,
  // PlugLock held) the host hears it through the block's own output.
  virtual void InformHostOfParamChange(int paramIdx, double normalized) = 0;
  virtual void EndInformHostOfParamChange(int paramIdx) = 0;
  // The plug-in's processing; audio thread, PlugLock held.
  virtual void ReadTransport(ITransportInfo& info) = 0;
  virtual int HostKind() const { return mHostKind; }
  virtual int PluginApiKind() const { return mApiKind; }
  // Graphics core, when the editor changes its own size; UI thread.
  virtual void ResizeEditorWindow(int width, int height) = 0;

  // Framework operations.

  // The plug-in's constructor: takes ownership of its editor and binds it.
  virtual void BindGraphics(IPlugEditor* editor);
  // Any thread; the adapter tells the host when it may.
  virtual void ChangeLatency(int samples) { mLatency.store(samples); }
  // ApplyPreset and the adapter's state load; PlugLock held by the caller.
  virtual void SyncEditorToParams();
  virtual void PresetApplied() {}
  // Adapter, at processing set-up (never while processing): sizes the scratch buffers.
  virtual void PrepareBlockSize(int nFrames);

  // Channels.
  bool LegalIO(int nIn, int nOut) const;
  int NInChannels() const { return static_cast<int>(mInChannels.size()); }
  int NOutChannels() const { return static_cast<int>(mOutChannels.size()); }
  const std::vector<ChannelIOConfig>& ChannelIOConfigs() const { return mIOConfigs; }
  void SetInputChannelsConnected(int first, int count, bool connected);
  void SetOutputChannelsConnected(int first, int count, bool connected);
  bool IsInputChannelConnected(int channel) const;
  bool IsOutputChannelConnected(int channel) const;

  // Audio entry points, called by the adapter once per block with PlugLock held.
  // A connected channel takes the next host buffer of the array; a missing
  // array or a null buffer leaves it on its zeroed scratch buffer. Blocks are
  // at most BlockSize() frames: longer ones are cut to that size.
  void ConnectInputBuffers(int first, int count, double* const* buffers);
  void ConnectOutputBuffers(int first, int count, double* const* buffers);
  void ConnectInputBuffersFloat(int first, int count, float* const* buffers, int nFrames);
  void ConnectOutputBuffersFloat(int first, int count, float* const* buffers);
  void RunBlock(int nFrames);
  void RunBlockFloat(int nFrames);
  void BypassBlock(int nFrames);
  void BypassBlockFloat(int nFrames);

  // Parameters and state.
  int NParams() const { return static_cast<int>(mParams.size()); }
  IPlugParam* GetParam(int paramIdx);
  const IPlugParam* GetParam(int paramIdx) const;
  void AnnounceAllParams(ParamChangeSource source);
  bool SerializeParams(IStateChunk& chunk);
  int UnserializeParams(const IStateChunk& chunk, int startPos);
  int CheckSerializedParams(const IStateChunk& chunk, int startPos) const;

  // Presets.
  int NPresets() const { return static_cast<int>(mPresets.size()); }
  int CurrentPreset() const { return mCurrentPreset; }
  void AddDefaultPresets(const char* name, int count);
  bool ApplyPreset(int presetIdx);
  const char* PresetName(int presetIdx) const;

  // Host.
  void IdentifyHost(const char* hostName, int hostVersion);
  int HostVersion() const { return mHostVersion; }

  // Bus names.
  void SetInputBusName(int busIdx, const char* name);
  void SetOutputBusName(int busIdx, const char* name);
  const std::vector<std::string>& InputBusNames() const { return mInputBusNames; }
  const std::vector<std::string>& OutputBusNames() const { return mOutputBusNames; }

  // Units: distinct parameter group names, filled by the adapter.
  std::vector<std::string>& UnitNames() { return mUnitNames; }

  PlugLock& Lock() { return mPlugLock; }
  IPlugEditor* GetGUI() const { return mEditor.get(); }
  // The plug-in's drawing context over the editor surface; bound by BindGraphics.
  void SetCanvas(std::unique_ptr<IPlugCanvas> canvas);
  IPlugCanvas* GetCanvas() const { return mCanvas.get(); }

  const char* EffectName() const { return mEffectName.c_str(); }
  const char* ProductName() const { return mProductName.c_str(); }
  const char* MfrName() const { return mMfrName.c_str(); }
  int UniqueID() const { return mUniqueID; }
  int MfrID() const { return mMfrID; }
  int VendorVersion() const { return mVersion; }
  bool IsInstrument() const { return mIsInstrument; }
  bool DoesMidi() const { return mDoesMidi; }

  // Written by the audio thread, read by the host's other threads.
  bool IsBypassed() const { return mBypassed.load(std::memory_order_relaxed); }
  void SetBypassed(bool bypassed) { mBypassed.store(bypassed, std::memory_order_relaxed); }
  double SampleRate() const { return mSampleRate; }
  void SetSampleRate(double sampleRate) { mSampleRate = sampleRate; }
  int BlockSize() const { return mBlockSize; }
  int Latency() const { return mLatency.load(); }
  int TailLength() const { return mTailLength; }

private:
  struct ChannelSlot
  {
    bool connected = false;
    double** entry = nullptr;     // this channel's place in the pointer array
    std::vector<double> scratch;  // one block long
    float* dest32 = nullptr;      // outputs: the 32-bit host buffer of the block
  };

  void ConnectToScratch(ChannelSlot& slot, int nFrames);
  void ConvertOutputsToFloat(int nFrames);
  int FramesToRun(int nFrames) const;

  std::vector<ChannelIOConfig> mIOConfigs;
  PlugLock mPlugLock;
  std::string mEffectName, mProductName, mMfrName;
  int mUniqueID, mMfrID, mVersion;
  int mApiKind;
  int mHostKind = -1;
  int mHostVersion = 0;
  bool mIsInstrument, mDoesMidi;
  std::atomic<bool> mBypassed{false};
  int mCurrentPreset = 0;
  double mSampleRate = 44100.0;
  int mBlockSize = 0;
  std::atomic<int> mLatency;
  int mTailLength = 0;
  std::vector<std::string> mUnitNames;
  std::unique_ptr<IPlugCanvas> mCanvas;
  std::unique_ptr<IPlugEditor> mEditor;
  std::vector<IPlugParam> mParams;
  std::vector<IPlugPreset> mPresets;
  std::vector<double*> mInputPointers, mOutputPointers;
  std::vector<ChannelSlot> mInChannels, mOutChannels;
  std::vector<std::string> mInputBusNames, mOutputBusNames;
};
