# The Windows edition: 32-bit Windows (PE32, i386) with Debian's mingw-w64.
set(DORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
