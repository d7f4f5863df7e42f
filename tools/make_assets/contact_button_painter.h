// Paints the frames of the contact button's picture: a little penguin that
// waves and blinks, beside the words 联系作者, on a flat background colour
// that the button draws transparent.
#pragma once

#include <QFont>
#include <cstdint>
#include <vector>

#include "gif_file.h"

namespace dorvane::assets {

class ContactButtonPainter {
  public:
    static constexpr int Width = 61;
    static constexpr int Height = 16;
    static constexpr std::uint32_t Background = 0xf0f0f0;

    explicit ContactButtonPainter(QFont font);

    std::vector<GifFrame> paintFrames() const;

  private:
    QFont font_;
};

}  // namespace dorvane::assets
