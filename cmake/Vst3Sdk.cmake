# The VST 3 SDK interfaces and helper classes, compiled from Debian's
# juce-modules-source-data package (only its VST3_SDK folder is used).
find_path(VST3_SDK_DIR pluginterfaces/base/funknown.h
  PATHS /usr/share/juce/modules/juce_audio_processors/format_types/VST3_SDK
  NO_DEFAULT_PATH
  REQUIRED)

set(_vst3_sdk_sources
  base/source/baseiids.cpp
  base/source/fbuffer.cpp
  base/source/fdebug.cpp
  base/source/fobject.cpp
  base/source/fstreamer.cpp
  base/source/fstring.cpp
  base/source/updatehandler.cpp
  base/thread/source/flock.cpp
  pluginterfaces/base/conststringtable.cpp
  pluginterfaces/base/coreiids.cpp
  pluginterfaces/base/funknown.cpp
  pluginterfaces/base/ustring.cpp
  public.sdk/source/common/memorystream.cpp
  public.sdk/source/common/pluginview.cpp
  public.sdk/source/vst/vstbus.cpp
  public.sdk/source/vst/vstcomponentbase.cpp
  public.sdk/source/vst/vsteditcontroller.cpp
  public.sdk/source/vst/vstinitiids.cpp
  public.sdk/source/vst/vstparameters.cpp
)
list(TRANSFORM _vst3_sdk_sources PREPEND ${VST3_SDK_DIR}/)

add_library(velkor_vst3sdk STATIC ${_vst3_sdk_sources} ${PROJECT_SOURCE_DIR}/vst3/GuiInterfaceIds.cpp)
target_include_directories(velkor_vst3sdk SYSTEM PUBLIC ${VST3_SDK_DIR})
# RELEASE keeps the SDK's debug output out of the host's console in every build.
target_compile_definitions(velkor_vst3sdk PUBLIC RELEASE=1)
if(NOT MSVC)
  target_compile_options(velkor_vst3sdk PRIVATE -w)
endif()

# The host-side helper classes, for our test host and tools only.
add_library(velkor_vst3sdk_hosting STATIC ${VST3_SDK_DIR}/public.sdk/source/vst/hosting/hostclasses.cpp)
target_link_libraries(velkor_vst3sdk_hosting PUBLIC velkor_vst3sdk)
if(NOT MSVC)
  target_compile_options(velkor_vst3sdk_hosting PRIVATE -w)
endif()
