# Warnings for our own targets only; third-party sources keep their own flags.
function(velkor_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
      -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
      -Wconversion -Wno-sign-conversion -Wdouble-promotion -Wformat=2
      -Wimplicit-fallthrough)
  endif()
endfunction()
