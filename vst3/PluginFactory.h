#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <atomic>
#include <vector>

namespace Steinberg
{
// The module's class factory: describes the registered classes and creates
// their instances on request.
class CPluginFactory : public IPluginFactory2
{
public:
  using CreateFunction = FUnknown* (*)(void* context);

  explicit CPluginFactory(const PFactoryInfo& info);
  virtual ~CPluginFactory();

  CPluginFactory(const CPluginFactory&) = delete;
  CPluginFactory& operator=(const CPluginFactory&) = delete;

  bool registerClass(const PClassInfo2& info, CreateFunction create, void* context = nullptr);
  bool isClassRegistered(const FUID& cid) const;

  // FUnknown
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override;
  uint32 PLUGIN_API release() override;

  // IPluginFactory
  tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
  int32 PLUGIN_API countClasses() override;
  tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
  tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override;

  // IPluginFactory2
  tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;

private:
  struct RegisteredClass
  {
    PClassInfo2 info;
    CreateFunction create;
    void* context;
  };

  std::atomic<uint32> mRefCount{1};
  PFactoryInfo mFactoryInfo;
  std::vector<RegisteredClass> mClasses;
};
}
