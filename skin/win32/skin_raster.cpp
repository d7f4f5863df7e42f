#include "skin_raster.h"

#include <cmath>

namespace dorvane::skin {
namespace {

std::uint32_t Alpha(std::uint32_t argb) {
    return argb >> 24;
}

float Clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

bool HasBorder(const Box& box) {
    return box.borderWidth > 0 && Alpha(box.borderColour) != 0;
}

}  // namespace

bool IsVisible(const Box& box) {
    const bool fills =
        box.fill.count > 1 || (box.fill.count == 1 && Alpha(box.fill.stops[0].argb) != 0);
    return fills || HasBorder(box);
}

void RasteriseBox(const Box& box, int w, int h, const Area& part, std::uint32_t* pixels) {
    const bool border = HasBorder(box);
    const float radius = static_cast<float>(std::min(box.radius, std::min(w, h) / 2));
    const float bw = border ? static_cast<float>(box.borderWidth) : 0;
    const float halfW = w / 2.0f, halfH = h / 2.0f;
    // a dash four border widths long, a gap of two, as Qt draws a dashed line
    const int unit = box.borderWidth > 0 ? box.borderWidth : 1;
    const int dashOn = 4 * unit, dashPeriod = 6 * unit;
    for (int y = part.y; y < part.y + part.height; ++y) {
        const float py = y + 0.5f;
        const std::uint32_t rowFill = box.fill.ColourAt(py / static_cast<float>(h));
        for (int x = part.x; x < part.x + part.width; ++x) {
            const float px = x + 0.5f;
            // signed distance to the rounded outline, negative inside
            const float qx = std::fabs(px - halfW) - (halfW - radius);
            const float qy = std::fabs(py - halfH) - (halfH - radius);
            const float ox = qx > 0 ? qx : 0, oy = qy > 0 ? qy : 0;
            const float most = qx > qy ? qx : qy;
            const float d = std::sqrt(ox * ox + oy * oy) + (most < 0 ? most : 0) - radius;
            const float outer = Clamp01(0.5f - d);
            const float inner = border ? Clamp01(0.5f - (d + bw)) : outer;
            std::uint32_t& out =
                pixels[static_cast<std::size_t>(y - part.y) * part.width + (x - part.x)];
            if (outer <= 0) {
                out = 0;
                continue;
            }
            const std::uint32_t fill =
                box.fill.horizontal ? box.fill.ColourAt(px / static_cast<float>(w)) : rowFill;
            std::uint32_t edge = box.borderColour;
            if (box.dashed && outer > inner) {
                const bool acrossTopOrBottom = py < bw || py > h - bw;
                if ((acrossTopOrBottom ? x : y) % dashPeriod >= dashOn) {
                    edge = fill;  // the gap shows the fill, which lies under the border
                }
            }
            const float fa = Alpha(fill) / 255.0f * inner;
            const float ea = Alpha(edge) / 255.0f * (outer - inner);
            std::uint32_t pixel = static_cast<std::uint32_t>((fa + ea) * 255 + 0.5f) << 24;
            for (int shift = 0; shift < 24; shift += 8) {
                const float c = (fill >> shift & 0xFF) * fa + (edge >> shift & 0xFF) * ea;
                pixel |= static_cast<std::uint32_t>(c + 0.5f) << shift;
            }
            out = pixel;
        }
    }
}

}  // namespace dorvane::skin
