// The sixty thumbnails: each picture box's JPEG pixel size and byte size, and
// what its picture shows. Boxes 12 and 13 show the same picture.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "looks.h"

namespace dorvane::assets {

struct ThumbnailRow {
    int width, height;
    std::size_t bytes;
    const SceneLook& scene;
    const FigureLook& figure;
    std::uint64_t seed;
};

const std::array<ThumbnailRow, 60>& thumbnailTable();

}  // namespace dorvane::assets
