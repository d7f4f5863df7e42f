// A box of the style sheet as pixels: its fill (one colour or a gradient),
// its border (solid or dashed) and its rounded corners, smoothed at the
// edges. Plain C++; the painter blends the result onto a DC.
#pragma once

#include <cstdint>

#include "skin_look.h"

namespace dorvane::skin {

// Whether painting the box would change anything at all.
bool IsVisible(const Box& box);

// width*height pixels, rows top down, 0xAARRGGBB premultiplied by alpha (as
// AlphaBlend takes them); zero outside the rounded outline.
void RasteriseBox(const Box& box, int width, int height, std::uint32_t* pixels);

}  // namespace dorvane::skin
