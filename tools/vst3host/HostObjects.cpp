#include "HostObjects.h"

#include <algorithm>

namespace VstHost
{
tresult PLUGIN_API HostApplication::getName(String128 name)
{
  const size_t length = std::min<size_t>(mName.size(), 127);
  std::copy_n(mName.data(), length, name);
  name[length] = 0;
  return kResultOk;
}

tresult PLUGIN_API HostApplication::createInstance(TUID, TUID, void** obj)
{
  *obj = nullptr;
  return kResultFalse;
}

void ComponentHandler::Record(Edit edit)
{
  {
    std::lock_guard lock(mMutex);
    mEdits.push_back(edit);
  }
  if (onEdit)
    onEdit(edit);
}

tresult PLUGIN_API ComponentHandler::beginEdit(ParamID id)
{
  Record({Edit::Begin, id, 0.0});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(ParamID id, ParamValue valueNormalized)
{
  Record({Edit::Perform, id, valueNormalized});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(ParamID id)
{
  Record({Edit::End, id, 0.0});
  return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32)
{
  ++mRestartRequests;
  return kResultOk;
}

std::vector<ComponentHandler::Edit> ComponentHandler::Edits() const
{
  std::lock_guard lock(mMutex);
  return mEdits;
}

void ComponentHandler::ClearEdits()
{
  std::lock_guard lock(mMutex);
  mEdits.clear();
}

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset, ParamValue& value)
{
  if (index < 0 || index >= getPointCount())
    return kResultFalse;
  sampleOffset = mPoints[index].first;
  value = mPoints[index].second;
  return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
  index = getPointCount();
  mPoints.emplace_back(sampleOffset, value);
  return kResultOk;
}

ParameterChanges::~ParameterChanges()
{
  for (ParamValueQueue* queue : mQueues)
    queue->release();
}

IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
  return index >= 0 && index < mUsed ? mQueues[index] : nullptr;
}

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
  for (int32 i = 0; i < mUsed; ++i)
  {
    if (mQueues[i]->getParameterId() == id)
    {
      index = i;
      return mQueues[i];
    }
  }
  if (mUsed == static_cast<int32>(mQueues.size()))
    mQueues.push_back(new ParamValueQueue(id));
  else
    mQueues[mUsed]->Reset(id);
  index = mUsed++;
  return mQueues[index];
}

bool ParameterChanges::LastValue(ParamID id, ParamValue& value)
{
  for (int32 i = 0; i < mUsed; ++i)
  {
    int32 offset = 0;
    ParamValueQueue* queue = mQueues[i];
    if (queue->getParameterId() == id && queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultOk)
      return true;
  }
  return false;
}
}
