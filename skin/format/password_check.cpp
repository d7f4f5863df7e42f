#include "password_check.h"

namespace dorvane::skin {
namespace {

constexpr std::uint64_t FnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t FnvPrime = 0x100000001b3ull;
// keeps the empty password's digest from being the bare FNV offset
constexpr std::string_view DigestPrefix = "dorvane skin password:";

std::uint64_t Mix(std::uint64_t hash, std::string_view bytes) {
    for (unsigned char c : bytes) {
        hash = (hash ^ c) * FnvPrime;
    }
    return hash;
}

}  // namespace

std::uint64_t PasswordDigest(std::string_view gbkPassword) {
    return Mix(Mix(FnvOffset, DigestPrefix), gbkPassword);
}

}  // namespace dorvane::skin
