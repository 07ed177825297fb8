# velkor_windows_module(<target> <bundle dir>)
#
# Makes the MODULE library <target> a Windows VST 3 module inside the bundle:
# <bundle dir>/Contents/x86_64-win/<target>.vst3, a DLL (its exports come
# with velkor_module_entry). The toolchain links the C and C++ runtimes in
# statically, so it imports only Windows system libraries.
function(velkor_windows_module target bundle_dir)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    SUFFIX ".vst3"
    LIBRARY_OUTPUT_DIRECTORY ${bundle_dir}/Contents/x86_64-win)
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
endfunction()
