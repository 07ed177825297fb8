#pragma once

// How the test host saw a control's edits: shared by the module editor tests
// of both platforms, which drive the same editor through different windows.
#include "tools/vst3host/HostObjects.h"

#include <cstddef>
#include <vector>

// The parameter value a normalised "Input level" (-18..18 dB) stands for.
inline double InputLevelDb(double normalized) { return normalized * 36.0 - 18.0; }

// The kinds of the edits of `id`, in order.
inline std::vector<VstHost::ComponentHandler::Edit::Kind>
KindsOf(const std::vector<VstHost::ComponentHandler::Edit>& edits, Steinberg::Vst::ParamID id)
{
  std::vector<VstHost::ComponentHandler::Edit::Kind> kinds;
  for (const auto& edit : edits)
    if (edit.id == id)
      kinds.push_back(edit.kind);
  return kinds;
}

// One begin, performs, one end.
inline bool IsOneGesture(const std::vector<VstHost::ComponentHandler::Edit::Kind>& kinds)
{
  using Edit = VstHost::ComponentHandler::Edit;
  if (kinds.size() < 3 || kinds.front() != Edit::Begin || kinds.back() != Edit::End)
    return false;
  for (std::size_t i = 1; i + 1 < kinds.size(); ++i)
    if (kinds[i] != Edit::Perform)
      return false;
  return true;
}
