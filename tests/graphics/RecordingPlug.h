#pragma once

#include "core/FourCharCode.h"
#include "core/IPlugBase.h"
#include "tape/TapeParameterSet.h"
#include "tape/TapeParams.h"

#include <functional>
#include <vector>

// What the graphics core and the controls ask of the plug-in, in order.
struct PlugEvent
{
  enum Kind
  {
    Begin,
    Inform,
    End,
    HostMenu,
  };

  Kind kind;
  int paramIdx;
  double value = 0.0;
  int x = 0;
  int y = 0;

  bool operator==(const PlugEvent&) const = default;
};

// A VST 3-like plug-in with the tape's parameters that records the host
// operations the editor triggers.
class RecordingPlug : public IPlugBase
{
public:
  RecordingPlug()
    : IPlugBase(kTapeParamCount, "1-1 2-2", 1, "RecordingPlug", "", "Velkor", 0x10000, FourCharCode("Test"),
                FourCharCode("Velk"), 0, false, false, 1)
  {
    DefineTapeParameters(*this);
  }

  void HandleParamChange(int paramIdx, ParamChangeSource source) override
  {
    changes.push_back(paramIdx);
    if (onChange)
      onChange(paramIdx, source);
  }
  void EditorIdleHook() override { ++idleHooks; }

  void ShowHostParamMenu(int paramIdx, int x, int y) override
  {
    events.push_back({PlugEvent::HostMenu, paramIdx, 0.0, x, y});
  }
  void BeginInformHostOfParamChange(int paramIdx) override { events.push_back({PlugEvent::Begin, paramIdx}); }
  void InformHostOfParamChange(int paramIdx, double normalized) override
  {
    events.push_back({PlugEvent::Inform, paramIdx, normalized});
  }
  void EndInformHostOfParamChange(int paramIdx) override { events.push_back({PlugEvent::End, paramIdx}); }
  void ReadTransport(ITransportInfo&) override {}
  void ResizeEditorWindow(int width, int height) override
  {
    resizedWidth = width;
    resizedHeight = height;
  }

  std::vector<PlugEvent> events;
  std::vector<int> changes;
  std::function<void(int, ParamChangeSource)> onChange;
  int idleHooks = 0;
  int resizedWidth = 0;
  int resizedHeight = 0;
};
