// Windows-style GBK paths onto this machine's files. Provides: the drive
// mapping (Z: is "/", C: a per-user folder prepared with the folders Windows
// always has, a drive-less path on the current directory's drive) both ways.
// Does not provide: UNC paths, other drives (they map to nothing), short names.
// Used by the file-system adapter, the library loader and the skin engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::paths {

// The folder that stands for drive C:, under the XDG data home
// ($XDG_DATA_HOME or ~/.local/share, then dorvane/drive_c). Created on first
// use with WINDOWS\system32\drivers inside, as Windows always has it.
std::string DriveCFolder();

// A Windows-style GBK path to a UTF-8 POSIX path; none when it names a drive
// that does not exist here or is not valid GBK. Backslashes and slashes both
// separate; "." and ".." are left to the kernel.
std::optional<std::string> ToPosix(std::string_view windowsGbkPath);

// A UTF-8 POSIX absolute path to its Windows-style GBK form: under the C:
// folder it is C:\..., anything else Z:\...; none when not representable in GBK.
std::optional<std::string> ToWindows(std::string_view posixUtf8Path);

}  // namespace dorvane::paths
