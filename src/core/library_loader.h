// Loading and unloading libraries (LoadLibraryA, GetProcAddress, FreeLibrary
// of the original). Adapters: platform/posix/posix_library_loader, platform/null.
#pragma once

#include <string_view>

namespace dorvane {

using LibraryHandle = void*;

class LibraryLoader {
  public:
    virtual ~LibraryLoader() = default;
    // A Windows-style path with a backslash is a file; a bare name goes through
    // the loader's own search. nullptr when nothing could be loaded.
    virtual LibraryHandle Load(std::string_view gbkPathOrName) = 0;
    virtual void* Symbol(LibraryHandle library, const char* name) = 0;
    virtual void Unload(LibraryHandle library) = 0;
};

}  // namespace dorvane
