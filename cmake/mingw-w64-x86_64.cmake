# Cross-builds Tarvex for 64-bit Windows with Debian's MinGW-w64 compilers (the POSIX-thread ones,
# which give C++ its std::thread and std::mutex) and runs what it builds under Wine.
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEX_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${TARVEX_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TARVEX_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries come from the MinGW tree only; programs (cmake, windres) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TARVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the compiler's runtime (libgcc, libstdc++) and winpthread are linked in,
# so nothing but Windows' own DLLs is needed where it runs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs and anything else CMake runs from the build go through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
