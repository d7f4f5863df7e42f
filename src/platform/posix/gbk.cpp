// GBK <-> UTF-8 through iconv, strict: a byte sequence with no character in
// the other encoding (or cut short) gives none rather than a guess.
#include "platform/posix/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace dorvane::gbk {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    // Two bytes out per byte in covers both directions; grown if ever short.
    std::string out(input.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t used = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
        used = out.size() - outLeft;
        if (done != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != E2BIG) {  // EILSEQ: no such character; EINVAL: cut short
            ok = false;
            break;
        }
        out.resize(out.size() * 2);
    }
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    out.resize(used);
    return out;
}

}  // namespace

std::optional<std::string> ToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8);
}

}  // namespace dorvane::gbk
