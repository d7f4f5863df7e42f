#include "payloads/payloads.h"

#include <algorithm>

#include "core/phase_timing.h"

namespace dorvane {

namespace {

constexpr std::size_t CountsSize = 8;

std::uint32_t ReadLittleEndian32(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::uint32_t EmbeddedPayload::DimensionCount() const {
    return carried_.size() >= CountsSize ? ReadLittleEndian32(carried_.first(4)) : 0;
}

std::int32_t EmbeddedPayload::ElementCount() const {
    return carried_.size() >= CountsSize
               ? static_cast<std::int32_t>(ReadLittleEndian32(carried_.subspan(4, 4)))
               : 0;
}

std::span<const std::uint8_t> EmbeddedPayload::Content() const {
    const std::int32_t count = ElementCount();
    if (count <= 0) return {};
    // never past the carried bytes, whatever the count field says
    const std::size_t available = carried_.size() - CountsSize;
    return carried_.subspan(CountsSize, std::min<std::size_t>(count, available));
}

bool WriteToFile(FileSystem& files, const char* name, std::span<const EmbeddedPayload> payloads) {
    if (name == nullptr || *name == '\0') return false;
    std::unique_ptr<WritableFile> file = files.CreateAlways(name);
    if (!file) return false;
    for (const EmbeddedPayload& payload : payloads) {
        const std::span<const std::uint8_t> content = payload.Content();
        if (content.empty()) continue;
        if (file->Write(content) != content.size()) {
            file->Close();
            return false;
        }
    }
    return file->Close();
}

OwnedText RunDirectoryQuery(const ApplicationState& state) {
    if (state.runDirectory.empty()) return {};
    return OwnedText(state.runDirectory);
}

int StartupSubroutine(FileSystem& files, const ApplicationState& state,
                      const CarriedFiles& carried) {
    {
        DORVANE_TIME_PHASE(SkinFileWrite);
        WriteToFile(files, SkinFilePath.data(), {carried.skinFile});
    }
    OwnedText directory = RunDirectoryQuery(state);
    OwnedText libraryPath = JoinTexts({directory.CStr(), "\\SkinH_EL.dll"});
    Free(directory);
    {
        DORVANE_TIME_PHASE(LibraryWrite);
        WriteToFile(files, libraryPath.IsNone() ? "" : libraryPath.CStr(), {carried.skinLibrary});
    }
    Free(libraryPath);
    return 0;
}

}  // namespace dorvane
