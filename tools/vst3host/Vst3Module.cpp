#include "Vst3Module.h"

#include "ModuleLoading.h"

namespace VstHost
{
std::unique_ptr<Vst3Module> Vst3Module::Load(const std::string& bundlePath, std::string& error)
{
  std::unique_ptr<Vst3Module> module(new Vst3Module);
  const std::string binary = ModuleBinaryPath(bundlePath);
  module->mLibrary = OpenLibrary(binary, error);
  if (!module->mLibrary)
  {
    error = "cannot load " + binary + ": " + error;
    return nullptr;
  }
  module->mEntered = EnterModule(module->mLibrary);
  if (!module->mEntered)
  {
    error = binary + ": the module's entry function failed";
    return nullptr;
  }
  using GetFactoryFunction = Steinberg::IPluginFactory* (*)();
  auto getFactory = reinterpret_cast<GetFactoryFunction>(LibrarySymbol(module->mLibrary, "GetPluginFactory"));
  module->mFactory = getFactory ? getFactory() : nullptr;
  if (!module->mFactory)
  {
    error = binary + ": no plug-in factory";
    return nullptr;
  }
  return module;
}

std::unique_ptr<Vst3Module> Vst3Module::FromFactory(Steinberg::IPluginFactory* factory)
{
  if (!factory)
    return nullptr;
  std::unique_ptr<Vst3Module> module(new Vst3Module);
  module->mFactory = factory;
  return module;
}

Vst3Module::~Vst3Module()
{
  if (mFactory)
    mFactory->release();
  if (mEntered)
    ExitModule(mLibrary);
  if (mLibrary)
    CloseLibrary(mLibrary);
}
}
