#pragma once

#include "tape/TapeParams.h"

// The words printed on the editor's face beside its controls. The artwork
// engraves them; the render tool tells users which parameter each one names,
// since the labels are shorter than the parameters' names.
namespace EditorLabelText
{
inline constexpr const char* kInput = "INPUT";
inline constexpr const char* kOutput = "OUTPUT";
inline constexpr const char* kAutoGain = "AUTO GAIN";
inline constexpr const char* kOutComp = "OUT. COMP.";
inline constexpr const char* kHiss = "HISS";
inline constexpr const char* kLevel = "LEVEL";
inline constexpr const char* kBias = "BIAS";
inline constexpr const char* kBypass = "BYPASS";
inline constexpr const char* kGroup = "GROUP";
inline constexpr const char* kDeck = "DECK";
}

// A control of the editor as a user finds it: its label, where it is when the
// label alone does not say, and the parameter it sets.
struct EditorLabel
{
  const char* text;
  const char* place;
  TapeParam param;
};

inline constexpr EditorLabel kEditorLabels[] = {
  {EditorLabelText::kInput, "", ParamInputLevel},
  {EditorLabelText::kOutput, "", ParamOutputLevel},
  {EditorLabelText::kAutoGain, "", ParamAutoInput},
  {EditorLabelText::kLevel, "under AUTO GAIN", ParamAutoInputLevel},
  {EditorLabelText::kOutComp, "", ParamOutputCompensation},
  {EditorLabelText::kBias, "", ParamBiasLevel},
  {EditorLabelText::kHiss, "", ParamHiss},
  {EditorLabelText::kLevel, "under HISS", ParamHissLevel},
  {EditorLabelText::kBypass, "", ParamBypass},
  {EditorLabelText::kGroup, "", ParamGroup},
  {EditorLabelText::kDeck, "", ParamDeckType},
};
