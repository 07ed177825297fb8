#include "VelkorTape.h"

#include "core/CopySamples.h"
#include "core/FourCharCode.h"
#include "core/Units.h"
#include "tape/TapeParameterSet.h"
#include "tape/TapeParams.h"

VelkorTape::VelkorTape()
  : IPlugVST3(kTapeParamCount, "1-1 2-2", 1, "VelkorTape", "", "Velkor", 0x10201, FourCharCode("Tape"),
              FourCharCode("Velk"), 0, false, false, 0)
{
  DefineTapeParameters(*this);
  mGroupLink = std::make_unique<GroupLink>(
    *this, std::initializer_list<int>{ParamAutoInput, ParamAutoInputLevel, ParamBiasLevel, ParamDeckType, ParamHiss,
                                      ParamOutputCompensation, ParamBypass, ParamHissLevel});
  BuildEditor();
  AddDefaultPresets("-", 1);
  mEngine.SetChannelCount(1);
  mAutoGain.SetChannelCount(1);
}

VelkorTape::~VelkorTape()
{
  PlugLockGuard guard(Lock());
  mGroupLink.reset();
}

void VelkorTape::ResetProcessing()
{
  PlugLockGuard guard(Lock());
  mAutoGain.SetChannelCount(1);
  mEngine.Reset(SampleRate());
  mAutoGain.SetSampleRate(mEngine.SampleRate());
  mAutoGain.Restart(Value(ParamAutoInputLevel));
}

void VelkorTape::PushToControls(int paramIdx)
{
  if (IPlugEditor* editor = GetGUI())
    editor->ApplyParamToControls(paramIdx, GetParam(paramIdx)->Normalized(), true);
}

// "Output compensation" keeps the two levels opposite while the user, the
// host or the automatic gain moves one of them. A recall restores both as
// they were stored.
void VelkorTape::ApplyLevelCoupling(int changedIdx, ParamChangeSource source)
{
  if (source == ChangeFromRecall || Value(ParamOutputCompensation) < 0.5)
    return;
  const int coupledIdx = changedIdx == ParamInputLevel ? ParamOutputLevel : ParamInputLevel;
  const double level = Value(changedIdx);
  GetParam(coupledIdx)->SetClamped(-level);
  if (coupledIdx == ParamInputLevel)
    mEngine.SetInputGain(DbToAmp(-level));
  else
    mEngine.SetOutputGain(DbToAmp(-level));
  PushToControls(ParamInputLevel);
  PushToControls(ParamOutputLevel);
}

void VelkorTape::HandleParamChange(int paramIdx, ParamChangeSource source)
{
  PlugLockGuard guard(Lock());
  const double v = Value(paramIdx);
  switch (paramIdx)
  {
    case ParamInputLevel:
      mEngine.SetInputGain(DbToAmp(v));
      ApplyLevelCoupling(paramIdx, source);
      break;
    case ParamOutputLevel:
      mEngine.SetOutputGain(DbToAmp(v));
      ApplyLevelCoupling(paramIdx, source);
      break;
    case ParamAutoInputLevel:
      mAutoGain.Restart(v);
      break;
    case ParamBiasLevel:
      mEngine.SetBias(3.0 * v);
      break;
    case ParamDeckType:
      mEngine.SelectDeck(static_cast<int>(v));
      ShowMachine(mEngine.SelectedDeck());
      break;
    case ParamHiss:
      mEngine.SetHissOn(v >= 0.5);
      break;
    case ParamGroup:
      mGroupLink->SelectGroup(static_cast<int>(v));
      break;
    case ParamHissLevel:
      mEngine.SetHissGain(DbToAmp(v));
      break;
    default:  // "Auto input", "Output compensation" and "Bypass" are read where they act
      break;
  }

  PushToControls(paramIdx);
  if (IPlugEditor* editor = GetGUI())
    editor->MarkAllControlsDirty();
  mGroupLink->PublishToGroup();
}

void VelkorTape::SwitchAutoInputOffAtTransportStop()
{
  if (mTransport.isPlaying)
  {
    mWasPlaying = true;
    return;
  }
  if (!mWasPlaying)
    return;
  mWasPlaying = false;
  GetParam(ParamAutoInput)->SetClamped(0.0);
  InformHostOfParamChange(ParamAutoInput, GetParam(ParamAutoInput)->Normalized());
  PushToControls(ParamAutoInput);
}

void VelkorTape::ProcessAudioBlock(double** inputs, double** outputs, int nFrames)
{
  if (nFrames < 1)
    return;
  mGroupLink->PickUpFromGroup();
  ReadTransport(mTransport);
  SwitchAutoInputOffAtTransportStop();

  if (Value(ParamBypass) >= 0.5)
  {
    CopySamples(outputs[1], inputs[1], nFrames);
    CopySamples(outputs[0], inputs[0], nFrames);
    return;
  }

  // The chain runs in place in the outputs: the host's input buffers may be
  // shared with others and are only read.
  const bool mono = !IsInputChannelConnected(1);
  CopySamples(outputs[1], inputs[mono ? 0 : 1], nFrames);
  CopySamples(outputs[0], inputs[0], nFrames);
  const int channels = mono ? 1 : 2;
  mEngine.SetChannelCount(channels);
  mAutoGain.SetChannelCount(channels);

  if (Value(ParamAutoInput) >= 0.5)
  {
    IPlugParam& inputLevel = *GetParam(ParamInputLevel);
    const double before = inputLevel.Value();
    inputLevel.SetClamped(mAutoGain.UpdateAutoGain(inputs, nFrames));
    HandleParamChange(ParamInputLevel, ChangeFromPlugin);
    if (inputLevel.Value() != before)
      InformHostOfParamChange(ParamInputLevel, inputLevel.Normalized());
  }
  mEngine.RunTapeChain(outputs, nFrames);
  if (mono)
    CopySamples(outputs[1], outputs[0], nFrames);
  ShowMeters();
}

void VelkorTape::EditorOpened()
{
  mGroupLink->PickUpFromGroup();
}

void VelkorTape::EditorIdleHook()
{
  mGroupLink->PickUpFromGroup();
}
