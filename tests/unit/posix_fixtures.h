// Shared by the POSIX adapter tests: a temporary folder with its Z:\ name,
// and a second process that holds a file (a lock, or a loaded library) until
// it is let go.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace dorvane::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// "/tmp/x/y" as the program names it: "Z:\tmp\x\y"
std::string ZPath(const std::string& posixPath);

std::string ReadWhole(const std::string& path);
void WriteWhole(const std::string& path, const std::string& bytes);

// Runs `take` in a forked child and waits until it has; the child keeps what
// it took until Release (or destruction). `take` returns false on failure,
// which Held() then reports.
class ChildHolding {
  public:
    explicit ChildHolding(const std::function<bool()>& take);
    ~ChildHolding();
    ChildHolding(const ChildHolding&) = delete;
    ChildHolding& operator=(const ChildHolding&) = delete;

    bool Held() const { return held_; }
    void Release();

  private:
    pid_t child_ = -1;
    int letGo_ = -1;
    bool held_ = false;
};

}  // namespace dorvane::testing
