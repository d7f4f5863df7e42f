// LibraryLoader on this machine: dlopen, dlsym, dlclose. Provides: loading by
// a Windows-style path (mapped by dorvane::paths) or by a bare name through
// the dynamic loader's own search; refusing files that another user could
// have replaced; a shared flock on the file for as long as it is loaded.
// Does not provide: the Windows search order, unloading on the loader's
// destruction (handles stay valid until Unload).
#pragma once

#include "core/library_loader.h"

namespace dorvane {

class PosixLibraryLoader : public LibraryLoader {
  public:
    // nullptr when the file is missing, is not a library, is world-writable,
    // or belongs to a user other than this one or root.
    LibraryHandle Load(std::string_view gbkPathOrName) override;
    void* Symbol(LibraryHandle library, const char* name) override;
    // dlclose, then the file's lock goes
    void Unload(LibraryHandle library) override;
};

}  // namespace dorvane
