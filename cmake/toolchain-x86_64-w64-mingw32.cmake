# The same sources as 64-bit Windows (PE32+), only for running the Windows
# edition's tests under 64-bit Wine on hosts that run no 32-bit user code
# (there the 32-bit Wine loader cannot start). What ships is the PE32 build.
set(DORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
