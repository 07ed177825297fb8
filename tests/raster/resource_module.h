#pragma once

// Entry points of the test's shared module, which embeds resources of its own.
// Size of the module's resource, or -1 when the module has none such.
extern "C" __attribute__((visibility("default"))) int ResourceModuleResourceSize(int id, const char* typeName);
// Width of the module's PNG resource, or -1 when it does not load.
extern "C" __attribute__((visibility("default"))) int ResourceModulePngWidth(int id);
