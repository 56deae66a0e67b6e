# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads variant of
# g++-mingw-w64-x86-64-posix). Programs link their runtime statically, so they run under
# wine64 without the compiler's DLLs; wine64 is the emulator that ctest runs them with.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KZO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KZO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KZO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KZO_MINGW}-windres)
set(CMAKE_AR ${KZO_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${KZO_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${KZO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian puts wine64 outside PATH.
find_program(KZO_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KZO_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KZO_WINE64})
endif()
