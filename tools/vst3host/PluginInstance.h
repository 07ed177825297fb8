#pragma once

#include "HostObjects.h"
#include "Vst3Module.h"

#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <memory>
#include <string>
#include <vector>

namespace VstHost
{
// One plug-in instance driven the way a DAW drives it: created through the
// module's factory, initialised with a host context, set up, activated, fed
// blocks with parameter queues, asked for and given its state, terminated.
class PluginInstance
{
public:
  // The first class of the factory whose category is an audio effect.
  static std::unique_ptr<PluginInstance> Create(Vst3Module& module, const HostString& hostName,
                                                std::string& error);
  ~PluginInstance();

  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  IComponent* Component() const { return mComponent; }
  IAudioProcessor* Processor() const { return mProcessor; }
  IEditController* Controller() const { return mController; }
  ComponentHandler& Handler() const { return *mHandler; }

  // setBusArrangements with `inputChannels` in and `outputChannels` out,
  // setupProcessing and setActive(true). Returns false at the first refusal.
  bool Prepare(double sampleRate, int maxBlockSize, int sampleSize, int inputChannels = 2, int outputChannels = 2);
  void Deactivate();

  // A value for the next block; queued values keep their order per parameter.
  void QueueParameter(ParamID id, ParamValue normalized, int sampleOffset = 0);
  void SetTransport(const ProcessContext& context) { mContext = context; mHasContext = true; }

  // One block, in place of the host's buffers (nullptr arrays are passed on
  // as they are). The output parameter changes of the block are kept.
  tresult Process(float** inputs, int inputChannels, float** outputs, int outputChannels, int nFrames);
  tresult Process(double** inputs, int inputChannels, double** outputs, int outputChannels, int nFrames);
  // A block of no samples and no buffers: only the queued parameters apply.
  tresult FlushParameters() { return Process(static_cast<float**>(nullptr), 0, nullptr, 0, 0); }
  ParameterChanges& OutputChanges() { return *mOutputChanges; }

  std::vector<char> GetState();
  tresult SetState(const std::vector<char>& bytes);

  ParamValue Normalized(ParamID id) const { return mController->getParamNormalized(id); }
  HostString DisplayText(ParamID id) const;
  // Finds a published parameter by its title; -1 when there is none.
  int64_t FindParameter(const HostString& title) const;

private:
  PluginInstance() = default;
  template <class Sample>
  tresult ProcessBlock(Sample** inputs, int inputChannels, Sample** outputs, int outputChannels, int nFrames,
                       int32 sampleSize);

  IComponent* mComponent = nullptr;
  IAudioProcessor* mProcessor = nullptr;
  IEditController* mController = nullptr;
  HostApplication* mHost = nullptr;
  ComponentHandler* mHandler = nullptr;
  ParameterChanges* mInputChanges = nullptr;
  ParameterChanges* mOutputChanges = nullptr;
  bool mInitialized = false;
  bool mActive = false;
  ProcessContext mContext{};
  bool mHasContext = false;
};
}
