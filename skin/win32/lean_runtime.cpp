// The engine is built without exceptions, so that the C++ runtime's throwing
// machinery (unwinder, type information, demangler; over 100 KB) stays out of
// a library that must fit in 88,576 bytes. These replace the few runtime
// entry points the standard containers call. Every allocation the engine
// makes is bounded by the reader's limits (a few MiB at most); if the heap
// still cannot give it, the process stops, as the program's own allocator
// does when it runs out.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    std::abort();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace std {

void __throw_bad_alloc() {
    std::abort();
}

void __throw_length_error(const char*) {
    std::abort();
}

void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}

}  // namespace std
