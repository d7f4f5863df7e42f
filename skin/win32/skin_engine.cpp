// The exports and the library's entry: read the skin file (bounded), read the
// skin as a pure function over its bytes, make the GDI objects, and only then
// touch the thread's windows. Unloading takes everything off again.
#include "skin_engine.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "skin_reader.h"
#include "skin_windows.h"

namespace dorvane::skin {
namespace {

// Disk files only, so a pipe or device name cannot hang the caller.
std::optional<std::vector<std::uint8_t>> ReadSmallFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes;
    LARGE_INTEGER size{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
        static_cast<std::uint64_t>(size.QuadPart) <= MaxFileSize) {
        // One byte more than the size says, to notice a file that grew meanwhile.
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size.QuadPart) + 1);
        std::size_t used = 0;
        DWORD got = 0;
        while (used < buffer.size() &&
               ReadFile(file, buffer.data() + used, static_cast<DWORD>(buffer.size() - used), &got,
                        nullptr) &&
               got > 0) {
            used += got;
        }
        if (used < buffer.size()) {
            buffer.resize(used);
            bytes = std::move(buffer);
        }
    }
    CloseHandle(file);
    return bytes;
}

int ResultOf(ReadError error) {
    switch (error) {
        case ReadError::None:
            return SkinH_Attached;
        case ReadError::BadHeader:
            return SkinH_BadHeader;
        case ReadError::BadBodySize:
            return SkinH_BadBodySize;
        case ReadError::BadProperties:
        case ReadError::CorruptStream:
            return SkinH_BadStream;
        case ReadError::BadBody:
            return SkinH_BadBody;
        case ReadError::WrongPassword:
            return SkinH_WrongPassword;
    }
    return SkinH_Failed;
}

int Attach(const char* skinFile, const char* password) {
    const DWORD attachedOn = SkinThread();
    if (attachedOn != 0 && attachedOn != GetCurrentThreadId()) {
        return SkinH_OtherThread;
    }
    if (skinFile == nullptr || skinFile[0] == 0) {
        return SkinH_BadPath;
    }
    const std::optional<std::vector<std::uint8_t>> file = ReadSmallFile(skinFile);
    if (!file) {
        return SkinH_Unreadable;
    }
    ReadResult skin = ReadSkinFile(*file, password == nullptr ? "" : password);
    if (skin.error != ReadError::None) {
        return ResultOf(skin.error);
    }
    auto* painter = new Painter;
    painter->theme = std::move(skin.theme);
    MakeLook(painter->theme, painter->look);
    if (!painter->Make()) {
        delete painter;
        return SkinH_Failed;
    }
    if (attachedOn != 0) {
        SwapPainter(painter);
        return SkinH_Attached;
    }
    return InstallSkin(painter) ? SkinH_Attached : SkinH_Failed;
}

}  // namespace
}  // namespace dorvane::skin

extern "C" int __stdcall SkinH_AttachEx(const char* skinFile, const char* password) {
    return dorvane::skin::Attach(skinFile, password);
}

extern "C" int __stdcall SkinH_Detach(void) {
    return dorvane::skin::RemoveSkin() ? 0 : 1;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // At process exit (reserved set) the windows and the hook go with the process.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        dorvane::skin::RemoveSkin();
    }
    return TRUE;
}
