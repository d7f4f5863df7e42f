# The Windows edition: a native PE32 (i386) build with mingw-w64
# (cmake/toolchain-i686-w64-mingw32.cmake, preset "win32"), and the same
# sources as PE32+ (cmake/toolchain-x86_64-w64-mingw32.cmake, preset "win64")
# only to run the tests where 32-bit Wine cannot run. The top-level
# CMakeLists.txt includes this file instead of the Linux edition's build and
# returns after it: no Qt, no system libjpeg or liblzma here.
#
# What it gives the Windows parts of the tree:
#   dorvane_win32_jpeg, dorvane_win32_lzma (decoder only),
#   dorvane_win32_lzma_full (tests and tools)        cmake/Win32ThirdParty.cmake
#   GTest::gtest, GTest::gtest_main, GTest::gmock    from /usr/src/googletest
#   DORVANE_GBK_FLAGS                                texts as GBK bytes
#   DORVANE_WINE_PREFIX, DORVANE_WINE_ARCH           the tests' Wine prefix (win32
#                                                    or win64, by pointer size)
#   DORVANE_WINE_RUNS                                whether this host can run
#                                                    that Wine (register tests
#                                                    that run .exe files only then)
#   dorvane_check_pe(NAME TARGET...)                 a test: PE32 (PE32+ in win64),
#                                                    only Windows' own DLLs imported
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

# Every test and test discovery runs its .exe under Wine in this build
# tree's own prefix (made on first use by tests/wine/prefix.sh): 32-bit for
# the PE32 build, 64-bit for the PE32+ test build (preset win64).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(DORVANE_WINE_ARCH win32)
else()
  set(DORVANE_WINE_ARCH win64)
endif()
set(DORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${PROJECT_SOURCE_DIR}/tests/wine/run.sh ${DORVANE_WINE_PREFIX} ${DORVANE_WINE_ARCH})

# Some virtual machines run no 32-bit user code: there Wine's i386 loader
# cannot start, the PE32 tests are built but not registered, and the win64
# preset runs the same tests as PE32+ under 64-bit Wine.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/run.sh --check ${DORVANE_WINE_ARCH}
  RESULT_VARIABLE wine_check OUTPUT_QUIET ERROR_QUIET)
if(wine_check EQUAL 0)
  set(DORVANE_WINE_RUNS ON)
else()
  set(DORVANE_WINE_RUNS OFF)
  message(WARNING "This host cannot start Wine for ${DORVANE_WINE_ARCH} "
    "(32-bit user code is off, or wine is missing): the tests are built but not run here; "
    "the win64 preset runs them under 64-bit Wine")
endif()

# dorvane_check_pe(NAME TARGET...): a test that the targets' files are PE
# images of this build's machine importing only Windows' own DLLs (the
# static runtime really is static). Needs no Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(DORVANE_PE_FORMAT pei-i386)
else()
  set(DORVANE_PE_FORMAT pei-x86-64)
endif()
find_program(DORVANE_OBJDUMP ${DORVANE_MINGW_TRIPLE}-objdump REQUIRED)
function(dorvane_check_pe name)
  set(files "")
  foreach(target IN LISTS ARGN)
    list(APPEND files $<TARGET_FILE:${target}>)
  endforeach()
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${DORVANE_OBJDUMP}
    -DFORMAT=${DORVANE_PE_FORMAT} "-DFILES=${files}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckPeImports.cmake)
  # the check itself runs on this machine, not under Wine
  set_tests_properties(${name} PROPERTIES LABELS pe)
endfunction()

if(DORVANE_BUILD_TESTS)
  # GoogleTest from the sources Debian's libgtest-dev ships, with its own
  # warning flags (ours are for our code).
  get_directory_property(dorvane_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${dorvane_options}")
endif()

# The Windows parts of the tree: the skin engine DLL (skin/win32), then the
# plain logic with the program and its Win32 adapters (src/ adds
# platform/win32 for this target), before the tests (tests/win32).
if(EXISTS ${PROJECT_SOURCE_DIR}/skin/win32/CMakeLists.txt)
  add_subdirectory(skin/win32)
endif()
# the plain logic, the carried files and the program with its Win32 adapters
add_subdirectory(src)

if(DORVANE_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/win32)
endif()
