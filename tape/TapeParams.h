#pragma once

// The tape plug-in's parameters, by index (also the host's parameter ids).
enum TapeParam : int
{
  ParamInputLevel = 0,
  ParamAutoInput = 1,
  ParamAutoInputLevel = 2,
  ParamOutputLevel = 3,
  ParamOutputCompensation = 4,
  ParamBiasLevel = 5,
  ParamDeckType = 6,
  ParamHiss = 7,
  ParamGroup = 8,
  ParamBypass = 9,
  ParamHissLevel = 10,
  kTapeParamCount = 11,
};

// Their names, by index, as hosts and the render tool show them.
inline constexpr const char* kTapeParamNames[kTapeParamCount] = {
  "Input level", "Auto input", "Auto input Level", "Output level", "Output compensation", "Bias level",
  "Deck type",   "Hiss",       "Group",            "Bypass",       "Hiss level",
};
