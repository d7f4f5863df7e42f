#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/posix/windows_paths.h"

namespace dorvane {
namespace {

// Writes in place from the start and cuts off what is left of the old file at
// Close: no truncation to zero first, whose freeing of the old blocks costs
// more than rewriting them.
class PosixWritableFile : public WritableFile {
  public:
    PosixWritableFile(int fd, off_t oldSize) : fd_(fd), oldSize_(oldSize) {}
    ~PosixWritableFile() override {
        if (fd_ >= 0) Close();
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
        if (written <= 0) return 0;
        end_ += written;
        return static_cast<std::size_t>(written);
    }

    // The old file's tail goes, also after a short write: the file is then
    // what was written, as it would be after a truncating open. The lock
    // goes with the descriptor.
    bool Close() override {
        if (fd_ < 0) return false;
        const int fd = fd_;
        fd_ = -1;
        const bool cut = oldSize_ <= end_ || ::ftruncate(fd, end_) == 0;
        return ::close(fd) == 0 && cut;
    }

  private:
    int fd_;
    off_t oldSize_;
    off_t end_ = 0;
};

// A regular file whose lock no one else holds; its size before the write.
std::optional<off_t> TakeForWriting(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    return info.st_size;
}

}  // namespace

std::unique_ptr<WritableFile> PosixFileSystem::CreateAlways(std::string_view path) {
    const auto posixPath = paths::ToPosix(path);
    if (!posixPath) return nullptr;
    // No O_TRUNC: the lock decides whether the file may change. O_NONBLOCK keeps
    // a FIFO without a reader from hanging the start; on the regular file that
    // alone is taken it changes nothing, so it stays. A file that this open
    // creates is new, so no one else can hold its lock.
    const int fd = ::open(posixPath->c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return nullptr;
    const std::optional<off_t> oldSize = TakeForWriting(fd);
    if (!oldSize) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixWritableFile>(fd, *oldSize);
}

}  // namespace dorvane
