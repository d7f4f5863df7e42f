// Paints the program's icon at one size: a rounded pink-to-violet badge with
// a white clothes hanger and a "D" hanging from it. Each size has its own
// layout, so the small ones stay crisp: the 16-pixel one keeps only the hook
// and the letter.
#pragma once

#include "icon_file.h"

namespace dorvane::assets {

class IconPainter {
  public:
    // sizes the icon file holds, in its order
    static constexpr int Sizes[] = {128, 64, 48, 32, 16};

    static IconImage paint(int size);
};

}  // namespace dorvane::assets
