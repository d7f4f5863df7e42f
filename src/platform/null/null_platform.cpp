#include "platform/null/null_platform.h"

#include <cstdlib>

namespace dorvane {
namespace {

class NullFile : public WritableFile {
  public:
    std::size_t Write(std::span<const std::uint8_t> bytes) override { return bytes.size(); }
    bool Close() override { return true; }
};

}  // namespace

void NullProcess::ExitProcess(int) {
    std::abort();
}

std::unique_ptr<WritableFile> NullFileSystem::CreateAlways(std::string_view) {
    return std::make_unique<NullFile>();
}

bool NullWindow::CreateMainWindow(const WindowSettings&, Point, MainWindowEvents&) {
    if (exists_) return false;
    exists_ = true;
    return true;
}

}  // namespace dorvane
