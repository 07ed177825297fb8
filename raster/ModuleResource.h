#pragma once

// Resources compiled into the module, found by integer id and type as the
// platform's resource table finds them. Each platform implements the look-up
// under platform/<os>/ (Windows: FindResourceA and friends on the module's
// own handle; Linux: tables compiled in by velkor_embed_resources).

// A resource type: a name such as "PNG" (compared ignoring case) or a number
// such as kResourceTypeRawData.
class ResourceType
{
public:
  // Implicit on purpose: look-ups read like FindModuleResource(101, "PNG").
  ResourceType(const char* name) : name_(name) {}
  ResourceType(int number) : number_(number) {}

  // None for a numbered type.
  const char* Name() const { return name_; }
  // 0 for a named type.
  int Number() const { return number_; }

private:
  const char* name_ = nullptr;
  int number_ = 0;
};

constexpr int kResourceTypeRawData = 10;

// The bytes of a resource; data is none when it was not found. They stay
// valid for as long as the module is loaded.
struct ModuleResource
{
  const unsigned char* data = nullptr;
  int size = 0;
};

// Finds resource `id` of `type` in the module this code is linked into; only
// the low 16 bits of the id count.
ModuleResource FindModuleResource(int id, const ResourceType& type);
