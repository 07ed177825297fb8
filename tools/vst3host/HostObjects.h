#pragma once

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace VstHost
{
using namespace Steinberg;
using namespace Steinberg::Vst;

// A VST 3 string in the SDK's own UTF-16 unit type (wchar_t on Windows).
using HostString = std::basic_string<TChar>;

// A reference-counted host-side object answering for one interface.
template <class Interface>
class HostObject : public Interface
{
public:
  virtual ~HostObject() = default;

  tresult PLUGIN_API queryInterface(const TUID interfaceId, void** obj) override
  {
    if (FUnknownPrivate::iidEqual(interfaceId, Interface::iid) || FUnknownPrivate::iidEqual(interfaceId, FUnknown::iid))
    {
      addRef();
      *obj = static_cast<Interface*>(this);
      return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++mReferences; }
  uint32 PLUGIN_API release() override
  {
    const uint32 remaining = --mReferences;
    if (remaining == 0)
      delete this;
    return remaining;
  }

private:
  std::atomic<uint32> mReferences{1};
};

// The host's identity, as the plug-in reads it during initialize.
class HostApplication : public HostObject<IHostApplication>
{
public:
  explicit HostApplication(HostString name) : mName(std::move(name)) {}

  tresult PLUGIN_API getName(String128 name) override;
  tresult PLUGIN_API createInstance(TUID cid, TUID iid, void** obj) override;

private:
  HostString mName;
};

// Records what the plug-in tells the host about its parameters.
class ComponentHandler : public HostObject<IComponentHandler>
{
public:
  struct Edit
  {
    enum Kind { Begin, Perform, End } kind;
    ParamID id;
    ParamValue value;
  };

  tresult PLUGIN_API beginEdit(ParamID id) override;
  tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) override;
  tresult PLUGIN_API endEdit(ParamID id) override;
  tresult PLUGIN_API restartComponent(int32 flags) override;

  std::vector<Edit> Edits() const;
  void ClearEdits();
  // Called with each edit after it is recorded, on the plug-in's thread.
  std::function<void(const Edit&)> onEdit;
  int RestartRequests() const { return mRestartRequests; }

private:
  void Record(Edit edit);

  mutable std::mutex mMutex;
  std::vector<Edit> mEdits;
  std::atomic<int> mRestartRequests{0};
};

// Storage is kept between blocks, as a host's audio thread needs it.
class ParamValueQueue : public HostObject<IParamValueQueue>
{
public:
  static constexpr size_t kReservedPoints = 64;

  explicit ParamValueQueue(ParamID id) : mId(id) { mPoints.reserve(kReservedPoints); }
  void Reset(ParamID id)
  {
    mId = id;
    mPoints.clear();
  }

  ParamID PLUGIN_API getParameterId() override { return mId; }
  int32 PLUGIN_API getPointCount() override { return static_cast<int32>(mPoints.size()); }
  tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) override;
  tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) override;

private:
  ParamID mId;
  std::vector<std::pair<int32, ParamValue>> mPoints;
};

// A block's parameter changes, in either direction.
class ParameterChanges : public HostObject<IParameterChanges>
{
public:
  ~ParameterChanges() override;

  int32 PLUGIN_API getParameterCount() override { return mUsed; }
  IParamValueQueue* PLUGIN_API getParameterData(int32 index) override;
  IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) override;

  // Empties every queue; the queues stay for the next block.
  void Clear() { mUsed = 0; }
  // The last value a queue for `id` holds, if there is one.
  bool LastValue(ParamID id, ParamValue& value);

private:
  std::vector<ParamValueQueue*> mQueues;
  int32 mUsed = 0;
};
}
