#include "payloads/owned_text.h"

#include <cstring>

namespace dorvane {

OwnedText::OwnedText(std::string_view bytes)
    : bytes_(new char[bytes.size() + 1]), allocation_(bytes.size() + 1) {
    std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    bytes_[bytes.size()] = '\0';
}

std::string_view OwnedText::View() const {
    return bytes_ ? std::string_view(bytes_.get(), allocation_ - 1) : std::string_view();
}

void Free(OwnedText& text) {
    text.bytes_.reset();
    text.allocation_ = 0;
}

OwnedText JoinTexts(std::initializer_list<const char*> texts) {
    std::size_t length = 0;
    for (const char* text : texts) length += text ? std::strlen(text) : 0;
    OwnedText joined;
    joined.bytes_.reset(new char[length + 1]);
    joined.allocation_ = length + 1;
    char* out = joined.bytes_.get();
    for (const char* text : texts) {
        if (!text) continue;
        const std::size_t n = std::strlen(text);
        std::memcpy(out, text, n);
        out += n;
    }
    *out = '\0';
    return joined;
}

}  // namespace dorvane
