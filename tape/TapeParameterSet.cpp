#include "TapeParameterSet.h"

#include "TapeParams.h"
#include "core/IPlugBase.h"
#include "tape/DeckTable.h"

namespace
{
void AddTexts(IPlugParam& param, std::initializer_list<const char*> texts)
{
  int value = 0;
  for (const char* text : texts)
    param.AddDisplayText(value++, text);
}
}

void DefineTapeParameters(IPlugBase& plug)
{
  plug.GetParam(ParamInputLevel)->DefineDouble(kTapeParamNames[ParamInputLevel], 0.0, -18.0, 18.0, 0.1, "dB");
  plug.GetParam(ParamAutoInput)->DefineBool(kTapeParamNames[ParamAutoInput], false);

  IPlugParam& autoLevel = *plug.GetParam(ParamAutoInputLevel);
  autoLevel.DefineEnum(kTapeParamNames[ParamAutoInputLevel], 0, 4);
  AddTexts(autoLevel, {"+0 VU", "+1 VU", "+2 VU", "+3 VU"});

  plug.GetParam(ParamOutputLevel)->DefineDouble(kTapeParamNames[ParamOutputLevel], 0.0, -18.0, 18.0, 0.1, "dB");

  IPlugParam& bias = *plug.GetParam(ParamBiasLevel);
  bias.DefineEnum(kTapeParamNames[ParamBiasLevel], 0, 3);
  AddTexts(bias, {"+0 dB", "+3 dB", "+6 dB"});

  plug.GetParam(ParamOutputCompensation)->DefineBool(kTapeParamNames[ParamOutputCompensation], true);
  plug.GetParam(ParamHiss)->DefineBool(kTapeParamNames[ParamHiss], true);

  IPlugParam& deck = *plug.GetParam(ParamDeckType);
  deck.DefineEnum(kTapeParamNames[ParamDeckType], 0, kDeckCount);
  for (int d = 0; d < kDeckCount; ++d)
    deck.AddDisplayText(d, DeckNames[d]);

  IPlugParam& group = *plug.GetParam(ParamGroup);
  group.DefineEnum(kTapeParamNames[ParamGroup], 0, 9);
  AddTexts(group, {"No group", "Group 1", "Group 2", "Group 3", "Group 4", "Group 5", "Group 6", "Group 7",
                   "Group 8"});

  plug.GetParam(ParamBypass)->DefineBool(kTapeParamNames[ParamBypass], false);
  plug.GetParam(ParamHissLevel)->DefineDouble(kTapeParamNames[ParamHissLevel], -76.0, -100.0, -60.0, 1.0, "dB");
}
