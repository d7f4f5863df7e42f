#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/windows_paths.h"

namespace dorvane {
namespace {

class PosixWritableFile : public WritableFile {
  public:
    explicit PosixWritableFile(int fd) : fd_(fd) {}
    ~PosixWritableFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    PosixWritableFile(const PosixWritableFile&) = delete;
    PosixWritableFile& operator=(const PosixWritableFile&) = delete;

    // One write() as WriteFile does one write: a short count is the caller's
    // to judge. Only an interrupted call is repeated.
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        if (fd_ < 0) return 0;
        ssize_t written;
        do {
            written = ::write(fd_, bytes.data(), bytes.size());
        } while (written < 0 && errno == EINTR);
        return written < 0 ? 0 : static_cast<std::size_t>(written);
    }

    // The lock goes with the descriptor.
    bool Close() override {
        if (fd_ < 0) return false;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// A regular file whose lock no one else holds, made blocking and truncated.
bool TakeForWriting(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return false;
    return ::ftruncate(fd, 0) == 0;
}

}  // namespace

std::unique_ptr<WritableFile> PosixFileSystem::CreateAlways(std::string_view path) {
    const auto posixPath = paths::ToPosix(path);
    if (!posixPath) return nullptr;
    // No O_TRUNC: the lock decides whether the file may change. O_NONBLOCK keeps
    // a FIFO without a reader from hanging the start; it is dropped below.
    // A file that this open creates is new, so no one else can hold its lock.
    const int fd = ::open(posixPath->c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return nullptr;
    if (!TakeForWriting(fd)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixWritableFile>(fd);
}

}  // namespace dorvane
