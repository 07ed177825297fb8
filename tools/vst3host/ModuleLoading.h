#pragma once

#include <string>

// How the operating system loads a VST 3 module; one implementation per
// platform.
namespace VstHost
{
// The binary inside a bundle such as "VelkorTape.vst3".
std::string ModuleBinaryPath(const std::string& bundlePath);
// The bundle's name without its folder, trailing separators and ".vst3":
// "VelkorTape" for "/plug-ins/VelkorTape.vst3/". `separators` are the
// platform's path separators.
std::string BundleName(const std::string& bundlePath, const char* separators);
void* OpenLibrary(const std::string& path, std::string& error);
void* LibrarySymbol(void* library, const char* name);
void CloseLibrary(void* library);
// The module's own entry and exit functions, as a host calls them around
// using its factory.
bool EnterModule(void* library);
void ExitModule(void* library);
}
