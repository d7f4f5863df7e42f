// The library loader over a small test library: by Windows path, by bare
// name through the executable's RUNPATH, the files it refuses, and the
// shared lock it keeps on a loaded file.
#include "platform/posix/posix_library_loader.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "posix_fixtures.h"

namespace dorvane {
namespace {

using testing::TempFolder;
using testing::WriteWhole;
using testing::ZPath;

// found by bare name in the tests' RUNPATH; the second one is world-writable
constexpr const char* ProbeName = "libdorvane_loader_probe.so";
constexpr const char* UnsafeProbeName = "libdorvane_loader_probe_unsafe.so";

using ProbeFunction = int (*)();

// true when someone holds a lock on the file
bool Locked(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

class PosixLibraryLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ = folder_.File("SkinH_EL.dll");
        std::filesystem::copy_file(DORVANE_LOADER_PROBE, library_);
    }

    TempFolder folder_;
    std::string library_;
    PosixLibraryLoader loader_;
};

// Catches a wrong path mapping, a lazy or global load that hides a missing
// symbol, and a Symbol that finds names the library does not export.
TEST_F(PosixLibraryLoaderTest, LoadsByWindowsPathAndFindsItsSymbols) {
    LibraryHandle library = loader_.Load(ZPath(library_));
    ASSERT_NE(library, nullptr);
    auto probe = reinterpret_cast<ProbeFunction>(loader_.Symbol(library, "DorvaneLoaderProbe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe(), 42);
    EXPECT_EQ(loader_.Symbol(library, "SkinH_AttachEx"), nullptr);
    loader_.Unload(library);
}

// Catches a bare name being taken as a file in the current folder instead
// of going through the loader's own search.
TEST_F(PosixLibraryLoaderTest, LoadsABareNameThroughTheLoadersSearch) {
    LibraryHandle library = loader_.Load(ProbeName);
    ASSERT_NE(library, nullptr);
    auto probe = reinterpret_cast<ProbeFunction>(loader_.Symbol(library, "DorvaneLoaderProbe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe(), 42);
    loader_.Unload(library);
}

// Each of these must come back as cannot-load. Catches a missing check of
// the file's mode or owner, the empty name giving the program itself, and
// a path with no drive here being loaded from somewhere else.
TEST_F(PosixLibraryLoaderTest, RefusesWhatMayNotBeLoaded) {
    struct Case {
        const char* what;
        std::function<std::string()> prepare;  // gives the name to load
        bool needsRoot = false;
    };
    const std::vector<Case> cases = {
        {"world-writable file",
         [&] {
             ::chmod(library_.c_str(), 0757);
             return ZPath(library_);
         }},
        {"file of another user",
         [&] {
             (void)!::chown(library_.c_str(), 65534, 65534);
             return ZPath(library_);
         },
         true},
        {"missing file", [&] { return ZPath(folder_.File("none.dll")); }},
        {"not a library",
         [&] {
             WriteWhole(folder_.File("text.dll"), "MZ not an ELF file");
             return ZPath(folder_.File("text.dll"));
         }},
        {"a folder", [&] { return ZPath(folder_.Path()); }},
        {"drive that does not exist here", [] { return std::string("Q:\\SkinH_EL.dll"); }},
        {"empty name", [] { return std::string(); }},
        {"bare name of a missing library", [] { return std::string("SkinH_EL.dll"); }},
        {"bare name of a world-writable library", [] { return std::string(UnsafeProbeName); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && ::geteuid() != 0) continue;  // only root can give a file away
        const std::string name = c.prepare();
        LibraryHandle library = loader_.Load(name);
        EXPECT_EQ(library, nullptr);
        if (library) loader_.Unload(library);
        ::chmod(library_.c_str(), 0755);
    }
    // the refused library found by name is not left loaded either
    EXPECT_EQ(::dlopen(UnsafeProbeName, RTLD_NOW | RTLD_NOLOAD), nullptr);
}

// A library cut short by a full disk comes back as cannot-load, by path and
// by a bare name that the search finds in the tests' RUNPATH. Catches a
// loader that maps it: the first touch past the file's end is a SIGBUS.
TEST_F(PosixLibraryLoaderTest, RefusesALibraryCutShort) {
    std::filesystem::resize_file(library_, 4096);
    EXPECT_EQ(loader_.Load(ZPath(library_)), nullptr);

    constexpr const char* CutName = "libdorvane_cut_probe.so";
    const std::filesystem::path searched =
        std::filesystem::path(DORVANE_LOADER_PROBE).parent_path() / CutName;
    std::filesystem::copy_file(library_, searched,
                               std::filesystem::copy_options::overwrite_existing);
    LibraryHandle byName = loader_.Load(CutName);
    std::filesystem::remove(searched);
    EXPECT_EQ(byName, nullptr);
    if (byName) loader_.Unload(byName);
}

// The file stays share-locked exactly while some handle to it is loaded, so
// a second copy of the program cannot overwrite it. Catches a lock dropped
// too early, one never released, and one handle's unload releasing another's.
TEST_F(PosixLibraryLoaderTest, HoldsASharedLockWhileLoaded) {
    EXPECT_FALSE(Locked(library_));
    LibraryHandle first = loader_.Load(ZPath(library_));
    LibraryHandle second = loader_.Load(ZPath(library_));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(Locked(library_));

    loader_.Unload(first);
    EXPECT_TRUE(Locked(library_));
    ASSERT_NE(loader_.Symbol(second, "DorvaneLoaderProbe"), nullptr);

    loader_.Unload(second);
    EXPECT_FALSE(Locked(library_));
}

// The same for a library the loader's search found.
TEST_F(PosixLibraryLoaderTest, LocksTheFileTheSearchFound) {
    Dl_info found{};
    LibraryHandle library = loader_.Load(ProbeName);
    ASSERT_NE(library, nullptr);
    void* probe = loader_.Symbol(library, "DorvaneLoaderProbe");
    ASSERT_NE(probe, nullptr);
    ASSERT_NE(::dladdr(probe, &found), 0);
    const std::string file = found.dli_fname;  // the loader's copy goes with the library
    EXPECT_TRUE(Locked(file));
    loader_.Unload(library);
    EXPECT_FALSE(Locked(file));
}

}  // namespace
}  // namespace dorvane
