#pragma once

#include "SingleComponentEffect.h"
#include "core/IPlugBase.h"

#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <atomic>
#include <thread>
#include <vector>

class IPlugVST3View;

// A plug-in as a VST 3 single-component effect: the component, processor and
// edit controller faces of one object, driving an IPlugBase.
class IPlugVST3 : public IPlugBase,
                  public Steinberg::Vst::SingleComponentEffect,
                  public Steinberg::Vst::IUnitInfo,
                  public Steinberg::Vst::IMidiMapping
{
public:
  using tresult = Steinberg::tresult;
  using ParamID = Steinberg::Vst::ParamID;
  using ParamValue = Steinberg::Vst::ParamValue;
  using int32 = Steinberg::int32;

  static constexpr ParamID kBypassParamId = 0x62706173;  // 'bpas'
  static constexpr ParamID kPresetParamId = 0x70727374;  // 'prst'
  // A state is a few hundred bytes; anything larger is not ours.
  static constexpr int kMaxStateBytes = 64 * 1024;

  IPlugVST3(int nParams, const char* channelIOStr, int nPresets, const char* effectName, const char* productName,
            const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency, bool plugDoesMidi,
            bool isInstrument, int nSideChainChannels);
  ~IPlugVST3() override;

  // IPluginBase; host UI thread.
  tresult PLUGIN_API initialize(FUnknown* context) override;
  tresult PLUGIN_API terminate() override;

  // IComponent; host UI thread, never while processing.
  tresult PLUGIN_API setActive(Steinberg::TBool state) override;
  tresult PLUGIN_API setState(Steinberg::IBStream* state) override;
  tresult PLUGIN_API getState(Steinberg::IBStream* state) override;

  // IAudioProcessor; set-up calls on the UI thread, process on the audio thread.
  tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs, int32 numIns,
                                        Steinberg::Vst::SpeakerArrangement* outputs, int32 numOuts) override;
  tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
  Steinberg::uint32 PLUGIN_API getLatencySamples() override;
  tresult PLUGIN_API setupProcessing(Steinberg::Vst::ProcessSetup& setup) override;
  tresult PLUGIN_API setProcessing(Steinberg::TBool state) override;
  tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) override;
  Steinberg::uint32 PLUGIN_API getTailSamples() override;

  // IEditController; host UI thread.
  tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) override;
  tresult PLUGIN_API getParameterInfo(int32 paramIndex, Steinberg::Vst::ParameterInfo& info) override;
  tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                           Steinberg::Vst::String128 string) override;
  ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plainValue) override;
  ParamValue PLUGIN_API getParamNormalized(ParamID id) override;
  tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
  Steinberg::IPlugView* PLUGIN_API createView(Steinberg::FIDString name) override;
  tresult PLUGIN_API setKnobMode(Steinberg::Vst::KnobMode mode) override;

  // IUnitInfo
  int32 PLUGIN_API getUnitCount() override;
  tresult PLUGIN_API getUnitInfo(int32 unitIndex, Steinberg::Vst::UnitInfo& info) override;
  int32 PLUGIN_API getProgramListCount() override;
  tresult PLUGIN_API getProgramListInfo(int32 listIndex, Steinberg::Vst::ProgramListInfo& info) override;
  tresult PLUGIN_API getProgramName(Steinberg::Vst::ProgramListID listId, int32 programIndex,
                                    Steinberg::Vst::String128 name) override;
  tresult PLUGIN_API getProgramInfo(Steinberg::Vst::ProgramListID listId, int32 programIndex,
                                    Steinberg::Vst::CString attributeId, Steinberg::Vst::String128 value) override;
  tresult PLUGIN_API hasProgramPitchNames(Steinberg::Vst::ProgramListID listId, int32 programIndex) override;
  tresult PLUGIN_API getProgramPitchName(Steinberg::Vst::ProgramListID listId, int32 programIndex,
                                         Steinberg::int16 midiPitch, Steinberg::Vst::String128 name) override;
  Steinberg::Vst::UnitID PLUGIN_API getSelectedUnit() override;
  tresult PLUGIN_API selectUnit(Steinberg::Vst::UnitID unitId) override;
  tresult PLUGIN_API getUnitByBus(Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection dir, int32 busIndex,
                                  int32 channel, Steinberg::Vst::UnitID& unitId) override;
  tresult PLUGIN_API setUnitProgramData(int32 listOrUnitId, int32 programIndex, Steinberg::IBStream* data) override;

  // IMidiMapping
  tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, Steinberg::int16 channel,
                                                 Steinberg::Vst::CtrlNumber midiControllerNumber,
                                                 ParamID& id) override;

  // IPlugBase host operations.
  void ShowHostParamMenu(int paramIdx, int x, int y) override;
  void BeginInformHostOfParamChange(int paramIdx) override;
  void InformHostOfParamChange(int paramIdx, double normalized) override;
  void EndInformHostOfParamChange(int paramIdx) override;
  void ReadTransport(ITransportInfo& info) override;
  void ResizeEditorWindow(int width, int height) override;
  // Any thread, with or without PlugLock: the host hears of it through
  // DeliverHostNotifications.
  void ChangeLatency(int samples) override;
  void SetParamFromEditor(int paramIdx, double normalized) override;
  void EditorTimerTick() override;

  // Restart requests for the host (kLatencyChanged, ...). They arise inside
  // blocks and parameter changes, where PlugLock is held, so they wait for
  // the host's UI thread; any thread may add them.
  void RequestRestart(int32 flags);
  // Hands the waiting requests to the host when called on the host's UI
  // thread (the one that initialised the plug-in) without PlugLock held;
  // elsewhere they keep waiting. Called after every editor change, state
  // load and editor tick, and from the host's own UI-thread calls, so a
  // change that arrived inside a block is heard at the host's next call.
  void DeliverHostNotifications();

  // Editor views; UI thread.
  void ViewOpened(IPlugVST3View* view);
  void ViewClosed(IPlugVST3View* view);

  OBJ_METHODS(IPlugVST3, SingleComponentEffect)
  DEFINE_INTERFACES
    DEF_INTERFACE(IUnitInfo)
    DEF_INTERFACE(IMidiMapping)
  END_DEFINE_INTERFACES(SingleComponentEffect)
  REFCOUNT_METHODS(SingleComponentEffect)

private:
  void AddBuses();
  void AddParameters();
  void ApplyParameterChanges(Steinberg::Vst::IParameterChanges& changes);
  void ApplyParameterChange(ParamID id, ParamValue value);
  void ProcessAudio(Steinberg::Vst::ProcessData& data);
  void RunSlice(Steinberg::Vst::ProcessData& data, int offset, int nFrames);
  int ConnectedOutputsIn(int first, int count) const;
  // The plug-in parameter a host id names; none for every other id.
  IPlugParam* ParamOfId(ParamID id);
  bool OnAudioThread() const;

  int mSideChainChannels;
  Steinberg::Vst::ProcessContext mProcessContext{};
  bool mHasProcessContext = false;
  std::vector<IPlugVST3View*> mViews;

  // Set for the duration of process(): changes made then are reported
  // through the block's output parameter changes, never the component handler.
  std::atomic<std::thread::id> mAudioThread{};
  std::atomic<std::thread::id> mUiThread{};
  std::atomic<int32> mPendingRestartFlags{0};
  Steinberg::Vst::IParameterChanges* mOutputChanges = nullptr;

  // Parameters whose editor gesture the host has been told about: an end
  // the host never saw begin (a press that went to the host's menu) is dropped.
  std::vector<bool> mGestureOpen;

  // Host buffers of one slice, offset into the host's block.
  std::vector<float*> mSlice32;
  std::vector<double*> mSlice64;
};
