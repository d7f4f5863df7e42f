#include "payloads/carried_files.h"

namespace dorvane {

namespace embedded {
extern const std::uint8_t SkinFilePayload[];
extern const std::size_t SkinFilePayload_size;
extern const std::uint8_t SkinLibraryPayload[];
extern const std::size_t SkinLibraryPayload_size;
}  // namespace embedded

namespace {
constexpr std::size_t CountsSize = 8;  // the dimension and element counts before the bytes
}  // namespace

EmbeddedPayload SkinFilePayload() {
    return EmbeddedPayload(
        {embedded::SkinFilePayload, embedded::SkinFilePayload_size + CountsSize});
}

EmbeddedPayload SkinLibraryPayload() {
    return EmbeddedPayload(
        {embedded::SkinLibraryPayload, embedded::SkinLibraryPayload_size + CountsSize});
}

CarriedFiles TheCarriedFiles() {
    return {SkinFilePayload(), SkinLibraryPayload()};
}

}  // namespace dorvane
