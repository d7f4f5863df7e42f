# The Windows edition's two third-party libraries, built as static mingw
# libraries from the Debian source packages that scripts/setup.sh fetches
# (apt-get source) into DORVANE_SOURCE_CACHE. Each is built once into this
# build tree at build time (ExternalProject), so configuring stays fast and a
# rebuild reuses them.
#
#   dorvane_win32_jpeg       libjpeg-turbo with its SIMD (nasm), the jpeg62
#                            API as Debian's libjpeg62-turbo; also as JPEG::JPEG
#   dorvane_win32_lzma       liblzma, decoder only (LZMA1/LZMA2, no encoders,
#                            no threads, small): what the skin engine links
#   dorvane_win32_lzma_full  liblzma with the LZMA1/LZMA2 encoders too, for
#                            the tests and tools that write skin files; never
#                            link both lzma targets into one binary
include(ExternalProject)

set(DORVANE_SOURCE_CACHE /var/cache/dorvane/src CACHE PATH
  "Folder holding the Debian source packages of libjpeg-turbo and xz-utils (scripts/setup.sh fetches them)")

function(dorvane_debian_source var package)
  file(GLOB changelogs ${DORVANE_SOURCE_CACHE}/${package}-*/debian/changelog)
  if(NOT changelogs)
    message(FATAL_ERROR "The Debian source of ${package} is not in ${DORVANE_SOURCE_CACHE}: run scripts/setup.sh as root")
  endif()
  list(SORT changelogs COMPARE NATURAL ORDER DESCENDING)
  list(GET changelogs 0 newest)
  get_filename_component(debian ${newest} DIRECTORY)
  get_filename_component(source ${debian} DIRECTORY)
  set(${var} ${source} PARENT_SCOPE)
endfunction()

get_filename_component(dorvane_toolchain ${CMAKE_TOOLCHAIN_FILE} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
set(dorvane_third_party ${CMAKE_BINARY_DIR}/third_party)
# sections of their own, so a binary's --gc-sections drops what it never calls
set(dorvane_third_party_cflags "-O2 -ffunction-sections -fdata-sections")

# Declares an imported static library on a library the external build installs.
function(dorvane_imported name build library include)
  file(MAKE_DIRECTORY ${include})
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    IMPORTED_LOCATION ${library} INTERFACE_INCLUDE_DIRECTORIES ${include})
  add_dependencies(${name} ${build})
endfunction()

# libjpeg-turbo: its own CMake build with this toolchain; only the static
# library is built, then it and the four public headers are installed.
dorvane_debian_source(jpeg_source libjpeg-turbo)
set(jpeg_prefix ${dorvane_third_party}/jpeg)
ExternalProject_Add(dorvane_win32_jpeg_build
  SOURCE_DIR ${jpeg_source}
  BINARY_DIR ${dorvane_third_party}/jpeg-build
  INSTALL_DIR ${jpeg_prefix}
  STAMP_DIR ${dorvane_third_party}/stamp/jpeg
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${dorvane_toolchain}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DCMAKE_C_FLAGS=${dorvane_third_party_cflags}
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
    -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF -DWITH_TURBOJPEG=OFF
    -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND
    ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/lib <INSTALL_DIR>/include
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib/
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/jconfig.h <SOURCE_DIR>/jpeglib.h
            <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h <INSTALL_DIR>/include/
  BUILD_BYPRODUCTS ${jpeg_prefix}/lib/libjpeg.a)
dorvane_imported(dorvane_win32_jpeg dorvane_win32_jpeg_build ${jpeg_prefix}/lib/libjpeg.a ${jpeg_prefix}/include)
# the name FindJPEG gives the Linux edition, so the plain logic links its
# decoder by one name in both editions
add_library(JPEG::JPEG INTERFACE IMPORTED GLOBAL)
target_link_libraries(JPEG::JPEG INTERFACE dorvane_win32_jpeg)

# liblzma: xz-utils' own autotools build, cross (--host), out of the source
# folder; only src/liblzma is built and installed, none of the tools.
dorvane_debian_source(xz_source xz-utils)
find_program(DORVANE_MAKE NAMES make gmake REQUIRED)
set(lzma_common_options
  --host=${DORVANE_MINGW_TRIPLE} --disable-shared --enable-static --disable-threads
  --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-lzma-links
  --disable-scripts --disable-doc --disable-nls
  --disable-microlzma --disable-lzip-decoder --enable-checks=crc32)
# Both builds take the same configure results from one cache file (its
# checks, one compile each, take minutes on a busy machine), so the second
# one waits for the first.
set(lzma_cache ${dorvane_third_party}/xz-config.cache)
function(dorvane_lzma variant)
  set(prefix ${dorvane_third_party}/${variant})
  ExternalProject_Add(dorvane_win32_${variant}_build
    ${lzma_after}
    SOURCE_DIR ${xz_source}
    BINARY_DIR ${dorvane_third_party}/${variant}-build
    INSTALL_DIR ${prefix}
    STAMP_DIR ${dorvane_third_party}/stamp/${variant}
    # make does not rebuild objects whose flags changed: a new configuration
    # starts from an empty build
    CONFIGURE_COMMAND ${CMAKE_COMMAND} -E rm -rf <BINARY_DIR>/src <INSTALL_DIR>/lib
      COMMAND <SOURCE_DIR>/configure --quiet --cache-file=${lzma_cache} --prefix=<INSTALL_DIR>
        CC=${CMAKE_C_COMPILER} "CFLAGS=-Os -ffunction-sections -fdata-sections" ${ARGN}
    BUILD_COMMAND ${DORVANE_MAKE} -s -C src/liblzma
    INSTALL_COMMAND ${DORVANE_MAKE} -s -C src/liblzma install
    BUILD_BYPRODUCTS ${prefix}/lib/liblzma.a)
  dorvane_imported(dorvane_win32_${variant} dorvane_win32_${variant}_build ${prefix}/lib/liblzma.a ${prefix}/include)
  # a static liblzma: its header must not declare the functions dllimport
  set_property(TARGET dorvane_win32_${variant} PROPERTY INTERFACE_COMPILE_DEFINITIONS LZMA_API_STATIC)
endfunction()
# Both built for size: the engine DLL has a size limit; the cache is made anew
# with each configuration of this tree.
file(REMOVE ${lzma_cache})
set(lzma_after "")
dorvane_lzma(lzma ${lzma_common_options}
  --disable-encoders --enable-decoders=lzma1,lzma2 --enable-small)
set(lzma_after DEPENDS dorvane_win32_lzma_build)
dorvane_lzma(lzma_full ${lzma_common_options}
  --enable-encoders=lzma1,lzma2 --enable-decoders=lzma1,lzma2)
