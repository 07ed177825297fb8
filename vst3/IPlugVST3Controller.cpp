#include "IPlugVST3.h"
#include "IPlugVST3View.h"
#include "Vst3Strings.h"

#include "pluginterfaces/vst/ivstcontextmenu.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int kMidiControllers = 128;

// Non-empty group names become units, numbered from 1 in order of first use.
UnitID UnitOfGroup(std::vector<std::string>& unitNames, const char* group)
{
  if (!group || !*group)
    return kRootUnitId;
  const auto found = std::find(unitNames.begin(), unitNames.end(), group);
  if (found != unitNames.end())
    return static_cast<UnitID>(found - unitNames.begin()) + 1;
  unitNames.emplace_back(group);
  return static_cast<UnitID>(unitNames.size());
}
}

void IPlugVST3::AddParameters()
{
  UnitNames().clear();
  if (NPresets() > 0)
    parameters.addParameter(new Parameter(STR16("Preset"), kPresetParamId, STR16(""), 0.0, NPresets(),
                                          ParameterInfo::kIsProgramChange, kRootUnitId));

  if (!IsInstrument())
  {
    auto* bypass = new StringListParameter(STR16("Bypass"), kBypassParamId, nullptr,
                                           ParameterInfo::kCanAutomate | ParameterInfo::kIsList |
                                             ParameterInfo::kIsBypass,
                                           kRootUnitId);
    bypass->appendString(const_cast<TChar*>(STR16("off")));
    bypass->appendString(const_cast<TChar*>(STR16("on")));
    parameters.addParameter(bypass);
  }

  for (int i = 0; i < NParams(); ++i)
  {
    const IPlugParam& param = *GetParam(i);
    const Vst3String name = WidenText(param.Name());
    const Vst3String units = WidenText(param.UnitLabel());
    const int32 automate = param.Automatable() ? ParameterInfo::kCanAutomate : 0;
    const UnitID unit = UnitOfGroup(UnitNames(), param.GroupName());

    switch (param.Kind())
    {
      case KindBool:
      case KindEnum:
      {
        auto* list = new StringListParameter(name.c_str(), static_cast<ParamID>(i), units.c_str(),
                                             ParameterInfo::kIsList | automate, unit);
        for (int v = 0; v < param.DisplayTextCount(); ++v)
        {
          String128 text;
          WidenText(param.DisplayTextFor(v), text);
          list->appendString(text);
        }
        // The SDK's list starts every entry at 0; a host's "reset to default"
        // must give the plug-in's own default.
        list->getInfo().defaultNormalizedValue = param.NormalizeValue(param.Default());
        parameters.addParameter(list);
        break;
      }
      case KindInt:
      case KindDouble:
      {
        auto* range = new RangeParameter(name.c_str(), static_cast<ParamID>(i), units.c_str(), param.Min(),
                                         param.Max(), param.Default(), 0, automate, unit);
        range->setPrecision(param.Precision());
        parameters.addParameter(range);
        break;
      }
      case KindNone:
        break;
    }
  }

  if (DoesMidi())
  {
    for (int c = 0; c < kMidiControllers; ++c)
    {
      auto* cc = new RangeParameter(STR16("MIDI CC"), static_cast<ParamID>(NParams() + c), STR16(""), 0.0, 127.0, 0.0, 0,
                                    ParameterInfo::kCanAutomate, kRootUnitId);
      cc->setPrecision(1);
      parameters.addParameter(cc);
    }
  }
}

tresult PLUGIN_API IPlugVST3::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
  if (paramIndex < 0 || paramIndex >= parameters.getParameterCount())
    return kResultFalse;
  return SingleComponentEffect::getParameterInfo(paramIndex, info);
}

IPlugParam* IPlugVST3::ParamOfId(ParamID id)
{
  return id < static_cast<ParamID>(NParams()) ? GetParam(static_cast<int>(id)) : nullptr;
}

tresult PLUGIN_API IPlugVST3::getParamStringByValue(ParamID id, ParamValue valueNormalized, String128 string)
{
  DeliverHostNotifications();
  const IPlugParam* param = ParamOfId(id);
  if (!param || !string)
    return kResultFalse;
  char text[IPlugParam::kTextLength];
  param->FormatValue(valueNormalized, true, text, true);
  WidenText(text, string);
  return kResultOk;
}

ParamValue PLUGIN_API IPlugVST3::plainParamToNormalized(ParamID id, ParamValue plainValue)
{
  const IPlugParam* param = ParamOfId(id);
  return param ? param->NormalizeValue(plainValue) : plainValue;
}

ParamValue PLUGIN_API IPlugVST3::getParamNormalized(ParamID id)
{
  DeliverHostNotifications();
  if (id == kBypassParamId)
    return IsBypassed() ? 1.0 : 0.0;
  const IPlugParam* param = ParamOfId(id);
  return param ? param->Normalized() : 0.0;
}

tresult PLUGIN_API IPlugVST3::setParamNormalized(ParamID, ParamValue)
{
  // Values reach the plug-in only through process().
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setKnobMode(KnobMode)
{
  return kResultOk;
}

IPlugView* PLUGIN_API IPlugVST3::createView(FIDString name)
{
  if (!name || std::strcmp(name, ViewType::kEditor) != 0)
    return nullptr;
  return new IPlugVST3View(*this);
}

void IPlugVST3::ViewOpened(IPlugVST3View* view)
{
  mViews.push_back(view);
}

void IPlugVST3::ViewClosed(IPlugVST3View* view)
{
  const auto found = std::find(mViews.begin(), mViews.end(), view);
  if (found != mViews.end())
    mViews.erase(found);
}

int32 PLUGIN_API IPlugVST3::getUnitCount()
{
  return static_cast<int32>(UnitNames().size()) + 1;
}

tresult PLUGIN_API IPlugVST3::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
  if (unitIndex < 0 || unitIndex > static_cast<int32>(UnitNames().size()))
    return kResultFalse;
  info.id = unitIndex;
  info.parentUnitId = unitIndex == 0 ? kNoParentUnitId : kRootUnitId;
  info.programListId = kNoProgramListId;
  WidenText(unitIndex == 0 ? "Root Unit" : UnitNames()[unitIndex - 1].c_str(), info.name);
  return kResultOk;
}

int32 PLUGIN_API IPlugVST3::getProgramListCount()
{
  return 0;
}

tresult PLUGIN_API IPlugVST3::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
  if (listIndex != 0)
    return kResultFalse;
  info.id = static_cast<ProgramListID>(kPresetParamId);
  info.programCount = NPresets();
  WidenText("Factory Presets", info.name);
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
  if (listId != static_cast<ProgramListID>(kPresetParamId) || !name)
    return kResultFalse;
  WidenText(PresetName(programIndex), name);
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getProgramInfo(ProgramListID, int32, Vst::CString, String128)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::hasProgramPitchNames(ProgramListID, int32)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::getProgramPitchName(ProgramListID, int32, int16, String128)
{
  return kNotImplemented;
}

UnitID PLUGIN_API IPlugVST3::getSelectedUnit()
{
  return kRootUnitId;
}

tresult PLUGIN_API IPlugVST3::selectUnit(UnitID)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::getUnitByBus(MediaType, BusDirection, int32, int32, UnitID&)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::setUnitProgramData(int32, int32, IBStream*)
{
  return kNotImplemented;
}

tresult PLUGIN_API IPlugVST3::getMidiControllerAssignment(int32, int16, CtrlNumber midiControllerNumber, ParamID& id)
{
  if (!DoesMidi() || midiControllerNumber < 0 || midiControllerNumber >= kMidiControllers)
    return kResultFalse;
  id = static_cast<ParamID>(NParams() + midiControllerNumber);
  return kResultTrue;
}

bool IPlugVST3::OnAudioThread() const
{
  return mAudioThread.load() == std::this_thread::get_id();
}

void IPlugVST3::BeginInformHostOfParamChange(int paramIdx)
{
  if (OnAudioThread() || paramIdx < 0 || paramIdx >= NParams())
    return;
  mGestureOpen[paramIdx] = true;
  beginEdit(static_cast<ParamID>(paramIdx));
}

void IPlugVST3::InformHostOfParamChange(int paramIdx, double normalized)
{
  if (!OnAudioThread())
  {
    performEdit(static_cast<ParamID>(paramIdx), normalized);
    return;
  }
  // The component handler belongs to the UI thread; from inside a block the
  // host hears the change through the block's output parameter changes.
  if (!mOutputChanges)
    return;
  int32 queueIndex = 0;
  if (IParamValueQueue* queue = mOutputChanges->addParameterData(static_cast<ParamID>(paramIdx), queueIndex))
  {
    int32 pointIndex = 0;
    queue->addPoint(0, normalized, pointIndex);
  }
}

void IPlugVST3::EndInformHostOfParamChange(int paramIdx)
{
  if (OnAudioThread() || paramIdx < 0 || paramIdx >= NParams() || !mGestureOpen[paramIdx])
    return;
  mGestureOpen[paramIdx] = false;
  endEdit(static_cast<ParamID>(paramIdx));
}

void IPlugVST3::SetParamFromEditor(int paramIdx, double normalized)
{
  IPlugBase::SetParamFromEditor(paramIdx, normalized);
  DeliverHostNotifications();
}

void IPlugVST3::EditorTimerTick()
{
  DeliverHostNotifications();
}

void IPlugVST3::ShowHostParamMenu(int paramIdx, int x, int y)
{
  if (!componentHandler || mViews.empty())
    return;
  FUnknownPtr<IComponentHandler3> handler(componentHandler);
  if (!handler)
    return;
  const ParamID id = static_cast<ParamID>(paramIdx);
  if (IContextMenu* menu = handler->createContextMenu(mViews.front(), &id))
  {
    // The host places its menu in the view's pixels, the editor's times the scale.
    const double scale = GetGUI() ? GetGUI()->GetDisplayScale() : 1.0;
    menu->popup(static_cast<UCoord>(std::trunc(x * scale)), static_cast<UCoord>(std::trunc(y * scale)));
    menu->release();
  }
}

void IPlugVST3::ResizeEditorWindow(int width, int height)
{
  if (GetGUI() && !mViews.empty())
    mViews.front()->RequestResize(width, height);
}
