// The file-system adapter: create-or-truncate without sharing, over real
// files in a temporary folder, with a second process holding the file.
#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/posix_library_loader.h"
#include "posix_fixtures.h"

namespace dorvane {
namespace {

using testing::ChildHolding;
using testing::ReadWhole;
using testing::TempFolder;
using testing::WriteWhole;
using testing::ZPath;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Catches a missing truncation (old bytes left behind the new ones), a
// truncation that happens only on O_TRUNC-style opens of new files, a
// zero-length payload that leaves the old content, and, as the bytes are
// written in place, a cut made where the first write ended or an old tail
// left when the new content ends inside the old one's last block.
TEST(PosixFileSystemTest, LeavesExactlyWhatWasWritten) {
    struct Case {
        const char* what;
        std::optional<std::string> before;  // none: the file does not exist
        std::vector<std::string> parts;     // one Write each
    };
    const std::vector<Case> cases = {
        {"new file", std::nullopt, {"payload"}},
        {"longer file", std::string(4096, 'x'), {"payload"}},
        {"shorter file", "ab", {"payload"}},
        {"nothing written to a new file", std::nullopt, {}},
        {"nothing written to an old file", "old content", {}},
        {"longer file, two writes", std::string(100000, 'x'), {std::string(5000, 'a'), "tail"}},
        {"shorter file, two writes", std::string(3000, 'x'), {std::string(5000, 'a'), "tail"}},
        {"longer file, ending inside its last block",
         std::string(8191, 'x'),
         {std::string(8190, 'a')}},
        {"file of the same size", std::string(4096, 'x'), {std::string(4096, 'a')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.File("kiss.she");
        if (c.before) WriteWhole(path, *c.before);

        PosixFileSystem files;
        auto file = files.CreateAlways(ZPath(path));
        ASSERT_NE(file, nullptr);
        std::string written;
        for (const std::string& part : c.parts) {
            EXPECT_EQ(file->Write(Bytes(part)), part.size());
            written += part;
        }
        EXPECT_TRUE(file->Close());
        EXPECT_EQ(ReadWhole(path), written);
    }
}

// Catches a write cut short (the disk full; here the file size limit) over a
// longer old file leaving the old file's tail after the new bytes: the file
// must be the part that was written, as after a truncating open.
TEST(PosixFileSystemTest, ShortWriteOverALongerFileLeavesOnlyTheNewBytes) {
    TempFolder folder;
    const std::string path = folder.File("SkinH_EL.dll");
    WriteWhole(path, std::string(20000, 'x'));
    const std::string payload(12000, 'a');
    constexpr rlim_t Limit = 8192;

    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write comes back short instead
    rlimit limited = before;
    limited.rlim_cur = Limit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::size_t written = 0;
    {
        PosixFileSystem files;
        auto file = files.CreateAlways(ZPath(path));
        if (file) {
            written = file->Write(Bytes(payload));
            file->Close();
        }
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(written, Limit) << "the fixture did not cut the write short";
    EXPECT_EQ(ReadWhole(path), payload.substr(0, Limit));
}

// Catches opening that creates folders, or leaves a file behind, when the
// open fails; and a drive that does not exist here being written somewhere.
TEST(PosixFileSystemTest, FailedOpenCreatesNothing) {
    TempFolder folder;
    PosixFileSystem files;
    EXPECT_EQ(files.CreateAlways(ZPath(folder.File("missing/kiss.she"))), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));

    EXPECT_EQ(files.CreateAlways("Q:\\kiss.she"), nullptr);

    // a folder of that name: not a file to write
    std::filesystem::create_directory(folder.File("folder"));
    EXPECT_EQ(files.CreateAlways(ZPath(folder.File("folder"))), nullptr);
}

// Catches an open that blocks on a FIFO with no reader, hanging the start.
TEST(PosixFileSystemTest, FifoIsRefusedWithoutWaiting) {
    TempFolder folder;
    const std::string path = folder.File("fifo");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    PosixFileSystem files;
    EXPECT_EQ(files.CreateAlways(ZPath(path)), nullptr);
}

// Another process holds the file: the open fails and the bytes stay. Catches
// truncating before the lock is taken, a blocking lock, and a lock kind that
// ignores a shared holder such as a running copy with the library loaded.
TEST(PosixFileSystemTest, FileHeldElsewhereIsLeftUntouched) {
    const std::string probe = DORVANE_LOADER_PROBE;
    struct Case {
        const char* what;
        std::function<bool(const std::string& path)> take;
    };
    const auto lock = [](int operation) {
        return [operation](const std::string& path) {
            const int fd = ::open(path.c_str(), O_RDONLY);
            return fd >= 0 && ::flock(fd, operation) == 0;  // kept open until the child ends
        };
    };
    const std::vector<Case> cases = {
        {"exclusive lock", lock(LOCK_EX)},
        {"shared lock", lock(LOCK_SH)},
        {"library loaded by a running copy",
         [](const std::string& path) {
             static PosixLibraryLoader loader;
             return loader.Load(ZPath(path)) != nullptr;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.File("SkinH_EL.dll");
        std::filesystem::copy_file(probe, path);
        const std::string before = ReadWhole(path);

        ChildHolding holder([&] { return c.take(path); });
        ASSERT_TRUE(holder.Held());
        PosixFileSystem files;
        EXPECT_EQ(files.CreateAlways(ZPath(path)), nullptr);
        EXPECT_EQ(ReadWhole(path), before);

        holder.Release();
        auto file = files.CreateAlways(ZPath(path));
        ASSERT_NE(file, nullptr) << "the file stays locked after its holder has gone";
        EXPECT_TRUE(file->Close());
        EXPECT_EQ(ReadWhole(path), "");
    }
}

// Catches a lock that outlives Close, which would make the next start's
// loader wait on the program's own file.
TEST(PosixFileSystemTest, CloseReleasesTheLock) {
    TempFolder folder;
    const std::string path = folder.File("kiss.she");
    PosixFileSystem files;
    auto file = files.CreateAlways(ZPath(path));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(files.CreateAlways(ZPath(path)), nullptr) << "a second open shares the file";
    EXPECT_TRUE(file->Close());
    EXPECT_NE(files.CreateAlways(ZPath(path)), nullptr);
}

}  // namespace
}  // namespace dorvane
