#include "heart_tile.h"

namespace dorvane::skin {
namespace {

struct Heart {
    double x, y, radius;  // in tile sides
    bool second;
};

// Diagonal pairs keep the pattern even when tiled.
constexpr Heart Hearts[] = {
    {0.25, 0.25, 0.11, false},
    {0.75, 0.75, 0.11, true},
    {0.75, 0.25, 0.055, true},
    {0.25, 0.75, 0.055, false},
};

// The heart curve (u² + v² − 1)³ = u² v³, v upwards, filled inside.
bool InsideHeart(double u, double v) {
    const double a = u * u + v * v - 1.0;
    return a * a * a - u * u * v * v * v <= 0.0;
}

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, double coverage) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double a = (under >> shift) & 0xFF;
        const double b = (over >> shift) & 0xFF;
        out |= static_cast<std::uint32_t>(a + (b - a) * coverage + 0.5) << shift;
    }
    return out;
}

}  // namespace

Tile MakeHeartTile(const TileRecipe& recipe) {
    constexpr int Samples = 4;
    const int side = recipe.side;
    Tile tile{static_cast<std::uint16_t>(side), static_cast<std::uint16_t>(side),
              std::vector<std::uint32_t>(static_cast<std::size_t>(side) * side, recipe.background)};
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            std::uint32_t& pixel = tile.argb[static_cast<std::size_t>(y) * side + x];
            for (const Heart& heart : Hearts) {
                int inside = 0;
                for (int sy = 0; sy < Samples; ++sy) {
                    for (int sx = 0; sx < Samples; ++sx) {
                        const double px = (x + (sx + 0.5) / Samples) / side;
                        const double py = (y + (sy + 0.5) / Samples) / side;
                        const double u = (px - heart.x) / heart.radius;
                        const double v = (heart.y - py) / heart.radius + 0.15;  // centre the shape
                        inside += InsideHeart(u * 1.1, v * 1.1) ? 1 : 0;
                    }
                }
                if (inside > 0) {
                    pixel = Blend(pixel, heart.second ? recipe.secondHeart : recipe.heart,
                                  static_cast<double>(inside) / (Samples * Samples));
                }
            }
        }
    }
    return tile;
}

}  // namespace dorvane::skin
