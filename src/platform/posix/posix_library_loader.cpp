#include "platform/posix/posix_library_loader.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/posix/gbk.h"
#include "platform/posix/windows_paths.h"

namespace dorvane {
namespace {

// What a LibraryHandle points at: the loader's handle and the descriptor
// that carries the file's shared lock.
struct LoadedLibrary {
    void* object;
    int lockFd;
};

// dlopen as the program itself would call it. A bare name is looked for in
// the RUNPATH of the object that makes the call; a sanitizer's dlopen wrapper
// would become that object and hide the executable's. dlmopen into the base
// namespace is the same load without a wrapper.
void* OpenObject(const char* file) {
    return ::dlmopen(LM_ID_BASE, file, RTLD_NOW | RTLD_LOCAL);
}

// A file that only this user or root could have written.
bool Trustworthy(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (info.st_mode & S_IWOTH) return false;
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// Shared, and waited for: a writer holds its exclusive lock only while it
// writes the file, and the loader must not map a half-written library.
bool LockShared(int fd) {
    int result;
    do {
        result = ::flock(fd, LOCK_SH);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

// A library cut short (a write that met a full disk) maps all the same, and
// the loader's first touch of a page past the file's end kills the process
// with SIGBUS: every loaded segment must lie inside the file. Any other
// damage is dlopen's to refuse, which it does without harm.
bool SegmentsInsideFile(int fd) {
    struct stat info {};
    ElfW(Ehdr) header{};
    if (::fstat(fd, &info) != 0) return false;
    if (::pread(fd, &header, sizeof header, 0) != sizeof header ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_phentsize != sizeof(ElfW(Phdr))) {
        return true;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment{};
        const auto at = static_cast<off_t>(header.e_phoff + i * sizeof segment);
        if (::pread(fd, &segment, sizeof segment, at) != sizeof segment) return false;
        if (segment.p_type == PT_LOAD &&
            (segment.p_offset > size || segment.p_filesz > size - segment.p_offset)) {
            return false;
        }
    }
    return true;
}

// Opened, checked and locked; -1 when the file may not be loaded. The
// segments are checked under the lock, once no writer is busy with the file.
int OpenTrusted(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (!Trustworthy(fd) || !LockShared(fd) || !SegmentsInsideFile(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The path is mapped from the descriptor that was checked and locked, so a
// file swapped in at the same name after the check is never the one loaded.
LoadedLibrary* LoadFile(const std::string& path) {
    const int fd = OpenTrusted(path.c_str());
    if (fd < 0) return nullptr;
    const std::string byDescriptor = "/proc/self/fd/" + std::to_string(fd);
    void* object = OpenObject(byDescriptor.c_str());
    if (!object) {
        ::close(fd);
        return nullptr;
    }
    return new LoadedLibrary{object, fd};
}

// The file the loader's search would take for a bare name from the folders
// it looks in before its cache (LD_LIBRARY_PATH, the executable's RUNPATH);
// empty when none of them holds one.
std::string SearchedFile(const std::string& name) {
    void* program = ::dlopen(nullptr, RTLD_NOW);
    std::string found;
    Dl_serinfo counts{};
    if (program && ::dlinfo(program, RTLD_DI_SERINFOSIZE, &counts) == 0) {
        std::vector<std::uint64_t> storage(counts.dls_size / sizeof(std::uint64_t) + 1);
        auto* info = reinterpret_cast<Dl_serinfo*>(storage.data());
        *info = counts;
        if (::dlinfo(program, RTLD_DI_SERINFO, info) == 0) {
            for (unsigned i = 0; i < info->dls_cnt && found.empty(); ++i) {
                const std::string file = std::string(info->dls_serpath[i].dls_name) + "/" + name;
                if (::access(file.c_str(), F_OK) == 0) found = file;
            }
        }
    }
    if (program) ::dlclose(program);
    return found;
}

// The loader's search finds the file, so it is checked once loaded: its
// constructors have run by then, but nothing of it is called and it is
// unloaded again when refused. A file in one of the searched folders is
// checked before too, since a cut-off one would not survive its mapping.
LoadedLibrary* LoadByName(const std::string& name) {
    if (const std::string file = SearchedFile(name); !file.empty()) {
        const int fd = OpenTrusted(file.c_str());
        if (fd < 0) return nullptr;
        ::close(fd);
    }
    void* object = OpenObject(name.c_str());
    if (!object) return nullptr;
    link_map* map = nullptr;
    const int fd = ::dlinfo(object, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name
                       ? OpenTrusted(map->l_name)
                       : -1;
    if (fd < 0) {
        ::dlclose(object);
        return nullptr;
    }
    return new LoadedLibrary{object, fd};
}

}  // namespace

LibraryHandle PosixLibraryLoader::Load(std::string_view gbkPathOrName) {
    // An empty name would give the program itself.
    if (gbkPathOrName.empty()) return nullptr;
    // Looked for in the decoded text: a GBK character's second byte can be 0x5C.
    const auto name = gbk::ToUtf8(gbkPathOrName);
    if (!name) return nullptr;
    if (name->find_first_of("\\/") != std::string::npos) {
        const auto path = paths::ToPosix(gbkPathOrName);
        return path ? LoadFile(*path) : nullptr;
    }
    return LoadByName(*name);
}

void* PosixLibraryLoader::Symbol(LibraryHandle library, const char* name) {
    if (!library || !name) return nullptr;
    return ::dlsym(static_cast<LoadedLibrary*>(library)->object, name);
}

void PosixLibraryLoader::Unload(LibraryHandle library) {
    if (!library) return;
    auto* loaded = static_cast<LoadedLibrary*>(library);
    ::dlclose(loaded->object);
    ::close(loaded->lockFd);
    delete loaded;
}

}  // namespace dorvane
