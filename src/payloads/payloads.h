// The two files the program carries (the skin file and the skin engine
// library) and how they are written out at every start. The program never
// reads the payloads: it only writes their bytes unchanged.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "core/application_state.h"
#include "payloads/file_system.h"
#include "payloads/owned_text.h"

namespace dorvane {

// A byte array in the carried layout: dimension count (always 1) and element
// count N, both 32-bit little-endian, then N bytes. Only the N bytes are written.
class EmbeddedPayload {
  public:
    // `carried` holds the whole layout, counts included
    explicit EmbeddedPayload(std::span<const std::uint8_t> carried) : carried_(carried) {}
    std::uint32_t DimensionCount() const;
    std::int32_t ElementCount() const;
    // the N content bytes; empty when N is not positive or the layout is short
    std::span<const std::uint8_t> Content() const;

  private:
    std::span<const std::uint8_t> carried_;
};

// The two files as the program carries them. The bytes are linked into the
// program (payloads/carried_files.cpp, with the built engine), not into the
// plain logic, which gets them handed in.
struct CarriedFiles {
    EmbeddedPayload skinFile;
    EmbeddedPayload skinLibrary;
};

// Fixed, not derived from where Windows lives; also the skin call's first argument.
inline constexpr std::string_view SkinFilePath = "C:\\WINDOWS\\system32\\drivers\\kiss.she";
inline constexpr const char* SkinLibraryFileName = "SkinH_EL.dll";

// Writes the skin file, then the library at RunDirectory + "\SkinH_EL.dll".
// Failures are not reported. Always 0.
int StartupSubroutine(FileSystem& files, const ApplicationState& state,
                      const CarriedFiles& carried);

// Creates or truncates `name` and writes the payloads' bytes in order. false
// when the name is empty (the disk untouched), the open fails (nothing
// changed), or a write fails or comes short (the file keeps what was written).
bool WriteToFile(FileSystem& files, const char* name, std::span<const EmbeddedPayload> payloads);
inline bool WriteToFile(FileSystem& files, const char* name,
                        std::initializer_list<EmbeddedPayload> payloads) {
    return WriteToFile(files, name,
                       std::span<const EmbeddedPayload>(payloads.begin(), payloads.size()));
}

// A fresh copy of RunDirectory; none, allocating nothing, when it is empty.
OwnedText RunDirectoryQuery(const ApplicationState& state);

}  // namespace dorvane
