#include "tape/VelkorTape.h"
#include "vst3/PluginFactory.h"

#include "core/PlugLock.h"
#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"

#include <new>

using namespace Steinberg;

namespace
{
// Instances may be created from several host threads; their constructors
// touch process-wide tables, so they run one at a time.
PlugLock& InstanceCreationLock()
{
  static PlugLock lock;
  return lock;
}

FUnknown* CreateVelkorTape(void*)
{
  VelkorTape* plugin = nullptr;
  {
    PlugLockGuard guard(InstanceCreationLock());
    plugin = new (std::nothrow) VelkorTape;
  }
  return plugin ? static_cast<Vst::IAudioProcessor*>(plugin) : nullptr;
}

// F2AEE70D-00DE-4F4E-'Velk'-'Tape'
const TUID kVelkorTapeClassId = INLINE_UID(0xF2AEE70D, 0x00DE4F4E, 0x56656C6B, 0x54617065);

CPluginFactory* gFactory = nullptr;

class VelkorTapeFactory : public CPluginFactory
{
public:
  using CPluginFactory::CPluginFactory;
  ~VelkorTapeFactory() override
  {
    if (gFactory == this)
      gFactory = nullptr;
  }
};
}

SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()
{
  if (gFactory)
  {
    gFactory->addRef();
    return gFactory;
  }

  static const PFactoryInfo factoryInfo("Velkor", "", "", PFactoryInfo::kUnicode);
  gFactory = new VelkorTapeFactory(factoryInfo);

  static const PClassInfo2 classInfo(kVelkorTapeClassId, PClassInfo::kManyInstances, kVstAudioEffectClass, "VelkorTape",
                                     Vst::kSimpleModeSupported, "Fx|Distortion", "", "1.2.1", "VST 3.5.2");
  gFactory->registerClass(classInfo, CreateVelkorTape);
  return gFactory;
}
