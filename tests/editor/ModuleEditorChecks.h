#pragma once

// What the module editor tests of both platforms share, as they drive the
// same editor through different windows: the editor's layout, the edits the
// test host saw, and the screen against the editor drawn off-screen.
#include "tools/render/EditorPicture.h"
#include "tools/vst3host/HostObjects.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The tape editor as both platforms' tests drive it: its size, the
// parameters they change, the Deck type choice they pick, and where the
// controls that change them sit (editor pixels).
inline constexpr int kEditorWidth = 760;
inline constexpr int kEditorHeight = 450;
inline constexpr Steinberg::Vst::ParamID kInputLevel = 0;
inline constexpr Steinberg::Vst::ParamID kDeckType = 6;
inline constexpr Steinberg::Vst::ParamID kBypass = 9;
inline constexpr int kSwiss30 = 5;
inline constexpr int kInputKnobX = 84;
inline constexpr int kInputKnobY = 250;
inline constexpr int kDeckSelectorX = 662;
inline constexpr int kDeckSelectorY = 207;

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

// How many pixels of a screen shot (0xRRGGBB) differ from the picture; -1
// when the sizes differ.
inline int DifferentPixels(const std::vector<std::uint32_t>& shown, const EditorPicture& expected)
{
  if (shown.size() != expected.pixels.size())
    return -1;
  int different = 0;
  for (std::size_t i = 0; i < shown.size(); ++i)
    different += shown[i] != (expected.pixels[i] & 0xFFFFFFu);
  return different;
}
