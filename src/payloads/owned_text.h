// Texts that an operation hands to its caller: a fresh allocation of the
// program's allocator, zero-terminated, which the caller frees. An allocation
// that fails ends the program through RuntimeError (the new-handler installed
// by the start-up sequence), so these never come back empty for lack of memory.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace dorvane {

class OwnedText {
  public:
    OwnedText() = default;
    // a copy of `bytes` with a terminating zero byte
    explicit OwnedText(std::string_view bytes);

    // none: no text at all, which counts as empty wherever a length is taken
    bool IsNone() const { return bytes_ == nullptr; }
    const char* CStr() const { return bytes_.get(); }
    std::string_view View() const;
    // bytes allocated, terminating zero included; 0 for none
    std::size_t AllocationSize() const { return allocation_; }

  private:
    friend void Free(OwnedText& text);
    friend OwnedText JoinTexts(std::initializer_list<const char*> texts);
    std::unique_ptr<char[]> bytes_;
    std::size_t allocation_ = 0;
};

// Releases the text; given none, does nothing.
void Free(OwnedText& text);

// The texts one after another in one new allocation of their byte lengths
// plus 1. A null pointer counts as empty.
OwnedText JoinTexts(std::initializer_list<const char*> texts);

}  // namespace dorvane
