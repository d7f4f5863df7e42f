// Reading a skin file: a pure function over its bytes, shared by the engine
// and the fuzzer. Checks the header, bounds the body size before anything is
// allocated, decompresses with a memory limit, then parses the body.
// Touches no file and no application state.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin_format.h"

namespace dorvane::skin {

enum class ReadError : std::uint8_t {
    None,
    BadHeader,      // too short for the header, wrong magic or version
    BadBodySize,    // the declared body size is below the body header or above MaxBodySize
    BadProperties,  // LZMA properties that are invalid or need too much memory
    CorruptStream,  // the stream does not give exactly the declared size
    BadBody,        // the body's header, checksum or sections do not hold
    WrongPassword,
};

struct BodyResult {
    ReadError error = ReadError::None;
    std::vector<std::uint8_t> body;
};

struct ReadResult {
    ReadError error = ReadError::None;
    Theme theme;
};

// Header and decompression: the body, exactly as many bytes as declared.
BodyResult DecompressBody(std::span<const std::uint8_t> file);

// The body to its theme; the password is GBK, compared through its digest.
ReadResult ParseBody(std::span<const std::uint8_t> body, std::string_view password);

// Both steps.
ReadResult ReadSkinFile(std::span<const std::uint8_t> file, std::string_view password);

}  // namespace dorvane::skin
