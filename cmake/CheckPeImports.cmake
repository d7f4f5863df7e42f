cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DFORMAT=pei-i386 -DFILES=a.exe;b.dll -P CheckPeImports.cmake
# Fails unless every file is a PE image of FORMAT whose imports are all
# Windows' own DLLs: a DLL of the toolchain's (libstdc++-6.dll,
# libgcc_s_dw2-1.dll, libwinpthread-1.dll) or any other would have to be
# shipped beside the program.
set(system_dlls
  KERNEL32 USER32 GDI32 ADVAPI32 SHELL32 OLE32 OLEAUT32 COMCTL32 COMDLG32 SHLWAPI
  MSVCRT UCRTBASE WS2_32 VERSION WINMM IMM32 UXTHEME URLMON WININET MSIMG32 GDIPLUS
  UUID DWMAPI CRYPT32 BCRYPT NTDLL)
foreach(file IN LISTS FILES)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${file}")
  endif()
  if(NOT dump MATCHES "file format ${FORMAT}\n")
    message(FATAL_ERROR "${file} is not ${FORMAT}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" name "${import}")
    string(TOUPPER "${name}" name)
    if(NOT name IN_LIST system_dlls AND NOT name MATCHES "^API-MS-WIN-")
      message(FATAL_ERROR "${file} imports ${import}, which is not one of Windows' own DLLs")
    endif()
  endforeach()
  message(STATUS "${file}: ${FORMAT}, imports ${imports}")
endforeach()
