#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a loaded module's own PE headers declare.
std::vector<std::string> ExportedNames(HMODULE module);
std::vector<std::string> ImportedLibraries(HMODULE module);
