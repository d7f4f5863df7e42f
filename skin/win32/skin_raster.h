// A box of the style sheet as pixels: its fill (one colour or a gradient),
// its border (solid or dashed) and its rounded corners, smoothed at the
// edges. Plain C++; the painter blends the result onto a DC.
#pragma once

#include <cstdint>

#include "skin_look.h"

namespace dorvane::skin {

// Whether painting the box would change anything at all.
bool IsVisible(const Box& box);

// Part of a box: the pixels from (x, y), width by height.
struct Area {
    int x, y, width, height;
};

// The part's pixels of a box of width by height, rows top down, 0xAARRGGBB
// premultiplied by alpha (as AlphaBlend takes them); zero outside the
// rounded outline. Only the part is computed: a control asks for the bit of
// its parent's box behind it.
void RasteriseBox(const Box& box, int width, int height, const Area& part, std::uint32_t* pixels);

}  // namespace dorvane::skin
