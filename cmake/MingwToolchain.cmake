# What the two mingw-w64 toolchain files share; each sets
# DORVANE_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR, then includes this.
# The posix thread model, so std::thread and std::mutex work; libgcc,
# libstdc++ and winpthread are linked statically (-static), so every
# executable and DLL imports only Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${DORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

set(CMAKE_FIND_ROOT_PATH /usr/${DORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
