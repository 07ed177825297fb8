#pragma once

#include "Vst3Module.h"

#include <string>

namespace VstHost
{
// The first audio effect class a module's factory registers, as a host lists
// it.
struct EffectClass
{
  std::string name;
  std::string version;
  std::string sdkVersion;
};

// False when the factory registers no audio effect or cannot describe it.
bool FindEffectClass(Vst3Module& module, EffectClass& found);
}
