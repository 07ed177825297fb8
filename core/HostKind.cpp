#include "HostKind.h"

#include "BoundedText.h"

#include <string>

namespace
{
struct HostKey
{
  const char* key;
  int kind;
};

// Tested in this order: the first key found wins ("presonus live" is Live).
constexpr HostKey kHostKeys[] = {
  {"cubase", 3},      {"reaper", 1},     {"nuendo", 4},      {"cakewalk", 5},
  {"samplitude", 8},  {"fruity", 7},     {"live", 9},        {"melodyne", 12},
  {"vstmanlib", 13},  {"aulab", 14},     {"garageband", 22}, {"forte", 15},
  {"chainer", 16},    {"audition", 17},  {"orion", 18},      {"sawstudio", 20},
  {"logic", 21},      {"digital", 23},   {"audiomulch", 25}, {"presonus", 26},
  {"vst3plugintesthost", 27}, {"protools", 2}, {"ardour", 28}, {"openmpt", 30},
  {"renoise", 29},    {"standalone", 24}, {"wavelab", 31},
};

constexpr std::string::size_type kNameBufferLength = 255;
}

int LookUpHostKind(const char* hostName)
{
  std::string name = BoundedText(hostName, kNameBufferLength);
  for (char& c : name)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');

  for (const HostKey& entry : kHostKeys)
    if (name.find(entry.key) != std::string::npos)
      return entry.kind;
  return kHostUnknown;
}
