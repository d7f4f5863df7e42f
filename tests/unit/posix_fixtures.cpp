#include "posix_fixtures.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dorvane::testing {

TempFolder::TempFolder() {
    char pattern[] = "/tmp/dorvane_posix_XXXXXX";
    if (!::mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ZPath(const std::string& posixPath) {
    std::string path = "Z:" + posixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWhole(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

ChildHolding::ChildHolding(const std::function<bool()>& take) {
    int ready[2];
    int letGo[2];
    if (::pipe(ready) != 0 || ::pipe(letGo) != 0) return;
    child_ = ::fork();
    if (child_ == 0) {
        ::close(ready[0]);
        ::close(letGo[1]);
        const char result = take() ? 'y' : 'n';
        (void)!::write(ready[1], &result, 1);
        char ignored;
        (void)!::read(letGo[0], &ignored, 1);  // returns when the parent closes its end
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(letGo[0]);
    letGo_ = letGo[1];
    char result = 'n';
    held_ = child_ > 0 && ::read(ready[0], &result, 1) == 1 && result == 'y';
    ::close(ready[0]);
}

ChildHolding::~ChildHolding() {
    Release();
}

void ChildHolding::Release() {
    if (letGo_ >= 0) ::close(letGo_);
    letGo_ = -1;
    if (child_ > 0) ::waitpid(child_, nullptr, 0);
    child_ = -1;
}

}  // namespace dorvane::testing
