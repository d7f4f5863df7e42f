# The Windows edition: a native PE32 (i386) build with mingw-w64
# (cmake/toolchain-i686-w64-mingw32.cmake, preset "win32"). The top-level
# CMakeLists.txt includes this file instead of the Linux edition's build and
# returns after it: no Qt, no system libjpeg or liblzma here.
#
# What it gives the Windows parts of the tree:
#   dorvane_win32_jpeg, dorvane_win32_lzma (decoder only),
#   dorvane_win32_lzma_full (tests and tools)        cmake/Win32ThirdParty.cmake
#   GTest::gtest, GTest::gtest_main, GTest::gmock    from /usr/src/googletest
#   DORVANE_GBK_FLAGS                                texts as GBK bytes
#   DORVANE_WINE_PREFIX                              the tests' Wine prefix
#   CMAKE_CROSSCOMPILING_EMULATOR                    tests/wine/run.sh: ctest and
#                                                    gtest_discover_tests run the
#                                                    .exe files under Wine
if(DORVANE_SANITIZE)
  message(FATAL_ERROR "The sanitizers are not available for the Windows edition")
endif()

include(cmake/Win32ThirdParty.cmake)

# Static libgcc/libstdc++/winpthread come from the toolchain file's -static.
# Binaries are small and keep no dead code: every object has its sections,
# and the linker drops the unused ones.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# Every test and test discovery runs its .exe in this build tree's own
# 32-bit prefix (made on first use by tests/wine/prefix.sh).
set(DORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/run.sh ${DORVANE_WINE_PREFIX})

if(DORVANE_BUILD_TESTS)
  # GoogleTest from the sources Debian's libgtest-dev ships, with its own
  # warning flags (ours are for our code).
  get_directory_property(dorvane_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${dorvane_options}")
endif()

# The Windows parts of the tree add themselves here as they come: the skin
# engine DLL (skin/win32) and the program with its Win32 adapters
# (src/platform/win32, src/win32.cmake or the like: add the line).
if(EXISTS ${PROJECT_SOURCE_DIR}/skin/win32/CMakeLists.txt)
  add_subdirectory(skin/win32)
endif()
add_subdirectory(src/platform/win32)

if(DORVANE_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/win32)
endif()
