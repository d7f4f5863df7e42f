#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <string>

namespace dorvane {
namespace {

class Win32File : public WritableFile {
  public:
    explicit Win32File(HANDLE file) : file_(file) {}
    ~Win32File() override { Close(); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        // one WriteFile; a payload never comes near 4 GiB
        if (file_ == INVALID_HANDLE_VALUE || bytes.size() > MAXDWORD) return 0;
        DWORD written = 0;
        if (!WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            return 0;
        }
        return written;
    }

    bool Close() override {
        if (file_ == INVALID_HANDLE_VALUE) return false;
        const bool closed = CloseHandle(file_) != FALSE;
        file_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<WritableFile> Win32FileSystem::CreateAlways(std::string_view path) {
    const std::string name(path);
    // a name with a zero byte would open a shorter one
    if (name.empty() || name.find('\0') != std::string::npos) return nullptr;
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32File>(file);
}

}  // namespace dorvane
