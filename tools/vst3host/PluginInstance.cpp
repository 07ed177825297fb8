#include "PluginInstance.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "public.sdk/source/common/memorystream.h"

#include <cstring>

namespace VstHost
{
namespace
{
SpeakerArrangement ArrangementFor(int channels)
{
  return channels == 1 ? SpeakerArr::kMono : channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kEmpty;
}
}

std::unique_ptr<PluginInstance> PluginInstance::Create(Vst3Module& module, const HostString& hostName,
                                                       std::string& error)
{
  IPluginFactory* factory = module.Factory();
  std::unique_ptr<PluginInstance> instance(new PluginInstance);

  for (int32 i = 0; i < factory->countClasses(); ++i)
  {
    PClassInfo info;
    if (factory->getClassInfo(i, &info) != kResultOk || std::strcmp(info.category, kVstAudioEffectClass) != 0)
      continue;
    void* component = nullptr;
    if (factory->createInstance(info.cid, IComponent::iid, &component) == kResultOk && component)
      instance->mComponent = static_cast<IComponent*>(component);
    break;
  }
  if (!instance->mComponent)
  {
    error = "the factory created no audio effect";
    return nullptr;
  }

  void* processor = nullptr;
  void* controller = nullptr;
  instance->mComponent->queryInterface(IAudioProcessor::iid, &processor);
  instance->mComponent->queryInterface(IEditController::iid, &controller);
  instance->mProcessor = static_cast<IAudioProcessor*>(processor);
  instance->mController = static_cast<IEditController*>(controller);
  if (!instance->mProcessor || !instance->mController)
  {
    error = "the effect is not a single-component processor and controller";
    return nullptr;
  }

  instance->mHost = new HostApplication(hostName);
  instance->mHandler = new ComponentHandler;
  instance->mInputChanges = new ParameterChanges;
  instance->mOutputChanges = new ParameterChanges;
  if (instance->mComponent->initialize(instance->mHost) != kResultOk)
  {
    error = "initialize failed";
    return nullptr;
  }
  instance->mInitialized = true;
  instance->mController->setComponentHandler(instance->mHandler);
  return instance;
}

PluginInstance::~PluginInstance()
{
  Deactivate();
  if (mInitialized)
    mComponent->terminate();
  for (FUnknown* object : std::initializer_list<FUnknown*>{mController, mProcessor, mComponent, mHost, mHandler,
                                                            mInputChanges, mOutputChanges})
    if (object)
      object->release();
}

bool PluginInstance::Prepare(double sampleRate, int maxBlockSize, int sampleSize, int inputChannels,
                             int outputChannels)
{
  SpeakerArrangement in = ArrangementFor(inputChannels);
  SpeakerArrangement out = ArrangementFor(outputChannels);
  if (mProcessor->setBusArrangements(&in, 1, &out, 1) != kResultOk)
    return false;
  ProcessSetup setup{kRealtime, sampleSize, maxBlockSize, sampleRate};
  if (mProcessor->setupProcessing(setup) != kResultOk)
    return false;
  mActive = mComponent->setActive(true) == kResultOk;
  return mActive;
}

void PluginInstance::Deactivate()
{
  if (mActive)
    mComponent->setActive(false);
  mActive = false;
}

void PluginInstance::QueueParameter(ParamID id, ParamValue normalized, int sampleOffset)
{
  int32 queueIndex = 0;
  int32 pointIndex = 0;
  mInputChanges->addParameterData(id, queueIndex)->addPoint(sampleOffset, normalized, pointIndex);
}

template <class Sample>
tresult PluginInstance::ProcessBlock(Sample** inputs, int inputChannels, Sample** outputs, int outputChannels,
                                     int nFrames, int32 sampleSize)
{
  AudioBusBuffers in{};
  AudioBusBuffers out{};
  in.numChannels = inputChannels;
  out.numChannels = outputChannels;
  if constexpr (sizeof(Sample) == sizeof(float))
  {
    in.channelBuffers32 = inputs;
    out.channelBuffers32 = outputs;
  }
  else
  {
    in.channelBuffers64 = inputs;
    out.channelBuffers64 = outputs;
  }

  ProcessData data;
  data.processMode = kRealtime;
  data.symbolicSampleSize = sampleSize;
  data.numSamples = nFrames;
  data.numInputs = inputs || inputChannels ? 1 : 0;
  data.numOutputs = outputs || outputChannels ? 1 : 0;
  data.inputs = data.numInputs ? &in : nullptr;
  data.outputs = data.numOutputs ? &out : nullptr;
  data.inputParameterChanges = mInputChanges;
  data.outputParameterChanges = mOutputChanges;
  data.processContext = mHasContext ? &mContext : nullptr;

  mOutputChanges->Clear();
  const tresult result = mProcessor->process(data);
  mInputChanges->Clear();
  return result;
}

tresult PluginInstance::Process(float** inputs, int inputChannels, float** outputs, int outputChannels, int nFrames)
{
  return ProcessBlock(inputs, inputChannels, outputs, outputChannels, nFrames, kSample32);
}

tresult PluginInstance::Process(double** inputs, int inputChannels, double** outputs, int outputChannels,
                                int nFrames)
{
  return ProcessBlock(inputs, inputChannels, outputs, outputChannels, nFrames, kSample64);
}

std::vector<char> PluginInstance::GetState()
{
  auto* stream = new MemoryStream;
  std::vector<char> bytes;
  if (mComponent->getState(stream) == kResultOk)
    bytes.assign(stream->getData(), stream->getData() + stream->getSize());
  stream->release();
  return bytes;
}

tresult PluginInstance::SetState(const std::vector<char>& bytes)
{
  auto* stream = new MemoryStream;
  int32 written = 0;
  if (!bytes.empty())
    stream->write(const_cast<char*>(bytes.data()), static_cast<int32>(bytes.size()), &written);
  stream->seek(0, IBStream::kIBSeekSet, nullptr);
  const tresult result = mComponent->setState(stream);
  stream->release();
  return result;
}

HostString PluginInstance::DisplayText(ParamID id) const
{
  String128 text{};
  if (mController->getParamStringByValue(id, mController->getParamNormalized(id), text) != kResultOk)
    return STR16("");
  return HostString(text);
}

int64_t PluginInstance::FindParameter(const HostString& title) const
{
  for (int32 i = 0; i < mController->getParameterCount(); ++i)
  {
    ParameterInfo info{};
    if (mController->getParameterInfo(i, info) == kResultOk && title == HostString(info.title))
      return info.id;
  }
  return -1;
}
}
