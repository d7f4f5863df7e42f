// LibraryLoader on Windows: LoadLibraryA, GetProcAddress, FreeLibrary.
// Provides: a path with a backslash loads that file; a bare name goes
// through the system's own search order (the program's folder first).
// Does not provide: any hardening of that search (the bare name is the
// second place the program looks, after its own folder, by design).
#pragma once

#include "core/library_loader.h"

namespace dorvane {

class Win32LibraryLoader : public LibraryLoader {
  public:
    LibraryHandle Load(std::string_view gbkPathOrName) override;
    void* Symbol(LibraryHandle library, const char* name) override;
    void Unload(LibraryHandle library) override;
};

}  // namespace dorvane
