#include "SingleComponentEffect.h"

namespace Steinberg::Vst
{
SingleComponentEffect::SingleComponentEffect()
{
  processSetup.maxSamplesPerBlock = 1024;
  processSetup.processMode = kRealtime;
  processSetup.sampleRate = 44100.0;
  processSetup.symbolicSampleSize = kSample32;
}

tresult PLUGIN_API SingleComponentEffect::initialize(FUnknown* context)
{
  return EditController::initialize(context);
}

tresult PLUGIN_API SingleComponentEffect::terminate()
{
  parameters.removeAll();
  removeAllBusses();
  return EditController::terminate();
}

tresult PLUGIN_API SingleComponentEffect::getControllerClassId(TUID)
{
  return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::setIoMode(IoMode)
{
  return kNotImplemented;
}

BusList* SingleComponentEffect::getBusList(MediaType type, BusDirection dir)
{
  if (type == kAudio)
    return dir == kInput ? &audioInputs : &audioOutputs;
  if (type == kEvent)
    return dir == kInput ? &eventInputs : &eventOutputs;
  return nullptr;
}

int32 PLUGIN_API SingleComponentEffect::getBusCount(MediaType type, BusDirection dir)
{
  const BusList* list = getBusList(type, dir);
  return list ? static_cast<int32>(list->size()) : 0;
}

tresult PLUGIN_API SingleComponentEffect::getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& info)
{
  BusList* list = getBusList(type, dir);
  if (!list || index < 0 || index >= static_cast<int32>(list->size()))
    return kInvalidArgument;
  Bus* bus = list->at(index);
  info.mediaType = type;
  info.direction = dir;
  return bus->getInfo(info) ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::getRoutingInfo(RoutingInfo&, RoutingInfo&)
{
  return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::activateBus(MediaType type, BusDirection dir, int32 index, TBool state)
{
  BusList* list = getBusList(type, dir);
  if (!list || index < 0 || index >= static_cast<int32>(list->size()))
    return kInvalidArgument;
  list->at(index)->setActive(state);
  return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::setActive(TBool)
{
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setState(IBStream*)
{
  return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::getState(IBStream*)
{
  return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::setBusArrangements(SpeakerArrangement*, int32, SpeakerArrangement*, int32)
{
  return kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
  BusList* list = getBusList(kAudio, dir);
  if (!list || index < 0 || index >= static_cast<int32>(list->size()))
    return kInvalidArgument;
  auto* bus = FCast<AudioBus>(list->at(index).get());
  if (!bus)
    return kResultFalse;
  arr = bus->getArrangement();
  return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::canProcessSampleSize(int32 symbolicSampleSize)
{
  return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API SingleComponentEffect::getLatencySamples()
{
  return 0;
}

tresult PLUGIN_API SingleComponentEffect::setupProcessing(ProcessSetup& setup)
{
  if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
    return kResultFalse;
  processSetup = setup;
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setProcessing(TBool)
{
  return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::process(ProcessData&)
{
  return kNotImplemented;
}

uint32 PLUGIN_API SingleComponentEffect::getTailSamples()
{
  return kNoTail;
}

AudioBus* SingleComponentEffect::addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType, int32 flags)
{
  auto* bus = new AudioBus(name, busType, flags, arr);
  audioInputs.emplace_back(owned(bus));
  return bus;
}

AudioBus* SingleComponentEffect::addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType,
                                                int32 flags)
{
  auto* bus = new AudioBus(name, busType, flags, arr);
  audioOutputs.emplace_back(owned(bus));
  return bus;
}

EventBus* SingleComponentEffect::addEventInput(const TChar* name, int32 channels, BusType busType, int32 flags)
{
  auto* bus = new EventBus(name, busType, flags, channels);
  eventInputs.emplace_back(owned(bus));
  return bus;
}

void SingleComponentEffect::removeAllBusses()
{
  audioInputs.clear();
  audioOutputs.clear();
  eventInputs.clear();
  eventOutputs.clear();
}
}
