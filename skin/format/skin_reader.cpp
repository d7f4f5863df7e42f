// The file header and the LZMA1 stream. The stream has no size of its own:
// the header's body size is what must come out, no more and no less.
#include "skin_reader.h"

#include <lzma.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace dorvane::skin {
namespace {

struct FreeOptions {
    void operator()(void* options) const { std::free(options); }
};

struct StreamEnd {
    void operator()(lzma_stream* stream) const { lzma_end(stream); }
};

}  // namespace

BodyResult DecompressBody(std::span<const std::uint8_t> file) {
    if (file.size() < StreamOffset ||
        !std::equal(FileMagic.begin(), FileMagic.end(), file.begin()) ||
        !std::equal(FileVersion.begin(), FileVersion.end(), file.begin() + FileMagic.size())) {
        return {ReadError::BadHeader, {}};
    }
    const std::uint32_t bodySize = ReadLe32(file.data() + BodySizeOffset);
    if (bodySize < BodyHeaderSize || bodySize > MaxBodySize) {
        return {ReadError::BadBodySize, {}};
    }

    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_properties_decode(&filters[0], nullptr, file.data() + PropertiesOffset,
                               PropertiesSize) != LZMA_OK) {
        return {ReadError::BadProperties, {}};
    }
    std::unique_ptr<lzma_options_lzma, FreeOptions> options(
        static_cast<lzma_options_lzma*>(filters[0].options));
    // A dictionary larger than the body is never reached: no need to allocate it.
    options->dict_size =
        std::min(options->dict_size, std::max<std::uint32_t>(bodySize, LZMA_DICT_SIZE_MIN));
    filters[0].id = LZMA_FILTER_LZMA1EXT;
    options->ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;  // an end marker after the body is fine too
    lzma_set_ext_size(*options, bodySize);
    if (lzma_raw_decoder_memusage(filters) > DecoderMemoryLimit) {
        return {ReadError::BadProperties, {}};
    }

    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK) {
        lzma_end(&stream);
        return {ReadError::BadProperties, {}};
    }
    std::unique_ptr<lzma_stream, StreamEnd> ender(&stream);
    BodyResult result{ReadError::None, std::vector<std::uint8_t>(bodySize)};
    stream.next_in = file.data() + StreamOffset;
    stream.avail_in = file.size() - StreamOffset;
    stream.next_out = result.body.data();
    stream.avail_out = result.body.size();
    lzma_ret ret = LZMA_OK;
    // All input is there at once: each call either makes progress or ends.
    while (ret == LZMA_OK) {
        ret = lzma_code(&stream, LZMA_FINISH);
    }
    if (ret != LZMA_STREAM_END || stream.total_out != bodySize) {
        return {ReadError::CorruptStream, {}};
    }
    return result;
}

ReadResult ReadSkinFile(std::span<const std::uint8_t> file, std::string_view password) {
    BodyResult body = DecompressBody(file);
    if (body.error != ReadError::None) {
        return {body.error, {}};
    }
    return ParseBody(body.body, password);
}

}  // namespace dorvane::skin
