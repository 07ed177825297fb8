#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <memory>
#include <string>

namespace VstHost
{
// A loaded VST 3 bundle: the binary opened, its entry function called and
// its factory taken, undone in reverse order on destruction.
class Vst3Module
{
public:
  static std::unique_ptr<Vst3Module> Load(const std::string& bundlePath, std::string& error);
  // A factory linked into this program, used as a loaded module's is; takes
  // over the caller's reference.
  static std::unique_ptr<Vst3Module> FromFactory(Steinberg::IPluginFactory* factory);
  ~Vst3Module();

  Vst3Module(const Vst3Module&) = delete;
  Vst3Module& operator=(const Vst3Module&) = delete;

  Steinberg::IPluginFactory* Factory() const { return mFactory; }
  void* Library() const { return mLibrary; }

private:
  Vst3Module() = default;

  void* mLibrary = nullptr;
  bool mEntered = false;
  Steinberg::IPluginFactory* mFactory = nullptr;
};
}
