#pragma once

#include "core/FourCharCode.h"
#include "core/IPlugBase.h"

#include <utility>
#include <vector>

// A minimal adapter: records what the base asks of the host and which
// parameter changes it announces.
class TestPlug : public IPlugBase
{
public:
  explicit TestPlug(int nParams = 3, const char* channelIO = "1-1 2-2", int nPresets = 1)
    : IPlugBase(nParams, channelIO, nPresets, "TestPlug", "", "Velkor", 0x10000, FourCharCode("Test"),
                FourCharCode("Velk"), 0, false, false, 1)
  {
  }

  void HandleParamChange(int paramIdx, ParamChangeSource source) override
  {
    changes.emplace_back(paramIdx, source);
  }
  void ProcessAudioBlock(double** inputs, double** outputs, int nFrames) override
  {
    ++processedBlocks;
    IPlugBase::ProcessAudioBlock(inputs, outputs, nFrames);
  }

  void ShowHostParamMenu(int, int, int) override {}
  void BeginInformHostOfParamChange(int) override {}
  void InformHostOfParamChange(int paramIdx, double normalized) override
  {
    informed.emplace_back(paramIdx, normalized);
  }
  void EndInformHostOfParamChange(int) override {}
  void ReadTransport(ITransportInfo&) override {}
  void ResizeEditorWindow(int, int) override {}

  std::vector<std::pair<int, ParamChangeSource>> changes;
  std::vector<std::pair<int, double>> informed;
  int processedBlocks = 0;
};
