#include "ModuleFixture.h"

#include "tools/vst3host/ModuleLoading.h"

#include <cstring>

using namespace VstHost;

TEST_F(ModuleTest, FactoryDescribesTheVendor)
{
  PFactoryInfo info;
  ASSERT_EQ(module->Factory()->getFactoryInfo(&info), kResultOk);
  EXPECT_STREQ(info.vendor, "Velkor");
  EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
  EXPECT_EQ(module->Factory()->countClasses(), 1);
}

TEST_F(ModuleTest, OneEffectClassWithItsIdAndDescription)
{
  void* factory2 = nullptr;
  ASSERT_EQ(module->Factory()->queryInterface(IPluginFactory2::iid, &factory2), kResultOk);
  PClassInfo2 info;
  ASSERT_EQ(static_cast<IPluginFactory2*>(factory2)->getClassInfo2(0, &info), kResultOk);
  static_cast<IPluginFactory2*>(factory2)->release();

  char cid[40];
  FUID::fromTUID(info.cid).toRegistryString(cid);
  EXPECT_STREQ(cid, "{F2AEE70D-00DE-4F4E-5665-6C6B54617065}");
  EXPECT_EQ(info.cardinality, PClassInfo::kManyInstances);
  EXPECT_STREQ(info.category, "Audio Module Class");
  EXPECT_STREQ(info.name, "VelkorTape");
  EXPECT_EQ(info.classFlags, 2u);
  EXPECT_STREQ(info.subCategories, "Fx|Distortion");
  EXPECT_STREQ(info.vendor, "");
  EXPECT_STREQ(info.version, "1.2.1");
  EXPECT_STREQ(info.sdkVersion, "VST 3.5.2");

  PClassInfo beyond;
  EXPECT_NE(module->Factory()->getClassInfo(1, &beyond), kResultOk);
  EXPECT_NE(module->Factory()->getClassInfo(-1, &beyond), kResultOk);
}

TEST_F(ModuleTest, RepeatedFactoryRequestsShareOneFactory)
{
  using GetFactoryFunction = IPluginFactory* (*)();
  auto getFactory = reinterpret_cast<GetFactoryFunction>(LibrarySymbol(module->Library(), "GetPluginFactory"));
  IPluginFactory* again = getFactory();
  EXPECT_EQ(again, module->Factory());
  EXPECT_EQ(again->countClasses(), 1);
  again->release();
}

TEST_F(ModuleTest, EntryMayBeCalledMoreThanOnceAndOnlyTheHostFunctionsAreVisible)
{
  EXPECT_TRUE(EnterModule(module->Library()));
  ExitModule(module->Library());
  for (const char* hidden : {"CreateVelkorTape", "_ZN10VelkorTapeC1Ev", "LookUpHostKind", "png_create_read_struct"})
    EXPECT_EQ(LibrarySymbol(module->Library(), hidden), nullptr) << hidden;
}

TEST_F(ModuleTest, UnknownClassesAndInterfacesAreRefused)
{
  const TUID unknown = INLINE_UID(1, 2, 3, 4);
  void* obj = reinterpret_cast<void*>(1);
  EXPECT_NE(module->Factory()->createInstance(unknown, IComponent::iid, &obj), kResultOk);
  EXPECT_EQ(obj, nullptr);

  PClassInfo info;
  module->Factory()->getClassInfo(0, &info);
  const TUID notAnInterface = INLINE_UID(5, 6, 7, 8);
  EXPECT_NE(module->Factory()->createInstance(info.cid, notAnInterface, &obj), kResultOk);
  EXPECT_EQ(obj, nullptr);
}

TEST_F(ModuleTest, InstancesAreIndependent)
{
  auto first = NewInstance();
  auto second = NewInstance();
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(first->Prepare(48000, 64, kSample32));
  first->QueueParameter(6, 5.0 / 7.0);  // "Deck type"
  first->FlushParameters();
  EXPECT_EQ(first->DisplayText(6), STR16("Swiss 30 IPS"));
  EXPECT_EQ(second->DisplayText(6), STR16("Japan 15 IPS"));
}
