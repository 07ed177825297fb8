#pragma once

#include "tape/AutoGain.h"
#include "tape/GroupLink.h"
#include "tape/TapeEditor.h"
#include "tape/TapeEngine.h"
#include "vst3/IPlugVST3.h"

#include <memory>

// The tape-machine plug-in: eleven parameters over the tape engine, its
// meters and automatic input gain, linked with other instances by group.
class IGraphics;

class VelkorTape : public IPlugVST3
{
public:
  VelkorTape();
  ~VelkorTape() override;

  // Adapter, at processing set-up (UI thread, never while processing).
  void ResetProcessing() override;
  // Any source; takes PlugLock.
  void HandleParamChange(int paramIdx, ParamChangeSource source) override;
  // Audio thread, PlugLock held by the base.
  void ProcessAudioBlock(double** inputs, double** outputs, int nFrames) override;
  // Editor thread.
  void EditorOpened() override;
  void EditorIdleHook() override;

  const TapeEngine& Engine() const { return mEngine; }
  const AutoGainState& AutoGain() const { return mAutoGain; }
  const GroupLink& Group() const { return *mGroupLink; }
  // The editor, none where the platform has no window layer.
  IGraphics* Graphics() const { return mGraphics; }
  const TapeMeterControls& MeterControls() const { return mMeterControls; }

private:
  double Value(int paramIdx) const { return GetParam(paramIdx)->Value(); }
  void ApplyLevelCoupling(int changedIdx, ParamChangeSource source);
  void SwitchAutoInputOffAtTransportStop();
  void PushToControls(int paramIdx);
  void BuildEditor();
  // Machine picture frame of the chosen deck; UI or audio thread, PlugLock held.
  void ShowMachine(int deck);
  // Meters and clip lamps after a block; audio thread.
  void ShowMeters();

  ITransportInfo mTransport;
  bool mWasPlaying = false;
  AutoGainState mAutoGain;
  TapeEngine mEngine;
  std::unique_ptr<GroupLink> mGroupLink;
  // Owned by the plug-in base once bound.
  IGraphics* mGraphics = nullptr;
  TapeMeterControls mMeterControls;
};
