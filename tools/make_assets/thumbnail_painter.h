// Paints a whole thumbnail: the scene, the figure in front of it and, for
// the comic ones, a speech bubble; at the thumbnail's own pixel size.
#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>

#include "looks.h"

namespace dorvane::assets {

struct ThumbnailLook {
    const SceneLook& scene;
    const FigureLook& figure;
    std::uint64_t seed;
};

class ThumbnailPainter {
  public:
    explicit ThumbnailPainter(QFont captionFont);

    QImage paint(const ThumbnailLook& look, int width, int height) const;

  private:
    QFont captionFont_;
};

}  // namespace dorvane::assets
