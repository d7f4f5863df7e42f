#include "platform/win32/win32_library_loader.h"

#include <windows.h>

#include <string>

namespace dorvane {

LibraryHandle Win32LibraryLoader::Load(std::string_view gbkPathOrName) {
    const std::string name(gbkPathOrName);
    if (name.empty() || name.find('\0') != std::string::npos) return nullptr;
    return LoadLibraryA(name.c_str());
}

void* Win32LibraryLoader::Symbol(LibraryHandle library, const char* name) {
    if (library == nullptr || name == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void Win32LibraryLoader::Unload(LibraryHandle library) {
    if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace dorvane
