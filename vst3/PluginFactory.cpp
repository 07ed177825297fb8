#include "PluginFactory.h"

#include "base/source/fobject.h"

#include <cstring>

namespace Steinberg
{
CPluginFactory::CPluginFactory(const PFactoryInfo& info) : mFactoryInfo(info) {}

CPluginFactory::~CPluginFactory() = default;

bool CPluginFactory::registerClass(const PClassInfo2& info, CreateFunction create, void* context)
{
  if (!create || isClassRegistered(FUID::fromTUID(info.cid)))
    return false;
  mClasses.push_back({info, create, context});
  return true;
}

bool CPluginFactory::isClassRegistered(const FUID& cid) const
{
  for (const RegisteredClass& entry : mClasses)
    if (FUID::fromTUID(entry.info.cid) == cid)
      return true;
  return false;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID interfaceId, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  if (FUnknownPrivate::iidEqual(interfaceId, IPluginFactory2::iid) ||
      FUnknownPrivate::iidEqual(interfaceId, IPluginFactory::iid) ||
      FUnknownPrivate::iidEqual(interfaceId, FUnknown::iid))
  {
    addRef();
    *obj = static_cast<IPluginFactory2*>(this);
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef()
{
  return ++mRefCount;
}

uint32 PLUGIN_API CPluginFactory::release()
{
  const uint32 remaining = --mRefCount;
  if (remaining == 0)
    delete this;
  return remaining;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
  if (!info)
    return kInvalidArgument;
  *info = mFactoryInfo;
  return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses()
{
  return static_cast<int32>(mClasses.size());
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
  if (!info || index < 0 || index >= countClasses())
    return kInvalidArgument;
  const PClassInfo2& entry = mClasses[index].info;
  *info = PClassInfo(entry.cid, entry.cardinality, entry.category, entry.name);
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
  if (!info || index < 0 || index >= countClasses())
    return kInvalidArgument;
  *info = mClasses[index].info;
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString interfaceId, void** obj)
{
  if (!cid || !interfaceId || !obj)
    return kInvalidArgument;
  *obj = nullptr;
  for (const RegisteredClass& entry : mClasses)
  {
    if (!FUnknownPrivate::iidEqual(entry.info.cid, cid))
      continue;
    FUnknown* instance = entry.create(entry.context);
    if (!instance)
      return kOutOfMemory;
    // The caller gets its own reference to the interface it asked for.
    const tresult result = instance->queryInterface(interfaceId, obj);
    instance->release();
    return result == kResultOk ? kResultOk : kNoInterface;
  }
  return kNoInterface;
}
}
