// FileSystem on this machine: Windows-style paths mapped by dorvane::paths,
// files opened without sharing through an exclusive flock. Provides
// CreateAlways, one-call Write, Close. Does not provide: creating folders,
// reading, or any file kind other than a regular file.
#pragma once

#include "payloads/file_system.h"

namespace dorvane {

class PosixFileSystem : public FileSystem {
  public:
    // Opens without truncating and takes LOCK_EX|LOCK_NB first: while another
    // process holds any lock on the file (a running copy that has the library
    // loaded holds a shared one) the open fails and the file stays as it was.
    // Only then is it written, in place from the start; Close cuts off what
    // is left of a longer old file.
    std::unique_ptr<WritableFile> CreateAlways(std::string_view path) override;
};

}  // namespace dorvane
