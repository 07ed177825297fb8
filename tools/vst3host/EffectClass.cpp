#include "EffectClass.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <cstring>

namespace VstHost
{
using namespace Steinberg;

bool FindEffectClass(Vst3Module& module, EffectClass& found)
{
  void* queried = nullptr;
  if (module.Factory()->queryInterface(IPluginFactory2::iid, &queried) != kResultOk || !queried)
    return false;
  auto* factory = static_cast<IPluginFactory2*>(queried);
  bool described = false;
  for (int32 i = 0; i < factory->countClasses() && !described; ++i)
  {
    PClassInfo2 info;
    if (factory->getClassInfo2(i, &info) == kResultOk && std::strcmp(info.category, kVstAudioEffectClass) == 0)
    {
      found = {info.name, info.version, info.sdkVersion};
      described = true;
    }
  }
  factory->release();
  return described;
}
}
