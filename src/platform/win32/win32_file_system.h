// FileSystem on Windows: the payloads written as the system writes files.
// Provides: CreateFileA(GENERIC_WRITE, no sharing, CREATE_ALWAYS,
// FILE_ATTRIBUTE_NORMAL), one WriteFile of all the bytes, CloseHandle. The
// paths go to the system as they are (GBK, the ANSI code page's bytes).
// Does not provide: path mapping, folder creation, retries, or any
// redirection of its own (a 32-bit program's system32 is the system's affair).
#pragma once

#include "payloads/file_system.h"

namespace dorvane {

class Win32FileSystem : public FileSystem {
  public:
    std::unique_ptr<WritableFile> CreateAlways(std::string_view path) override;
};

}  // namespace dorvane
