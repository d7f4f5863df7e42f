// What the payload writer needs of the file system. Paths are Windows-style
// GBK texts (C:\..., Z:\..., or drive-less on the current drive); the
// adapter maps them onto this machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace dorvane {

class WritableFile {
  public:
    virtual ~WritableFile() = default;
    // one write of all the bytes; returns how many were written
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;
    // false when the bytes could not be committed
    virtual bool Close() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Create or truncate for writing, sharing with nobody. nullptr when the
    // file cannot be opened; nothing on disk has changed then. Creates no folders.
    virtual std::unique_ptr<WritableFile> CreateAlways(std::string_view path) = 0;
};

}  // namespace dorvane
